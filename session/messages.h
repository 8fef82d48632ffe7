// The texts of the messages that the program shows besides the calculation's own.
#pragma once

#include <string_view>

namespace kelvara::msg {

inline constexpr std::u16string_view kWireMissingBefore = u"В папке ";
inline constexpr std::u16string_view kWireMissingAfter =
    u" отсутствует файл \"Wire.txt\".\nДо свидания!";
inline constexpr std::u16string_view kNoMaterials =
    u"В папке \"Ferrites_Materials\" отсутствуют все файлы материалов.\nДо свидания!";
inline constexpr std::u16string_view kNoCoreFile =
    u"В папке \"Bases_Cores\" отсутствует файл \"FerritesCores.txt\"";
// "Не удалось прочитать файл материала "<name>.txt"."
inline constexpr std::u16string_view kMaterialUnreadableBefore =
    u"Не удалось прочитать файл материала \"";
inline constexpr std::u16string_view kMaterialUnreadableAfter = u".txt\".";
inline constexpr std::u16string_view kSettingsUnreadable =
    u"Не удалось прочитать файл \"Kelvara.ini\". Используются исходные данные по умолчанию.";
// "Сердечник "<name>" не найден в базе; выбран "<selected>"."
inline constexpr std::u16string_view kCoreNotFoundBefore = u"Сердечник \"";
inline constexpr std::u16string_view kCoreNotFoundMiddle = u"\" не найден в базе; выбран \"";
// "Материал "<name>" не найден; выбран "<selected>"."
inline constexpr std::u16string_view kMaterialNotFoundBefore = u"Материал \"";
inline constexpr std::u16string_view kMaterialNotFoundMiddle = u"\" не найден; выбран \"";
inline constexpr std::u16string_view kNotFoundAfter = u"\".";
// "Файл "<name>" не является файлом проекта."
inline constexpr std::u16string_view kNotADesignBefore = u"Файл \"";
inline constexpr std::u16string_view kNotADesignAfter = u"\" не является файлом проекта.";
// Said while the results on show belong to earlier inputs.
inline constexpr std::u16string_view kResultsStale =
    u"Результаты не соответствуют исходным данным — нажмите «Рассчитать»";
// "Не удалось записать файл "<name>"."
inline constexpr std::u16string_view kWriteFailedBefore = u"Не удалось записать файл \"";
inline constexpr std::u16string_view kWriteFailedAfter = u"\".";
// "Не удалось подготовить папку данных "<root>".\nНе записан "<file>": <reason>"
inline constexpr std::u16string_view kUserRootFailedBefore =
    u"Не удалось подготовить папку данных \"";
inline constexpr std::u16string_view kUserRootFailedMiddle = u"\".\nНе записан \"";
inline constexpr std::u16string_view kUserRootFailedAfter = u"\": ";
// "Не удалось открыть файл проекта "<name>"."
inline constexpr std::u16string_view kDesignUnreadableBefore =
    u"Не удалось открыть файл проекта \"";
inline constexpr std::u16string_view kDesignUnreadableAfter = u"\".";

}  // namespace kelvara::msg
