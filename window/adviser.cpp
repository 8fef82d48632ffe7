#include "window/adviser.h"

namespace kelvara {

Ranking RankCoresFor(CKelvaraDlg& dlg, bool allMaterials, const RankProgress& progress) {
    dlg.Take();
    return dlg.session().Rank(dlg.inputs(), allMaterials, progress);
}

void ApplyCandidate(CKelvaraDlg& dlg, const Candidate& candidate) {
    dlg.Take();
    DesignInputs& in = dlg.inputs();
    in.mater = candidate.material;
    dlg.SelectMaterialByName();
    dlg.ReadSelectedMaterial();
    in.zazor = candidate.zazor;
    dlg.Show();
    dlg.SelectCoreByName(candidate.core);
    dlg.view().InvalidatePicture();
}

}  // namespace kelvara
