// The record of everything the user states about one design, and the one
// table of its fields (key, kind, control ids, default) that the window, the
// design files and the tests share.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "refdata/text.h"

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
inline constexpr int kCmdTransfer = 32773, kCmdHelp = 57670, kCmdCircuit = 32771, kCmdAbout = 57664;
}  // namespace ctl

struct DesignInputs {
    // Stored in design files, in file order.
    Text core = u"E 40/16/12";
    Text mater = u"N87 Epcos";
    Text zazor = u"0.5";
    int32_t yes_al = 0;
    Text Fr = u"100";
    Text Bm = u"0,12";
    Text kL = u"5";
    Text Q;
    Text Rds = u"0,85";
    Text Unas = u"1";
    int32_t rds = 1;
    Text ko = u"0,3";
    Text j = u"5";
    Text Umin = u"260";
    Text Umax = u"330";
    int32_t setevoe = 0;
    Text U2_1 = u"24";
    Text I2_1 = u"9";
    Text Ud = u"0,8";
    int32_t vypr = 0;
    Text d11 = u"0,63";
    Text d21 = u"0,63";
    int32_t yes_d = 0;

    // Core group, not stored in design files.
    int32_t shape = 3;
    Text A, B, C, D, H, h, I;
    Text mu, le, Ae, An, Ve;
    int32_t add_by_size = 0;
    int32_t add_by_data = 0;
    int32_t coreIndex = 0;  // selected entry of the core list; not shown
};

enum class FieldKind { Text, Choice, Flag };

struct FieldDef {
    std::u16string_view key;  // design-file key (the field's name)
    FieldKind kind;
    Text DesignInputs::*text = nullptr;       // text fields
    int32_t DesignInputs::*number = nullptr;  // choice and flag fields
    std::array<int, 5> controls{};            // the edit, the checkbox, or the group's buttons
    int controlCount = 0;
    int32_t fallback = 0;       // default of a choice or flag (taken for invalid values)
    std::u16string_view label;  // label shown beside the field
};

// The 23 fields of a design file, in file order.
extern const std::array<FieldDef, 23> kDesignFileFields;
// The core group's fields that design files do not store (coreIndex has no control).
extern const std::array<FieldDef, 15> kCoreGroupFields;

// Labels of the two gap/AL radio buttons and of the results row they switch.
inline constexpr std::u16string_view kGapRadioLabel = u"Величина немагнитного зазора, мм";
inline constexpr std::u16string_view kALRadioLabel = u"Индуктивность сердечника (AL), нГн/виток^2";
inline constexpr std::u16string_view kGapReqLabel = u"Требуемый немагнитный зазор, не менее";
inline constexpr std::u16string_view kALReqLabel = u"Требуемая величина AL, не более";

// Number of buttons of a choice field (1 for flags).
int32_t ChoiceCount(const FieldDef& f);

// A choice that names none of its buttons, or a flag other than 0 or 1, takes
// its default.
void NormaliseChoices(DesignInputs& in);

// Reads a text field as a number: every "," in the field itself becomes ".",
// then the longest leading decimal number is read (0 when there is none).
double ToNumber(Text& field);
// The same for Q: an empty Q first becomes "0.4".
double ToNumberQ(Text& field);

}  // namespace kelvara
