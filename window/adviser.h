// The core adviser in the window: the candidates for the window's current
// inputs, and applying a chosen candidate as the user would.
#pragma once

#include <vector>

#include "calc/core_adviser.h"
#include "window/kelvara_dlg.h"

namespace kelvara {

// The materials the adviser tries: the selected one, or every listed one
// whose file can be read, in list order.
std::vector<NamedMaterial> AdviserMaterials(const CKelvaraDlg& dlg, bool allMaterials);

// Every core (with every material when asked) for the inputs the window shows
// now, ranked. The window's own record is not changed.
std::vector<Candidate> RankCoresFor(CKelvaraDlg& dlg, bool allMaterials);

// Applies a candidate as the user would: its material, its settled gap or AL
// typed into the field, its shape and core, then the calculation.
void ApplyCandidate(CKelvaraDlg& dlg, const Candidate& candidate);

}  // namespace kelvara
