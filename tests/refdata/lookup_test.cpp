// The section and key lookups that every reference file is read through.
#include "refdata/lookup.h"

#include <gtest/gtest.h>

#include <ostream>

namespace kelvara {
namespace {

struct SectionCase {
    const char* what;
    Text text;
    Text section;
    Text key;
    Text expected;
};
std::ostream& operator<<(std::ostream& os, const SectionCase& c) {
    return os << c.what;
}

class FindSectionValueTest : public ::testing::TestWithParam<SectionCase> {};

TEST_P(FindSectionValueTest, FindsTheValue) {
    const SectionCase& c = GetParam();
    EXPECT_EQ(ToUtf8(FindSectionValue(c.text, c.section, c.key)), ToUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindSectionValueTest,
    ::testing::Values(
        SectionCase{"plain record", u"[E 25/13/7]\r\nAe = 52,5\r\nle = 57.5\r\n", u"E 25/13/7",
                    u"le", u"57.5"},
        SectionCase{"blanks trimmed, tab ends the value", u"[X]\r\nAe =   52 \t 17\r\n", u"X",
                    u"Ae", u"52"},
        SectionCase{"value up to the end of the text", u"[X]\r\nmu = 2000", u"X", u"mu", u"2000"},
        SectionCase{"no blanks around =", u"[X]\r\nmu=2000\r\n", u"X", u"mu", u"2000"},
        SectionCase{"indented key", u"[X]\r\n \t Ae\t= 7\r\n", u"X", u"Ae", u"7"},
        SectionCase{"LF line ends", u"[X]\nAe = 1\nAn = 2\n", u"X", u"An", u"2"},
        SectionCase{"empty value", u"[X]\r\nAe =\r\nAn = 2\r\n", u"X", u"Ae", u""},
        SectionCase{"inner blanks kept", u"[X]\r\nname = N87 Epcos \r\n", u"X", u"name",
                    u"N87 Epcos"},
        SectionCase{"missing section", u"[X]\r\nAe = 1\r\n", u"Y", u"Ae", u""},
        SectionCase{"missing key", u"[X]\r\nAe = 1\r\n", u"X", u"An", u""},
        SectionCase{"key missing, next record has it",
                    u"[E 20]\r\nAe = 31\r\nAn = 40\r\n\r\n[E 25]\r\nAe = 52\r\nle = 57\r\n",
                    u"E 20", u"le", u""},
        SectionCase{"key only in a later section", u"[A]\r\nx = 1\r\n[B]\r\nAe = 2\r\n", u"A",
                    u"Ae", u""},
        SectionCase{"whole bracketed name before a longer one",
                    u"[E 40/16/12]\r\nAe = 149\r\n\r\n[E 40]\r\nAe = 99\r\n", u"E 40", u"Ae",
                    u"99"},
        SectionCase{"name from the middle of a longer one", u"[EER 28]\r\nAe = 82,1\r\n", u"ER 28",
                    u"Ae", u"82,1"},
        SectionCase{"section without brackets", u"Flux density:\r\nB1 = 100\r\n", u"Flux density",
                    u"B1", u"100"},
        SectionCase{"B1 does not read B10", u"[Flux density]\r\nB10 = 900\r\nB1 = 100\r\n",
                    u"Flux density", u"B1", u"100"},
        SectionCase{"le not found in a comment word",
                    u"[E 25]\r\nAe = 52\r\n; table = sample\r\nle = 57.5\r\n", u"E 25", u"le",
                    u"57.5"},
        SectionCase{"inside a line when no line starts with the key", u"[X]\r\nsize: Ae = 52\r\n",
                    u"X", u"Ae", u"52"},
        SectionCase{"key inside a line beyond the next section",
                    u"[X]\r\nAn = 1\r\n[Y]\r\nsize: Ae = 52\r\n", u"X", u"Ae", u""},
        SectionCase{"key without = reads empty", u"[X]\r\nAe 52\r\nAn = 30\r\n", u"X", u"Ae", u""},
        SectionCase{"key without = at the end", u"[X]\r\nAn = 30\r\nAe", u"X", u"Ae", u""},
        SectionCase{"first occurrence has no = on its line", u"[X]\r\nAe\r\nnote Ae = 5\r\n", u"X",
                    u"Ae", u""},
        SectionCase{"value ends at the first control character",
                    u"[X]\r\nAe = 1\x01"
                    u"2\r\n",
                    u"X", u"Ae", u"1"},
        SectionCase{"cyrillic section and key", u"[Сердечник]\r\nдлина = 57,5\r\n", u"Сердечник",
                    u"длина", u"57,5"}));

TEST(FindKeyValue, FirstLineThatBeginsWithTheKey) {
    const Text text = u"; d1 and d2 are listed below\r\nd10 = 1,0\r\nd1 = 0,1\r\ndiz1 = 0,12\r\n";
    EXPECT_EQ(FindKeyValue(text, u"d1"), u"0,1");
    EXPECT_EQ(FindKeyValue(text, u"diz1"), u"0,12");
    EXPECT_EQ(FindKeyValue(text, u"d10"), u"1,0");
    EXPECT_EQ(FindKeyValue(text, u"d2"), u"");  // only in the comment, no "=" on its line
}

TEST(FindKeyValue, KeyAtTheStartOfTheText) {
    EXPECT_EQ(FindKeyValue(u"mu = 2200\r\n", u"mu"), u"2200");
    EXPECT_EQ(FindKeyValue(u"\uFEFFmu = 2200\r\n", u"mu"), u"2200");
}

TEST(FindKeyValue, BmaxIsNotBmmax) {
    const Text text = u"Bmmax = 0,49\r\nBmax = 0,39\r\n";
    EXPECT_EQ(FindKeyValue(text, u"Bmax"), u"0,39");
    EXPECT_EQ(FindKeyValue(text, u"Bmmax"), u"0,49");
}

TEST(FindKeyValue, SubstringFallbackAnywhere) {
    EXPECT_EQ(FindKeyValue(u"x: mu = 3\r\n", u"mu"), u"3");
    EXPECT_EQ(FindKeyValue(u"", u"mu"), u"");
    EXPECT_EQ(FindKeyValue(u"mu", u"mu"), u"");
}

}  // namespace
}  // namespace kelvara
