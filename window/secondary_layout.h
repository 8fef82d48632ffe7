// The secondary windows in dialog units of their font: the transfer
// characteristic, help, the typical circuit and the about box, with their
// captions and button texts.
#pragma once

#include <string_view>

#include "refdata/i18n.h"
#include "window/layout.h"

namespace kelvara {

// "Передаточная характеристика". Below the picture, in a strip 50 pixels
// high, the close button and the two exports.
namespace transfer {
inline constexpr std::u16string_view kCaption = KELVARA_TR_NOOP(u"Передаточная характеристика");
inline constexpr int kWidth = 680, kHeight = 336;
inline constexpr int kButtonStripPixels = 50;
inline constexpr DluRect kOk{315, 312, 49, 16};
inline constexpr std::u16string_view kOkText = u"OK";
inline constexpr DluRect kSaveImage{8, 312, 110, 16};
inline constexpr std::u16string_view kSaveImageText = KELVARA_TR_NOOP(u"Сохранить изображение...");
inline constexpr DluRect kExportCsv{124, 312, 70, 16};
inline constexpr std::u16string_view kExportCsvText = KELVARA_TR_NOOP(u"Экспорт CSV...");
// The names the two exports suggest.
inline constexpr std::u16string_view kImageName =
    KELVARA_TR_NOOP(u"Передаточная характеристика.png");
inline constexpr std::u16string_view kCsvName = KELVARA_TR_NOOP(u"Передаточная характеристика.csv");
}  // namespace transfer

// "Помощь": the text of "ReadMe.txt" in a read-only edit (control 1007).
namespace help {
inline constexpr std::u16string_view kCaption = KELVARA_TR_NOOP(u"Помощь");
inline constexpr int kWidth = 400, kHeight = 330;
inline constexpr int kEditId = 1007;
inline constexpr DluRect kEdit{7, 7, 386, 289};
inline constexpr DluRect kOk{175, 309, 50, 14};
inline constexpr std::u16string_view kOkText = KELVARA_TR_NOOP(u"ОК");  // Cyrillic letters
}  // namespace help

// "Типовая схема резонансного полумостового преобразователя".
namespace circuit {
inline constexpr std::u16string_view kCaption =
    KELVARA_TR_NOOP(u"Типовая схема резонансного полумостового преобразователя");
inline constexpr int kWidth = 400, kHeight = 220;
// The picture at its own size, never stretched, centred in this area.
inline constexpr DluRect kPicture{80, 20, 243, 169};
inline constexpr DluRect kOk{175, 199, 50, 14};
inline constexpr std::u16string_view kOkText = KELVARA_TR_NOOP(u"ОК");  // Cyrillic letters
}  // namespace circuit

// "О программе".
namespace about {
inline constexpr std::u16string_view kCaption = KELVARA_TR_NOOP(u"О программе");
inline constexpr int kWidth = 280, kHeight = 168;
inline constexpr int kIconX = 11, kIconY = 17;
inline constexpr int kIconPixels = 32;
inline constexpr DluRect kTitle{45, 10, 190, 16};
inline constexpr std::u16string_view kTitleText = KELVARA_TR_NOOP(
    u"Kelvara - Расчет трансформатора и резонансных цепей резонансного полумостового "
    u"преобразователя");
// " Версия " and the program's version.
inline constexpr DluRect kVersion{120, 35, 40, 8};
inline constexpr std::u16string_view kVersionPrefix = KELVARA_TR_NOOP(u" Версия ");
inline constexpr DluRect kDate{120, 50, 40, 8};
inline constexpr std::u16string_view kDateText = u"06.10.25";
inline constexpr DluRect kOk{115, 145, 50, 16};
inline constexpr std::u16string_view kOkText = u"OK";  // Latin letters
}  // namespace about

}  // namespace kelvara
