// The texts of the calculation's messages and of the input check.
#pragma once

#include <string_view>

namespace kelvara::msg {

inline constexpr std::u16string_view kTransistorDrop =
    u"Падение на транзисторах слишком велико.\nНеправильно выбраны транзисторы.\n"
    u"Велико сопротивление канала\nили напряжение насыщения.";
inline constexpr std::u16string_view kNoMinFrequency =
    u"Усиление при минимальном напряжении питания недостаточно.\n"
    u"Не удалось посчитать минимальную рабочую частоту.";
inline constexpr std::u16string_view kNoMaxFrequency =
    u"Усиление при максимальном напряжении питания недостаточно.\n"
    u"Не удалось посчитать максимальную рабочую частоту.";
inline constexpr std::u16string_view kNoLossData =
    u"При заданной амплитуде индукции частотные потери в сердечнике слишком велики.\n"
    u"Не удалось посчитать мощность потерь, так как нет данных.";
inline constexpr std::u16string_view kALAdjusted =
    u"Заданная величина индуктивности сердечника велика.\n"
    u"Величина индуктивности сердечника установлена равной максимальному требуемому значению.";
inline constexpr std::u16string_view kGapAdjusted =
    u"Заданная величина зазора не достаточна.\n"
    u"Величина зазора установлена равной минимальному требуемому значению.";
inline constexpr std::u16string_view kFillTooHigh =
    u"Коэффициент заполнения окна больше 0,3.\n"
    u"Просчитайте размещаемость обмотки или выберите сердечник большего размера.";

// "Недопустимое значение: <label>."
inline constexpr std::u16string_view kInvalidValuePrefix = u"Недопустимое значение: ";
inline constexpr std::u16string_view kInvalidValueSuffix = u".";

// Labels of the core and material numbers in the input check.
inline constexpr std::u16string_view kLabelAe = u"Площадь сечения сердечника, Ae";
inline constexpr std::u16string_view kLabelAn = u"Площадь окна сердечника, An";
inline constexpr std::u16string_view kLabelLe = u"Длина средней линии сердечника, le";
inline constexpr std::u16string_view kLabelCoreMu = u"Эффективная проницаемость";
inline constexpr std::u16string_view kLabelMaterialMu = u"Магнитная проницаемость материала";

// Unit texts of the inductances.
inline constexpr std::u16string_view kMicroHenry = u"мкГн";
inline constexpr std::u16string_view kMilliHenry = u"мГн";

}  // namespace kelvara::msg
