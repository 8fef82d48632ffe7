// Which handler of the window's behaviour a control's notification goes to,
// for every front end: the buttons whose click goes straight to a handler,
// and the edits whose every change does.
#pragma once

#include "window/controls.h"
#include "window/kelvara_dlg.h"

namespace kelvara {

struct ClickHandler {
    int id;
    void (CKelvaraDlg::*handler)();
};

inline constexpr ClickHandler kClickHandlers[] = {
    {ctl::kRadioUnas, &CKelvaraDlg::OnRadioUnas},
    {ctl::kRadioRds, &CKelvaraDlg::OnRadioRds},
    {ctl::kRadioDC, &CKelvaraDlg::OnRadioDC},
    {ctl::kRadioAC, &CKelvaraDlg::OnRadioAC},
    {ctl::kShapeE, &CKelvaraDlg::OnShapeChanged},
    {ctl::kShapeEI, &CKelvaraDlg::OnShapeChanged},
    {ctl::kShapeER, &CKelvaraDlg::OnShapeChanged},
    {ctl::kShapeETD, &CKelvaraDlg::OnShapeChanged},
    {ctl::kShapeOther, &CKelvaraDlg::OnShapeChanged},
    {ctl::kRadioGap, &CKelvaraDlg::OnGapRadio},
    {ctl::kRadioAL, &CKelvaraDlg::OnALRadio},
    {ctl::kYesD, &CKelvaraDlg::OnUseDiametersClicked},
    {ctl::kAddBySize, &CKelvaraDlg::OnAddBySize},
    {ctl::kAddByData, &CKelvaraDlg::OnAddByData},
    {ctl::kAddCore, &CKelvaraDlg::OnAddCore},
    {ctl::kCalculate, &CKelvaraDlg::OnCalculate},
    {ctl::kSave, &CKelvaraDlg::OnSave},
    {ctl::kLoad, &CKelvaraDlg::OnLoad},
};

// The handler of a button's click; nullptr when it has none of its own.
constexpr void (CKelvaraDlg::*ClickHandlerOf(int id))() {
    for (const ClickHandler& c : kClickHandlers)
        if (c.id == id) return c.handler;
    return nullptr;
}

// Whether a control shows one of the design's input fields (its changes may
// leave the results belonging to earlier inputs).
constexpr bool IsInputControl(int id) {
    for (const FieldControls& f : kFieldControls)
        for (int b = 0; b < f.count; ++b)
            if (f.ids[static_cast<size_t>(b)] == id) return true;
    return false;
}

}  // namespace kelvara
