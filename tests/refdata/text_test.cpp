// Number reading and formatting, independent of the process locale, and the
// UTF-8 conversions.
#include "refdata/text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <iostream>
#include <limits>
#include <locale>
#include <ostream>
#include <string>

namespace kelvara {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct DecimalCase {
    const char* text;
    double expected;
};
std::ostream& operator<<(std::ostream& os, const DecimalCase& c) {
    return os << '"' << c.text << "\" -> " << c.expected;
}

class ParseDecimalTest : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(ParseDecimalTest, ReadsTheLongestLeadingNumber) {
    const DecimalCase& c = GetParam();
    const double value = ParseDecimal(FromUtf8(c.text));
    if (std::isinf(c.expected)) {
        EXPECT_EQ(value, c.expected);
    } else {
        EXPECT_DOUBLE_EQ(value, c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseDecimalTest,
    ::testing::Values(DecimalCase{"0.12", 0.12}, DecimalCase{"0,12", 0.0}, DecimalCase{"5 a", 5.0},
                      DecimalCase{"a5", 0.0}, DecimalCase{"  -3.5e2x", -350.0},
                      DecimalCase{"inf", 0.0}, DecimalCase{"nan", 0.0}, DecimalCase{"0x1p3", 0.0},
                      DecimalCase{"+5", 5.0}, DecimalCase{"1e400", kInf},
                      DecimalCase{"-1e400", -kInf}, DecimalCase{"1e-400", 0.0},
                      DecimalCase{"", 0.0}, DecimalCase{"-", 0.0}, DecimalCase{".5", 0.5},
                      DecimalCase{"7.", 7.0}, DecimalCase{"2e", 2.0}, DecimalCase{"2e+x", 2.0},
                      DecimalCase{"\t12.5E-1", 1.25}, DecimalCase{"57.5 mm", 57.5}));

struct IntegerCase {
    const char* text;
    int32_t expected;
};
std::ostream& operator<<(std::ostream& os, const IntegerCase& c) {
    return os << '"' << c.text << "\" -> " << c.expected;
}

class ParseIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(ParseIntegerTest, ReadsSignAndDigits) {
    EXPECT_EQ(ParseInteger(FromUtf8(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseIntegerTest,
    ::testing::Values(IntegerCase{"1800,5", 1800}, IntegerCase{"1.8e3", 1},
                      IntegerCase{"2000.7", 2000}, IntegerCase{"+5", 5}, IntegerCase{" -7x", -7},
                      IntegerCase{"abc", 0}, IntegerCase{"", 0},
                      IntegerCase{"99999999999", std::numeric_limits<int32_t>::max()},
                      IntegerCase{"-99999999999", std::numeric_limits<int32_t>::min()}));

struct FixedCase {
    double value;
    int decimals;
    const char* expected;
};
std::ostream& operator<<(std::ostream& os, const FixedCase& c) {
    return os << c.value << " %." << c.decimals << "f -> " << c.expected;
}

class FormatFixedTest : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FormatFixedTest, FormatsLikePrintfInTheCLocale) {
    const FixedCase& c = GetParam();
    EXPECT_EQ(ToUtf8(FormatFixed(c.value, c.decimals)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatFixedTest,
    ::testing::Values(FixedCase{1.4635, 3, "1.464"}, FixedCase{57.5 * 52.5 / 1000, 3, "3.019"},
                      FixedCase{2.675, 2, "2.67"}, FixedCase{0.5, 0, "0"}, FixedCase{2.5, 0, "2"},
                      FixedCase{-0.0004, 3, "-0.000"}, FixedCase{1234567.0, 1, "1234567.0"},
                      FixedCase{kInf, 3, "?"}, FixedCase{-kInf, 0, "?"},
                      FixedCase{std::numeric_limits<double>::quiet_NaN(), 2, "?"}));

TEST(FormatWholePart, TruncatesTowardZero) {
    EXPECT_EQ(FormatWholePart(-0.4), u"0");
    EXPECT_EQ(FormatWholePart(12.99), u"12");
    EXPECT_EQ(FormatWholePart(-12.99), u"-12");
    EXPECT_EQ(FormatWholePart(kInf), u"?");
    EXPECT_EQ(FormatInt(-42), u"-42");
}

// Switches the process to a Russian locale (decimal comma) and back: the C
// library's, and the C++ library's where it has named locales (MinGW's
// libstdc++ knows only "C", so nothing can change its numbers there).
class RussianLocale {
  public:
    RussianLocale() {
        const char* previous = std::setlocale(LC_ALL, nullptr);
        previous_ = previous ? previous : "C";
        // The POSIX name, then the Windows one.
        for (const char* name : {"ru_RU.UTF-8", "Russian_Russia.1251"}) {
            if (std::setlocale(LC_ALL, name) == nullptr) continue;
            name_ = name;
            break;
        }
        if (name_.empty()) return;
        try {
            std::locale::global(std::locale(name_));
        } catch (const std::runtime_error&) {
            std::cout << "The C++ library has no locale \"" << name_
                      << "\"; only the C library's locale is switched.\n";
        }
    }
    ~RussianLocale() {
        std::locale::global(std::locale::classic());
        std::setlocale(LC_ALL, previous_.c_str());
    }
    bool active() const { return !name_.empty(); }

  private:
    std::string previous_;
    std::string name_;
};

TEST(NumbersUnderRussianLocale, StillUseTheDecimalPoint) {
    RussianLocale russian;
    if (!russian.active()) {
        GTEST_SKIP() << "neither ru_RU.UTF-8 nor Russian_Russia.1251 is installed";
    }
    // The locale really is one with a decimal comma.
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");

    EXPECT_EQ(FormatFixed(1.4635, 3), u"1.464");
    EXPECT_EQ(FormatFixed(1800.0, 1), u"1800.0");
    EXPECT_EQ(FormatWholePart(1234.9), u"1234");
    EXPECT_EQ(FormatInt(1234567), u"1234567");
    EXPECT_DOUBLE_EQ(ParseDecimal(u"57.5"), 57.5);
    EXPECT_DOUBLE_EQ(ParseDecimal(u"-3.5e2"), -350.0);
    EXPECT_DOUBLE_EQ(ParseDecimal(u"57,5"), 57.0);
    EXPECT_EQ(ParseInteger(u"2000,7"), 2000);
}

TEST(Utf8, CyrillicRoundTrip) {
    const Text russian = u"Ферриты: N87 Epcos, µ = 2200, ёЁ";
    const std::string utf8 = ToUtf8(russian);
    EXPECT_EQ(utf8, "Ферриты: N87 Epcos, µ = 2200, ёЁ");
    EXPECT_EQ(FromUtf8(utf8), russian);
    // A character outside the basic plane becomes a surrogate pair and back.
    const Text pair = FromUtf8("\xF0\x9F\x98\x80");
    ASSERT_EQ(pair.size(), 2u);
    EXPECT_EQ(pair[0], 0xD83D);
    EXPECT_EQ(pair[1], 0xDE00);
    EXPECT_EQ(ToUtf8(pair), "\xF0\x9F\x98\x80");
}

TEST(Utf8, InvalidSequencesBecomeReplacementCharacters) {
    EXPECT_EQ(FromUtf8("a\xC0\xAF"
                       "b"),
              u"a\uFFFD\uFFFDb");                           // overlong "/"
    EXPECT_EQ(FromUtf8("\xE0\x80"), u"\uFFFD\uFFFD");       // cut short
    EXPECT_EQ(ToUtf8(Text(1, u'\xD800')), "\xEF\xBF\xBD");  // lone surrogate
}

TEST(CaseFolding, LatinAndCyrillic) {
    EXPECT_TRUE(StartsWithIgnoreCase(u"N87 Epcos", u"n87"));
    EXPECT_TRUE(StartsWithIgnoreCase(u"Феррит", u"фЕРР"));
    EXPECT_FALSE(StartsWithIgnoreCase(u"N8", u"N87"));
    EXPECT_TRUE(LessIgnoreCase(u"abc", u"ABD"));
    EXPECT_FALSE(LessIgnoreCase(u"ABC", u"abc"));
    EXPECT_TRUE(LessIgnoreCase(u"ёж", u"ЁЖИК"));
}

}  // namespace
}  // namespace kelvara
