// The language of the interface: Russian or English, chosen in the menu
// "Язык / Language", remembered in the per-user settings (never in a design
// file) and applied at once: to the texts of the toolkit-free layers and to
// the Qt windows' own texts (Qt Linguist, ":/i18n/kelvara_en.qm").
#pragma once

#include "window/text.h"

class QApplication;

namespace kelvara::ui {

// The language the settings remember; Russian when they say nothing.
Language StoredLanguage();
void StoreLanguage(Language language);

// Makes `language` the language of every text shown from now on.
void ApplyLanguage(Language language);

}  // namespace kelvara::ui
