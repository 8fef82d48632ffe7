// The texts of the messages that the program shows besides the calculation's
// own, in Russian; a message with values inside is one template with the
// places {1}, {2}, … (see refdata/i18n.h).
#pragma once

#include <string_view>

#include "refdata/i18n.h"

namespace kelvara::msg {

// {1}: the data root, with its trailing separator.
inline constexpr std::u16string_view kWireMissing =
    KELVARA_TR_NOOP(u"В папке {1} отсутствует файл \"Wire.txt\".\nДо свидания!");
inline constexpr std::u16string_view kNoMaterials = KELVARA_TR_NOOP(
    u"В папке \"Ferrites_Materials\" отсутствуют все файлы материалов.\nДо свидания!");
inline constexpr std::u16string_view kNoCoreFile =
    KELVARA_TR_NOOP(u"В папке \"Bases_Cores\" отсутствует файл \"FerritesCores.txt\"");
// {1}: the material's name.
inline constexpr std::u16string_view kMaterialUnreadable =
    KELVARA_TR_NOOP(u"Не удалось прочитать файл материала \"{1}.txt\".");
inline constexpr std::u16string_view kSettingsUnreadable = KELVARA_TR_NOOP(
    u"Не удалось прочитать файл \"Kelvara.ini\". Используются исходные данные по умолчанию.");
// {1}: the core named, {2}: the core selected instead.
inline constexpr std::u16string_view kCoreNotFound =
    KELVARA_TR_NOOP(u"Сердечник \"{1}\" не найден в базе; выбран \"{2}\".");
// {1}: the material named, {2}: the material selected instead.
inline constexpr std::u16string_view kMaterialNotFound =
    KELVARA_TR_NOOP(u"Материал \"{1}\" не найден; выбран \"{2}\".");
// {1}: the file.
inline constexpr std::u16string_view kNotADesign =
    KELVARA_TR_NOOP(u"Файл \"{1}\" не является файлом проекта.");
// Said while the results on show belong to earlier inputs.
inline constexpr std::u16string_view kResultsStale =
    KELVARA_TR_NOOP(u"Результаты не соответствуют исходным данным — нажмите «Рассчитать»");
// {1}: the file.
inline constexpr std::u16string_view kWriteFailed =
    KELVARA_TR_NOOP(u"Не удалось записать файл \"{1}\".");
// {1}: the data root, {2}: the file, {3}: the system's reason.
inline constexpr std::u16string_view kUserRootFailed =
    KELVARA_TR_NOOP(u"Не удалось подготовить папку данных \"{1}\".\nНе записан \"{2}\": {3}");
// {1}: the file.
inline constexpr std::u16string_view kDesignUnreadable =
    KELVARA_TR_NOOP(u"Не удалось открыть файл проекта \"{1}\".");

}  // namespace kelvara::msg
