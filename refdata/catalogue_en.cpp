// The English catalogue: every Russian text the program shows outside its Qt
// windows, with its English translation, as an English-speaking
// power-electronics engineer reads it. Keyed by the Russian text exactly as
// the code writes it; the places {1}, {2}, … are the values the text holds.
// scripts/check_translations.py keeps it complete and free of stale entries.
#include "refdata/i18n.h"

namespace kelvara {

namespace {

constexpr CatalogueEntry kEntries[] = {
    {u"Внимание!", u"Warning!"},
};

}  // namespace

std::span<const CatalogueEntry> EnglishCatalogue() {
    return kEntries;
}

}  // namespace kelvara
