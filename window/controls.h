// The main window's control ids and what each shows: the bindings of the
// design fields to their controls and of the result texts to theirs. The
// exchange, the Qt layout and the tooltips all read these tables.
#pragma once

#include <array>
#include <string_view>

#include "calc/design_inputs.h"
#include "calc/design_results.h"

namespace kelvara {

// Control ids of the main window.
namespace ctl {
// Inputs column.
inline constexpr int kBm = 1001, kFr = 1003, kKL = 1006, kQ = 1024, kRds = 1128, kUnas = 1000,
                     kRadioUnas = 1129, kRadioRds = 1130, kKo = 1047, kJ = 1038, kUmin = 1007,
                     kUmax = 1009, kRadioDC = 1095, kRadioAC = 1096, kU2_1 = 1010, kI2_1 = 1015,
                     kUd = 1016, kVypr0 = 1059, kVypr1 = 1060, kVypr2 = 1061, kD11 = 1014,
                     kD21 = 1018, kYesD = 1011;
// Gap or AL.
inline constexpr int kRadioGap = 1076, kRadioAL = 1077, kZazor = 1004, kGapLabel = 1012,
                     kGapUnit = 1017;
// Core group.
inline constexpr int kCoreList = 1137, kMaterialList = 1153, kShapeE = 1082, kShapeEI = 1062,
                     kShapeER = 1099, kShapeETD = 1101, kShapeOther = 1148, kDimA = 1133,
                     kDimB = 1097, kDimC = 1134, kDimD = 1140, kDimH = 1138, kDimh = 1008,
                     kDimI = 1142, kMu = 1002, kLe = 1146, kAe = 1144, kAn = 1145, kVe = 1147,
                     kAddBySize = 1149, kAddByData = 1151;
// Results.
inline constexpr int kResGapReq = 1073, kResAL = 1104, kResBmAct = 1078, kResLossW = 1109,
                     kResPgab = 1110, kResPload = 1111, kResN1 = 1031, kResWire1 = 1033,
                     kResN2 = 1034, kResWire2 = 1035, kResFill = 1079, kResLm = 1080,
                     kResLmUnit = 1020, kResLr = 1081, kResLrUnit = 1021, kResLtot = 1083,
                     kResLtotUnit = 1022, kResKLact = 1084, kResCr = 1085, kResFCtl = 1089,
                     kResFMin = 1086, kResFMax = 1088, kResQmax = 1112, kResSkin = 1087;
// Buttons and menu commands.
inline constexpr int kCalculate = 1, kExit = 2, kSave = 5, kLoad = 6, kAddCore = 8;
inline constexpr int kCmdTransfer = 32773, kCmdHelp = 57670, kCmdCircuit = 32771, kCmdAbout = 57664,
                     kCmdCheck = 32780, kCmdAdviser = 32781, kCmdReport = 32782, kCmdPrint = 32783,
                     kCmdWaveforms = 32784, kCmdSpice = 32785;
}  // namespace ctl

// The controls of one field: its edit or checkbox, or its group's radio
// buttons in the order of the field's values.
struct FieldControls {
    std::u16string_view key;
    std::array<int, 5> ids{};
    int count = 1;
};

inline constexpr std::array<FieldControls, 38> kFieldControls = {{
    {u"core", {ctl::kCoreList}},
    {u"mater", {ctl::kMaterialList}},
    {u"zazor", {ctl::kZazor}},
    {u"yes_al", {ctl::kRadioGap, ctl::kRadioAL}, 2},
    {u"Fr", {ctl::kFr}},
    {u"Bm", {ctl::kBm}},
    {u"kL", {ctl::kKL}},
    {u"Q", {ctl::kQ}},
    {u"Rds", {ctl::kRds}},
    {u"Unas", {ctl::kUnas}},
    {u"rds", {ctl::kRadioUnas, ctl::kRadioRds}, 2},
    {u"ko", {ctl::kKo}},
    {u"j", {ctl::kJ}},
    {u"Umin", {ctl::kUmin}},
    {u"Umax", {ctl::kUmax}},
    {u"setevoe", {ctl::kRadioDC, ctl::kRadioAC}, 2},
    {u"U2_1", {ctl::kU2_1}},
    {u"I2_1", {ctl::kI2_1}},
    {u"Ud", {ctl::kUd}},
    {u"vypr", {ctl::kVypr0, ctl::kVypr1, ctl::kVypr2}, 3},
    {u"d11", {ctl::kD11}},
    {u"d21", {ctl::kD21}},
    {u"yes_d", {ctl::kYesD}},
    {u"shape", {ctl::kShapeE, ctl::kShapeEI, ctl::kShapeER, ctl::kShapeETD, ctl::kShapeOther}, 5},
    {u"A", {ctl::kDimA}},
    {u"B", {ctl::kDimB}},
    {u"C", {ctl::kDimC}},
    {u"D", {ctl::kDimD}},
    {u"H", {ctl::kDimH}},
    {u"h", {ctl::kDimh}},
    {u"I", {ctl::kDimI}},
    {u"mu", {ctl::kMu}},
    {u"le", {ctl::kLe}},
    {u"Ae", {ctl::kAe}},
    {u"An", {ctl::kAn}},
    {u"Ve", {ctl::kVe}},
    {u"add_by_size", {ctl::kAddBySize}},
    {u"add_by_data", {ctl::kAddByData}},
}};

// The controls of a field (every field has a binding).
constexpr const FieldControls& ControlsOf(const FieldDef& f) {
    for (const FieldControls& c : kFieldControls)
        if (c.key == f.key) return c;
    return kFieldControls[0];  // never reached: a test checks every field is bound
}

// The label of the field shown by control `id` (its first control), or "".
constexpr std::u16string_view FieldLabelOf(int id) {
    for (const FieldControls& c : kFieldControls) {
        if (c.ids[0] != id) continue;
        // Searched by key here (not through a pointer), so that the layout
        // tables stay constant expressions in sanitized builds too.
        for (const FieldDef& f : kDesignFileFields)
            if (f.key == c.key) return f.label;
        for (const FieldDef& f : kCoreGroupFields)
            if (f.key == c.key) return f.label;
    }
    return {};
}

// Each result text with its control, in result order.
struct ResultFieldDef {
    ResultField field;
    int controlId;
};

inline constexpr std::array<ResultFieldDef, kResultFieldCount> kResultFields = {{
    {kRGapReq, ctl::kResGapReq},
    {kRAL, ctl::kResAL},
    {kRBmAct, ctl::kResBmAct},
    {kRLossW, ctl::kResLossW},
    {kRPgab, ctl::kResPgab},
    {kRPload, ctl::kResPload},
    {kRN1, ctl::kResN1},
    {kRWire1, ctl::kResWire1},
    {kRN2, ctl::kResN2},
    {kRWire2, ctl::kResWire2},
    {kRFill, ctl::kResFill},
    {kRLm, ctl::kResLm},
    {kRLmUnit, ctl::kResLmUnit},
    {kRLr, ctl::kResLr},
    {kRLrUnit, ctl::kResLrUnit},
    {kRLtot, ctl::kResLtot},
    {kRLtotUnit, ctl::kResLtotUnit},
    {kRKLact, ctl::kResKLact},
    {kRCr, ctl::kResCr},
    {kRFCtl, ctl::kResFCtl},
    {kRFMin, ctl::kResFMin},
    {kRFMax, ctl::kResFMax},
    {kRQmax, ctl::kResQmax},
    {kRSkin, ctl::kResSkin},
}};

// One row of the results group with its controls: the label, the value
// control, and the unit, a fixed text or (unitId not 0) the unit control
// that the calculation fills.
struct ResultRowDef {
    std::u16string_view label;
    int valueId;
    std::u16string_view unit;
    int unitId;
};

namespace detail {
constexpr std::array<ResultRowDef, kResultRows.size()> MakeResultRowDefs() {
    std::array<ResultRowDef, kResultRows.size()> out{};
    for (size_t i = 0; i < kResultRows.size(); ++i) {
        const ResultRow& r = kResultRows[i];
        out[i] = {r.label, kResultFields[r.value].controlId, r.unit,
                  r.unitField == kResultFieldCount ? 0 : kResultFields[r.unitField].controlId};
    }
    return out;
}
}  // namespace detail

inline constexpr std::array<ResultRowDef, kResultRows.size()> kResultRowDefs =
    detail::MakeResultRowDefs();

// The row of a value control.
constexpr const ResultRowDef& ResultRowOf(int valueId) {
    for (const ResultRowDef& row : kResultRowDefs) {
        if (row.valueId == valueId) return row;
    }
    return kResultRowDefs[0];  // every value control has a row; never reached
}

}  // namespace kelvara
