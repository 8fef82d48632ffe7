#include "window/adviser.h"

#include "refdata/material.h"

namespace kelvara {

std::vector<NamedMaterial> AdviserMaterials(const CKelvaraDlg& dlg, bool allMaterials) {
    const std::filesystem::path folder = dlg.dataRoot() / "Ferrites_Materials";
    std::vector<NamedMaterial> out;
    if (!allMaterials) {
        out.push_back({dlg.inputs().mater, dlg.material()});
        return out;
    }
    for (const Text& name : ListMaterials(folder)) {
        NamedMaterial m{name, {}};
        Text text;
        if (ReadMaterialFile(folder / std::filesystem::path(name + u".txt"), m.data, text))
            out.push_back(std::move(m));
    }
    return out;
}

std::vector<Candidate> RankCoresFor(CKelvaraDlg& dlg, bool allMaterials) {
    dlg.Take();
    const std::vector<NamedMaterial> materials = AdviserMaterials(dlg, allMaterials);
    std::vector<Candidate> c =
        EvaluateCandidates(dlg.inputs(), dlg.coreText(), materials, dlg.wires());
    RankCandidates(c);
    return c;
}

void ApplyCandidate(CKelvaraDlg& dlg, const Candidate& candidate) {
    dlg.Take();
    DesignInputs& in = dlg.inputs();
    in.mater = candidate.material;
    dlg.SelectMaterialByName();
    dlg.ReadSelectedMaterial();
    in.zazor = candidate.inputs.zazor;
    dlg.Show();
    dlg.SelectCoreByName(candidate.core);
    dlg.view().InvalidatePicture();
}

}  // namespace kelvara
