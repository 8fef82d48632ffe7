// Malformed and random input through every reader: no crash, no hang, and
// values that keep the shape the callers rely on.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "refdata/core_database.h"
#include "refdata/lookup.h"
#include "refdata/material.h"
#include "refdata/text_file.h"
#include "refdata/wire_table.h"
#include "test_files.h"

namespace kelvara {
namespace {

// A looked-up value never holds a control character and never starts or
// ends with a blank.
void ExpectWellFormedValue(const Text& value) {
    EXPECT_TRUE(std::none_of(value.begin(), value.end(), [](char16_t c) { return c < 32; }));
    if (!value.empty()) {
        EXPECT_NE(value.front(), u' ');
        EXPECT_NE(value.back(), u' ');
    }
}

void ExpectEmptyReadings(TextView text) {
    EXPECT_EQ(FindSectionValue(text, u"E 25", u"Ae"), u"");
    EXPECT_EQ(FindKeyValue(text, u"mu"), u"");
    const CoreData core = LookupCore(text, u"E 25");
    EXPECT_EQ(core.Ae, u"");
    EXPECT_EQ(core.record.Ae, 0.0);
    EXPECT_EQ(core.record.mu, 0.0);
    EXPECT_EQ(core.Ve, u"0.000");
    MaterialLossData material;
    ParseMaterialText(text, material);
    EXPECT_EQ(material.nB, 0);
    EXPECT_EQ(material.nF, 0);
    EXPECT_EQ(material.mu, 0.0);
    EXPECT_EQ(ParseWireTable(text).size(), 0);
}

class MalformedTextTest : public ::testing::TestWithParam<Text> {};

TEST_P(MalformedTextTest, ReadsAsEmpty) {
    ExpectEmptyReadings(GetParam());
    for (int32_t shape = -1; shape <= 5; ++shape) {
        for (const Text& name : CoreNamesOfFamily(GetParam(), shape)) {
            ExpectWellFormedValue(LookupCore(GetParam(), name).Ae);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MalformedTextTest,
    ::testing::Values(Text(), Text(u"["), Text(u"]"), Text(u"="), Text(u"[E 25"),
                      Text(u"[E 25]\r\nAe"), Text(u"[E 25]\r\nAe\r\nmu\r\nd1\r\ndiz1"),
                      Text(u"[E 25]\r\nAe\r\n[E 30]\r\nAe = 5\r\n"), Text(u"[[[[]]]]===="),
                      Text(u"[Flux density]\r\nB1\r\n[Frequencies]\r\nF1\r\nd1\r\nBmax\r\n")));

TEST(MalformedBytes, NulInTheMiddleEndsEveryReading) {
    const Text text = DecodeFileBytes(test::Utf16Bytes(Text(u"[E 25]\r\n\0Ae = 5\r\nmu = 7", 23)));
    EXPECT_EQ(text, u"[E 25]\r\n");
    ExpectEmptyReadings(text);
}

// Random text over the characters that the readers look for, a few MiB long.
Text StructuredGarbage(size_t size, unsigned seed) {
    static const char16_t kAlphabet[] = u"[]=  \r\n\tERMITDBFdiz_12345,.mulexAn\u0416";
    std::mt19937 random(seed);
    std::uniform_int_distribution<size_t> pick(0, std::size(kAlphabet) - 2);
    Text text(size, u' ');
    for (char16_t& c : text) c = kAlphabet[pick(random)];
    return text;
}

TEST(RandomInput, EveryReaderCopes) {
    std::mt19937 random(20240611);
    std::string bytes(3u << 20, '\0');
    for (char& b : bytes) b = static_cast<char>(random() & 0xFF);
    for (const Text& text : {DecodeFileBytes(bytes), StructuredGarbage(3u << 20, 7)}) {
        ExpectWellFormedValue(FindSectionValue(text, u"Flux density", u"B1"));
        ExpectWellFormedValue(FindKeyValue(text, u"mu"));
        MaterialLossData material;
        ParseMaterialText(text, material);
        EXPECT_LE(material.nB, MaterialLossData::kMaxPoints);
        EXPECT_LE(material.nF, MaterialLossData::kMaxPoints);
        EXPECT_LE(ParseWireTable(text).size(), WireTable::kMaxEntries);
        for (int32_t shape = kShapeE; shape <= kShapeOther; ++shape) {
            const std::vector<Text> names = CoreNamesOfFamily(text, shape);
            for (size_t i = 0; i < names.size() && i < 5; ++i) {
                const CoreData core = LookupCore(text, names[i]);
                ExpectWellFormedValue(core.Ae);
                ExpectWellFormedValue(core.mu);
            }
        }
    }
}

}  // namespace
}  // namespace kelvara
