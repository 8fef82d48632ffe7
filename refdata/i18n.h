// The languages of the texts the program shows. Every text is written in
// Russian where it is made; in English the catalogue gives its translation,
// looked up by the Russian text itself. A text with values inside is one
// template with the places {1}, {2}, … for them, so that each language puts
// them where its words need them. Numbers are never translated: they keep the
// C locale and the decimal point in both languages.
#pragma once

#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>

#include "refdata/text.h"

// Marks a Russian text for translation where it stands in a table; Tr()
// translates it where it is shown.
#define KELVARA_TR_NOOP(text) text

namespace kelvara {

enum class Language : int { Russian = 0, English = 1 };

// The language of the whole process (Russian until set).
void SetLanguage(Language language);
Language CurrentLanguage();
// "ru", "en"; nothing for another name.
std::optional<Language> LanguageNamed(std::string_view name);

// The text in the current language: the Russian text itself, or its English
// entry (a text the catalogue lacks stays Russian; a test keeps that from
// happening).
Text Tr(TextView russian);
// The same in a given language.
Text TrIn(Language language, TextView russian);
// A template with {1} … {9} translated, then its places filled with the
// values in order.
Text TrFormat(TextView russianTemplate, std::initializer_list<TextView> values);
// Fills the places of a template (already in its language).
Text FillTemplate(TextView templateText, std::initializer_list<TextView> values);

// The English catalogue: every Russian text the program shows outside its
// Qt windows, with its English translation.
struct CatalogueEntry {
    std::u16string_view ru;
    std::u16string_view en;
};
std::span<const CatalogueEntry> EnglishCatalogue();

}  // namespace kelvara
