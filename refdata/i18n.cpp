#include "refdata/i18n.h"

#include <atomic>
#include <unordered_map>

namespace kelvara {

namespace {

std::atomic<int> gLanguage{static_cast<int>(Language::Russian)};

const std::unordered_map<std::u16string_view, std::u16string_view>& English() {
    static const auto* map = [] {
        auto* m = new std::unordered_map<std::u16string_view, std::u16string_view>;
        for (const CatalogueEntry& e : EnglishCatalogue()) m->emplace(e.ru, e.en);
        return m;
    }();
    return *map;
}

}  // namespace

void SetLanguage(Language language) {
    gLanguage = static_cast<int>(language);
}

Language CurrentLanguage() {
    return static_cast<Language>(gLanguage.load());
}

std::optional<Language> LanguageNamed(std::string_view name) {
    if (name == "ru") return Language::Russian;
    if (name == "en") return Language::English;
    return std::nullopt;
}

Text TrIn(Language language, TextView russian) {
    if (language == Language::English) {
        const auto it = English().find(russian);
        if (it != English().end()) return Text(it->second);
    }
    return Text(russian);
}

Text Tr(TextView russian) {
    return TrIn(CurrentLanguage(), russian);
}

Text FillTemplate(TextView t, std::initializer_list<TextView> values) {
    Text out;
    out.reserve(t.size() + 16);
    for (size_t i = 0; i < t.size(); ++i) {
        // {k} with one digit 1…9 names the k-th value; anything else stays.
        if (t[i] == u'{' && i + 2 < t.size() && t[i + 2] == u'}' && t[i + 1] >= u'1' &&
            t[i + 1] <= u'9') {
            const size_t k = static_cast<size_t>(t[i + 1] - u'1');
            if (k < values.size()) {
                out.append(*(values.begin() + k));
                i += 2;
                continue;
            }
        }
        out.push_back(t[i]);
    }
    return out;
}

Text TrFormat(TextView russianTemplate, std::initializer_list<TextView> values) {
    return FillTemplate(Tr(russianTemplate), values);
}

}  // namespace kelvara
