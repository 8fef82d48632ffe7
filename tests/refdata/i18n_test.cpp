// Texts in two languages: the templates' places, the lookup by the Russian
// text, the process language, and the catalogue's own consistency.
#include "refdata/i18n.h"

#include <gtest/gtest.h>

#include <set>

namespace kelvara {
namespace {

struct FillCase {
    const char* name;
    Text templateText;
    std::vector<Text> values;
    Text want;
};

class Fill : public ::testing::TestWithParam<FillCase> {};

TEST_P(Fill, PutsEachValueInItsPlace) {
    const FillCase& c = GetParam();
    std::vector<TextView> views(c.values.begin(), c.values.end());
    Text got;
    switch (views.size()) {
        case 0:
            got = FillTemplate(c.templateText, {});
            break;
        case 1:
            got = FillTemplate(c.templateText, {views[0]});
            break;
        case 2:
            got = FillTemplate(c.templateText, {views[0], views[1]});
            break;
        default:
            got = FillTemplate(c.templateText, {views[0], views[1], views[2]});
    }
    EXPECT_EQ(got, c.want);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Fill,
    ::testing::Values(
        FillCase{"InOrder", u"a {1} b {2}", {u"x", u"y"}, u"a x b y"},
        FillCase{"OtherOrder", u"{2}, then {1}", {u"x", u"y"}, u"y, then x"},
        FillCase{"Twice", u"{1}{1}", {u"ab"}, u"abab"},
        // A value is never read as a template: braces in a file name stay.
        FillCase{"ValueWithPlaces", u"File \"{1}\"", {u"{2}.sav", u"no"}, u"File \"{2}.sav\""},
        // Places without a value, and what only looks like one, stay as written.
        FillCase{"MissingValue", u"{1} {3}", {u"x"}, u"x {3}"},
        FillCase{"NotAPlace", u"{0} {10} {x} {", {u"v"}, u"{0} {10} {x} {"},
        FillCase{"Empty", u"", {u"x"}, u""},
        FillCase{"EmptyValue", u"В папке {1} отсутствует", {u""}, u"В папке  отсутствует"}),
    [](const ::testing::TestParamInfo<FillCase>& info) { return std::string(info.param.name); });

TEST(Language, TheRussianTextIsTheKeyAndTheDefault) {
    EXPECT_EQ(CurrentLanguage(), Language::Russian);
    EXPECT_EQ(Tr(u"Внимание!"), u"Внимание!");
    EXPECT_EQ(TrIn(Language::English, u"Внимание!"), u"Warning!");
    // A text the catalogue lacks stays as it is in either language.
    EXPECT_EQ(TrIn(Language::English, u"нет такого текста"), u"нет такого текста");
    SetLanguage(Language::English);
    EXPECT_EQ(Tr(u"Ошибка!"), u"Error!");
    EXPECT_EQ(TrFormat(u"Материал \"{1}\" не найден; выбран \"{2}\".", {u"n97", u"N87 Epcos"}),
              u"Material \"n97\" not found; \"N87 Epcos\" is selected.");
    SetLanguage(Language::Russian);
    EXPECT_EQ(Tr(u"Ошибка!"), u"Ошибка!");
    EXPECT_EQ(LanguageNamed("en"), Language::English);
    EXPECT_EQ(LanguageNamed("ru"), Language::Russian);
    EXPECT_FALSE(LanguageNamed("de"));
    EXPECT_FALSE(LanguageNamed("EN"));
}

TEST(Catalogue, EveryEntryOnceWithTheSamePlacesAndNoCyrillic) {
    std::set<std::u16string_view> keys;
    for (const CatalogueEntry& e : EnglishCatalogue()) {
        SCOPED_TRACE(ToUtf8(e.ru));
        EXPECT_TRUE(keys.insert(e.ru).second);
        EXPECT_FALSE(e.en.empty());
        for (char16_t c : e.en) EXPECT_FALSE(c >= 0x0400 && c <= 0x04FF);
        for (char16_t k = u'1'; k <= u'9'; ++k) {
            const Text place = Text(u"{") + k + u"}";
            EXPECT_EQ(e.ru.find(place) == Text::npos, e.en.find(place) == Text::npos);
        }
    }
    EXPECT_GT(keys.size(), 200u);
}

}  // namespace
}  // namespace kelvara
