// The texts of the calculation's messages and of the input check.
#pragma once

#include <string_view>

#include "refdata/i18n.h"

namespace kelvara::msg {

inline constexpr std::u16string_view kTransistorDrop = KELVARA_TR_NOOP(
    u"Падение на транзисторах слишком велико.\nНеправильно выбраны транзисторы.\n"
    u"Велико сопротивление канала\nили напряжение насыщения.");
inline constexpr std::u16string_view kNoMinFrequency = KELVARA_TR_NOOP(
    u"Усиление при минимальном напряжении питания недостаточно.\n"
    u"Не удалось посчитать минимальную рабочую частоту.");
inline constexpr std::u16string_view kNoMaxFrequency = KELVARA_TR_NOOP(
    u"Усиление при максимальном напряжении питания недостаточно.\n"
    u"Не удалось посчитать максимальную рабочую частоту.");
inline constexpr std::u16string_view kNoLossData = KELVARA_TR_NOOP(
    u"При заданной амплитуде индукции частотные потери в сердечнике слишком велики.\n"
    u"Не удалось посчитать мощность потерь, так как нет данных.");
inline constexpr std::u16string_view kALAdjusted = KELVARA_TR_NOOP(
    u"Заданная величина индуктивности сердечника велика.\n"
    u"Величина индуктивности сердечника установлена равной максимальному требуемому значению.");
inline constexpr std::u16string_view kGapAdjusted = KELVARA_TR_NOOP(
    u"Заданная величина зазора не достаточна.\n"
    u"Величина зазора установлена равной минимальному требуемому значению.");
inline constexpr std::u16string_view kFillTooHigh = KELVARA_TR_NOOP(
    u"Коэффициент заполнения окна больше 0,3.\n"
    u"Просчитайте размещаемость обмотки или выберите сердечник большего размера.");

// {1}: the field's label.
inline constexpr std::u16string_view kInvalidValue =
    KELVARA_TR_NOOP(u"Недопустимое значение: {1}.");
// {1}: the diameter typed, {2}: the standard one taken, mm.
inline constexpr std::u16string_view kWireReplaced = KELVARA_TR_NOOP(
    u"Указанный желаемый диаметр {1} мм заменен на ближайший стандартный диаметр {2} мм");

// Labels of the core and material numbers in the input check.
inline constexpr std::u16string_view kLabelAe = KELVARA_TR_NOOP(u"Площадь сечения сердечника, Ae");
inline constexpr std::u16string_view kLabelAn = KELVARA_TR_NOOP(u"Площадь окна сердечника, An");
inline constexpr std::u16string_view kLabelLe =
    KELVARA_TR_NOOP(u"Длина средней линии сердечника, le");
inline constexpr std::u16string_view kLabelCoreMu = KELVARA_TR_NOOP(u"Эффективная проницаемость");
inline constexpr std::u16string_view kLabelMaterialMu =
    KELVARA_TR_NOOP(u"Магнитная проницаемость материала");

// Unit texts of the inductances.
inline constexpr std::u16string_view kMicroHenry = KELVARA_TR_NOOP(u"мкГн");
inline constexpr std::u16string_view kMilliHenry = KELVARA_TR_NOOP(u"мГн");

}  // namespace kelvara::msg
