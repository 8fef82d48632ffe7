#include "window/main_window_layout.h"

#include "kelvara/version.h"
#include "refdata/i18n.h"
#include "window/controls.h"

namespace kelvara {

namespace {

using K = ControlKind;

// Input rows: a label one unit below its edit (at x 18), the edit at x 140.
// Labels are the fields' own, from the field table.
constexpr ControlDef InputLabel(int editId, int editY, int drop = 1) {
    return {kNoId, K::Label, FieldLabelOf(editId), 18, editY + drop, 122, 8};
}
constexpr ControlDef InputEdit(int id, int y, int x = 140) {
    return {id, K::Edit, u"", x, y, 26, 12};
}

// Results rows: label at x 236, value ending at x 446, unit at x 448.
constexpr ControlDef ResultLabel(int valueId, int y) {
    return {kNoId, K::Label, ResultRowOf(valueId).label, 236, y, 160, 8};
}
constexpr ControlDef ResultValue(int id, int y) {
    return {id, K::Value, u"", 396, y, 50, 8};
}
// The unit of a value: a fixed text, or the unit control the calculation fills.
constexpr ControlDef ResultUnit(int valueId, int y) {
    const ResultRowDef& row = ResultRowOf(valueId);
    return {row.unitId != 0 ? row.unitId : kNoId, K::Label, row.unit, 448, y, 16, 8};
}

// Core data rows: label at x 488, edit at x 618, unit at x 650.
constexpr ControlDef CoreDataLabel(int editId, int y) {
    return {kNoId, K::Label, FieldLabelOf(editId), 488, y + 2, 128, 8};
}
constexpr ControlDef CoreDataEdit(int id, int y) {
    return {id, K::Edit, u"", 618, y, 30, 12};
}
constexpr ControlDef CoreDataUnit(std::u16string_view text, int y) {
    return {kNoId, K::Label, text, 650, y + 2, 20, 8};
}

// Dimension columns: head at y 136, edit at y 144.
constexpr ControlDef DimHead(int editId, int x) {
    return {kNoId, K::LabelCentre, FieldLabelOf(editId), x, 136, 24, 8};
}
constexpr ControlDef DimEdit(int id, int x) {
    return {id, K::Edit, u"", x, 144, 24, 12};
}

constexpr ControlDef kControls[] = {
    // Group boxes first, so that every other control lies above them.
    {kNoId, K::GroupBox, KELVARA_TR_NOOP(u"Входные данные"), 8, 3, 212, 295},
    {kNoId, K::GroupBox, KELVARA_TR_NOOP(u"Результаты расчета"), 226, 45, 246, 253},
    {kNoId, K::GroupBox, KELVARA_TR_NOOP(u"Сердечник"), 478, 3, 194, 313},

    // Inputs column.
    InputLabel(ctl::kBm, 14),
    InputEdit(ctl::kBm, 14),
    InputLabel(ctl::kFr, 27),
    InputEdit(ctl::kFr, 27),
    InputLabel(ctl::kKL, 40),
    InputEdit(ctl::kKL, 40),
    InputLabel(ctl::kQ, 53),
    InputEdit(ctl::kQ, 53),
    InputLabel(ctl::kRds, 66),
    InputEdit(ctl::kRds, 66),
    InputLabel(ctl::kUnas, 79),
    InputEdit(ctl::kUnas, 79),
    {ctl::kRadioUnas, K::Radio, KELVARA_TR_NOOP(u"Uнас."), 172, 79, 35, 10, kGroupStart},
    {ctl::kRadioRds, K::Radio, u"Rds(on)", 172, 66, 41, 10},
    InputLabel(ctl::kKo, 92),
    InputEdit(ctl::kKo, 92),
    InputLabel(ctl::kJ, 105),
    InputEdit(ctl::kJ, 105),
    InputLabel(ctl::kUmin, 118),
    InputEdit(ctl::kUmin, 118),
    InputEdit(ctl::kUmax, 118, 166),
    {ctl::kRadioDC, K::Radio, KELVARA_TR_NOOP(u"Постоянное (DC)"), 52, 136, 70, 10, kGroupStart},
    {ctl::kRadioAC, K::Radio, KELVARA_TR_NOOP(u"Сетевое (AC)"), 132, 136, 58, 10},
    {kNoId, K::LabelCentre, KELVARA_TR_NOOP(u"Выходные характеристики преобразователя"), 34, 160,
     160, 8},
    InputLabel(ctl::kU2_1, 176),
    InputEdit(ctl::kU2_1, 176),
    InputLabel(ctl::kI2_1, 189),
    InputEdit(ctl::kI2_1, 189),
    InputLabel(ctl::kUd, 202),
    InputEdit(ctl::kUd, 202),
    {kNoId, K::Label, KELVARA_TR_NOOP(u"Выпрямление:"), 18, 236, 60, 8},
    {kNoId, K::Label, KELVARA_TR_NOOP(u"Однополярн. со средней точкой"), 82, 217, 60, 16},
    {kNoId, K::Label, KELVARA_TR_NOOP(u"Двухполярн. со средней точкой"), 82, 233, 60, 16},
    {kNoId, K::Label, KELVARA_TR_NOOP(u"Мостовое"), 82, 253, 50, 10},
    {ctl::kVypr0, K::Radio, u"", 148, 220, 10, 10, kGroupStart},
    {ctl::kVypr1, K::Radio, u"", 148, 236, 10, 10},
    {ctl::kVypr2, K::Radio, u"", 148, 252, 10, 10},
    InputLabel(ctl::kD11, 267, 2),
    InputEdit(ctl::kD11, 267),
    InputEdit(ctl::kD21, 267, 166),
    {ctl::kYesD, K::CheckBox, FieldLabelOf(ctl::kYesD), 64, 284, 140, 10},

    // Gap or AL, above the results group.
    {ctl::kRadioGap, K::Radio, kGapRadioLabel, 236, 8, 180, 8, kGroupStart},
    {ctl::kRadioAL, K::Radio, kALRadioLabel, 236, 19, 180, 8},
    {ctl::kZazor, K::Edit, u"", 422, 11, 30, 12},
    {ctl::kGapLabel, K::Label, kGapReqLabel, 236, 32, 180, 8},
    {ctl::kResGapReq, K::Value, u"", 422, 32, 24, 8},
    {ctl::kGapUnit, K::Label, KELVARA_TR_NOOP(u"мм"), 448, 32, 16, 8},

    // Results group.
    ResultLabel(ctl::kResAL, 56),
    ResultValue(ctl::kResAL, 56),
    ResultLabel(ctl::kResBmAct, 64),
    ResultValue(ctl::kResBmAct, 64),
    ResultUnit(ctl::kResBmAct, 64),
    ResultLabel(ctl::kResLossW, 72),
    ResultValue(ctl::kResLossW, 72),
    ResultUnit(ctl::kResLossW, 72),
    ResultLabel(ctl::kResPgab, 88),
    ResultValue(ctl::kResPgab, 88),
    ResultUnit(ctl::kResPgab, 88),
    ResultLabel(ctl::kResPload, 96),
    ResultValue(ctl::kResPload, 96),
    ResultUnit(ctl::kResPload, 96),
    ResultLabel(ctl::kResN1, 112),
    ResultValue(ctl::kResN1, 112),
    ResultLabel(ctl::kResWire1, 120),
    ResultValue(ctl::kResWire1, 120),
    ResultLabel(ctl::kResN2, 136),
    ResultValue(ctl::kResN2, 136),
    ResultLabel(ctl::kResWire2, 144),
    ResultValue(ctl::kResWire2, 144),
    ResultLabel(ctl::kResFill, 160),
    ResultValue(ctl::kResFill, 160),
    ResultLabel(ctl::kResLm, 176),
    ResultValue(ctl::kResLm, 176),
    ResultUnit(ctl::kResLm, 176),
    ResultLabel(ctl::kResLr, 184),
    ResultValue(ctl::kResLr, 184),
    ResultUnit(ctl::kResLr, 184),
    ResultLabel(ctl::kResLtot, 192),
    ResultValue(ctl::kResLtot, 192),
    ResultUnit(ctl::kResLtot, 192),
    ResultLabel(ctl::kResKLact, 200),
    ResultValue(ctl::kResKLact, 200),
    ResultLabel(ctl::kResCr, 216),
    ResultValue(ctl::kResCr, 216),
    ResultUnit(ctl::kResCr, 216),
    ResultLabel(ctl::kResFCtl, 232),
    ResultValue(ctl::kResFCtl, 232),
    ResultUnit(ctl::kResFCtl, 232),
    ResultLabel(ctl::kResFMin, 240),
    ResultValue(ctl::kResFMin, 240),
    ResultUnit(ctl::kResFMin, 240),
    ResultLabel(ctl::kResFMax, 248),
    ResultValue(ctl::kResFMax, 248),
    ResultUnit(ctl::kResFMax, 248),
    ResultLabel(ctl::kResQmax, 264),
    ResultValue(ctl::kResQmax, 264),
    ResultLabel(ctl::kResSkin, 280),
    ResultValue(ctl::kResSkin, 280),
    ResultUnit(ctl::kResSkin, 280),

    // Core group.
    {ctl::kCoreList, K::ComboBox, u"", 504, 15, 142, 14},
    {kNoId, K::LabelRight, FieldLabelOf(ctl::kMaterialList), 500, 33, 40, 8},
    {ctl::kMaterialList, K::ComboBox, u"", 546, 32, 100, 12},
    {kNoId, K::LabelCentre, FieldLabelOf(ctl::kShapeE), 622, 51, 25, 8},
    {ctl::kShapeE, K::Radio, u"E", 626, 61, 41, 10, kGroupStart},
    {ctl::kShapeEI, K::Radio, KELVARA_TR_NOOP(u"ЕI"), 626, 72, 41, 10},
    {ctl::kShapeER, K::Radio, u"ER", 626, 83, 41, 10},
    {ctl::kShapeETD, K::Radio, u"ETD", 626, 94, 41, 10},
    {ctl::kShapeOther, K::Radio, KELVARA_TR_NOOP(u"Другая"), 626, 105, 41, 10},
    {kNoId, K::LabelCentre, KELVARA_TR_NOOP(u"Размеры сердечника:"), 537, 128, 80, 8},
    DimHead(ctl::kDimA, 490),
    DimHead(ctl::kDimB, 514),
    DimHead(ctl::kDimC, 538),
    DimHead(ctl::kDimD, 562),
    DimHead(ctl::kDimH, 586),
    DimHead(ctl::kDimh, 610),
    DimHead(ctl::kDimI, 634),
    DimEdit(ctl::kDimA, 490),
    DimEdit(ctl::kDimB, 514),
    DimEdit(ctl::kDimC, 538),
    DimEdit(ctl::kDimD, 562),
    DimEdit(ctl::kDimH, 586),
    DimEdit(ctl::kDimh, 610),
    DimEdit(ctl::kDimI, 634),
    {kNoId, K::LabelCentre, KELVARA_TR_NOOP(u"Данные сердечника:"), 509, 163, 140, 8},
    CoreDataLabel(ctl::kMu, 176),
    CoreDataEdit(ctl::kMu, 176),
    CoreDataLabel(ctl::kLe, 192),
    CoreDataEdit(ctl::kLe, 192),
    CoreDataUnit(KELVARA_TR_NOOP(u"мм"), 192),
    CoreDataLabel(ctl::kAe, 208),
    CoreDataEdit(ctl::kAe, 208),
    CoreDataUnit(KELVARA_TR_NOOP(u"мм2"), 208),
    CoreDataLabel(ctl::kAn, 224),
    CoreDataEdit(ctl::kAn, 224),
    CoreDataUnit(KELVARA_TR_NOOP(u"мм2"), 224),
    CoreDataLabel(ctl::kVe, 240),
    CoreDataEdit(ctl::kVe, 240),
    CoreDataUnit(KELVARA_TR_NOOP(u"см3"), 240),
    {ctl::kAddBySize, K::CheckBox, FieldLabelOf(ctl::kAddBySize), 500, 264, 160, 8},
    {ctl::kAddByData, K::CheckBox, FieldLabelOf(ctl::kAddByData), 500, 280, 160, 8},
    {ctl::kAddCore, K::Button, KELVARA_TR_NOOP(u"Добавить сердечник в базу"), 516, 296, 118, 16},

    // Bottom row.
    {ctl::kLoad, K::Button, KELVARA_TR_NOOP(u"Загрузить"), 57, 300, 50, 16},
    {ctl::kSave, K::Button, KELVARA_TR_NOOP(u"Сохранить"), 164, 300, 50, 16},
    {ctl::kCalculate, K::Button, KELVARA_TR_NOOP(u"Рассчитать"), 271, 300, 50, 16, kDefault},
    {ctl::kExit, K::Button, KELVARA_TR_NOOP(u"Выход"), 378, 300, 50, 16},
};

}  // namespace

std::span<const ControlDef> MainWindowControls() {
    return kControls;
}

std::u16string_view ShapePictureName(int shape, int addBySize) {
    const bool dims = addBySize == 1;
    switch (shape) {
        case 0:
            return dims ? u"core_e_dims" : u"core_e";
        case 1:
            return dims ? u"core_ei_dims" : u"core_ei";
        case 2:
        case 3:
            return dims ? u"core_round_dims" : u"core_round";
        case 4:
            return u"core_other";
        default:
            return {};
    }
}

Text MainWindowCaption() {
    return TrFormat(
        u"Kelvara - Расчет резонансных цепей резонансного полумостового преобразователя "
        u"(Версия {1})",
        {kProgramVersion});
}

}  // namespace kelvara
