// The core adviser in the window: the ranking for the window's current
// inputs, and applying a chosen candidate as the user would.
#pragma once

#include "session/design_session.h"
#include "window/kelvara_dlg.h"

namespace kelvara {

// Every core (with every material when asked) for the inputs the window shows
// now, ranked. The window's own record is not changed.
Ranking RankCoresFor(CKelvaraDlg& dlg, bool allMaterials, const RankProgress& progress = {});

// Applies a candidate as the user would: its material, its settled gap or AL
// typed into the field, its shape and core, then the calculation.
void ApplyCandidate(CKelvaraDlg& dlg, const Candidate& candidate);

}  // namespace kelvara
