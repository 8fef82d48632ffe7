// The inputs that only the design check uses, as "Проверка проекта" shows
// them below its table: the half bridge's dead time and output capacitance,
// the litz of each winding, and whether the primary is wound around the
// secondary. Each is a later design-file key; CKelvaraDlg::LaterInput and
// OnLaterInputs read and set them.
#pragma once

#include <string_view>

#include "refdata/i18n.h"

namespace kelvara {

struct CheckInputDef {
    std::u16string_view key;
    std::u16string_view label;  // beside the field
    int row, column;            // in a grid of label-field pairs
};

inline constexpr CheckInputDef kCheckInputs[] = {
    {u"tdead", KELVARA_TR_NOOP(u"Мертвое время td, нс"), 0, 0},
    {u"coss", KELVARA_TR_NOOP(u"Coss транзистора, пФ"), 1, 0},
    {u"litz1d", KELVARA_TR_NOOP(u"Литцендрат первичной: жила, мм"), 0, 2},
    {u"litz1n", KELVARA_TR_NOOP(u"число жил"), 0, 4},
    {u"litz2d", KELVARA_TR_NOOP(u"Литцендрат вторичной: жила, мм"), 1, 2},
    {u"litz2n", KELVARA_TR_NOOP(u"число жил"), 1, 4},
};

// The checkbox of the winding order (key "inter", 1 when checked), and the
// button that calculates again with the fields.
inline constexpr std::u16string_view kCheckInterKey = u"inter";
inline constexpr std::u16string_view kCheckInterLabel =
    KELVARA_TR_NOOP(u"Первичная по обе стороны вторичной (П-В-П)");
inline constexpr std::u16string_view kCheckInputsTitle =
    KELVARA_TR_NOOP(u"Полумост и обмотки (для проверки)");
inline constexpr std::u16string_view kCheckWindingTitle =
    KELVARA_TR_NOOP(u"Обмотки на каркасе (в масштабе)");
inline constexpr std::u16string_view kCheckRecalculate = KELVARA_TR_NOOP(u"Пересчитать");

}  // namespace kelvara
