// The table of standard winding wires.
#include "refdata/wire_table.h"

#include <gtest/gtest.h>

#include "refdata/text_file.h"
#include "test_files.h"

namespace kelvara {
namespace {

constexpr double kPi = 3.141592653589793;

// Pairs d1/diz1 … dN/dizN with d = 0.1·n and diz = d + 0.02.
Text Pairs(int first, int last) {
    Text text;
    for (int n = first; n <= last; ++n) {
        text += u"d" + FormatInt(n) + u" = " + FormatFixed(0.1 * n, 2) + u"\r\n";
        text += u"diz" + FormatInt(n) + u" = " + FormatFixed(0.1 * n + 0.02, 2) + u"\r\n";
    }
    return text;
}

TEST(ParseWireTable, CommaAndPointReadAlike) {
    for (const Text value : {u"0,315", u"0.315"}) {
        const Text text = Pairs(1, 3) + u"d4 = " + value + u"\r\ndiz4 = 0,352\r\n";
        const WireTable table = ParseWireTable(text);
        ASSERT_EQ(table.size(), 4);
        EXPECT_DOUBLE_EQ(table.entries[3].d, 0.315);
        EXPECT_DOUBLE_EQ(table.entries[3].diz, 0.352);
        EXPECT_NEAR(table.entries[3].area, 0.07793, 5e-6);
        EXPECT_DOUBLE_EQ(table.entries[3].area, kPi / 4 * (0.315 * 0.315));
        EXPECT_DOUBLE_EQ(table.entries[0].d, 0.1);
    }
}

TEST(ParseWireTable, StopsAtTheFirstMissingDiameter) {
    const WireTable table = ParseWireTable(Pairs(1, 5) + Pairs(7, 9));
    EXPECT_EQ(table.size(), 5);
    EXPECT_DOUBLE_EQ(table.entries[4].d, 0.5);
}

TEST(ParseWireTable, DiameterWithoutInsulatedDiameterDoesNotCount) {
    const Text text = Pairs(1, 2) + u"d3 = 0,3\r\n";
    EXPECT_EQ(ParseWireTable(text).size(), 2);
}

TEST(ParseWireTable, BlanksAndTabAfterTheValue) {
    const WireTable table =
        ParseWireTable(u"d1 = 0,1   \r\ndiz1 = 0,12\t\r\nd2 =  0,2\t; mm\r\ndiz2 = 0,23 \t \r\n");
    ASSERT_EQ(table.size(), 2);
    EXPECT_DOUBLE_EQ(table.entries[0].d, 0.1);
    EXPECT_DOUBLE_EQ(table.entries[0].diz, 0.12);
    EXPECT_DOUBLE_EQ(table.entries[1].d, 0.2);
    EXPECT_DOUBLE_EQ(table.entries[1].diz, 0.23);
}

TEST(ParseWireTable, LaterKeysWithTheSameDigitsDoNotInterfere) {
    // d10 … d19 stand before d1 in the file.
    const WireTable table = ParseWireTable(Pairs(10, 12) + Pairs(1, 9));
    ASSERT_EQ(table.size(), 12);
    EXPECT_DOUBLE_EQ(table.entries[0].d, 0.1);
    EXPECT_DOUBLE_EQ(table.entries[0].diz, 0.12);
    EXPECT_DOUBLE_EQ(table.entries[11].d, 1.2);
}

TEST(ParseWireTable, AtMostOneHundredPairs) {
    const WireTable table = ParseWireTable(Pairs(1, 120));
    ASSERT_EQ(table.size(), WireTable::kMaxEntries);
    EXPECT_DOUBLE_EQ(table.entries[99].d, 10.0);
}

TEST(ParseWireTable, EmptyTextGivesAnEmptyTable) {
    EXPECT_EQ(ParseWireTable(u"").size(), 0);
}

TEST(ReadWireTable, EightBitFileGivesNoEntries) {
    test::TempDir dir;
    // "Провода" in an 8-bit Cyrillic code page, then the pairs.
    test::WriteBytes(dir / "Wire.txt",
                     "\xCF\xF0\xEE\xE2\xEE\xE4\xE0\r\nd1 = 0,1\r\ndiz1 = 0,12\r\n");
    const auto table = ReadWireTable(dir / "Wire.txt");
    ASSERT_TRUE(table.has_value());
    EXPECT_EQ(table->size(), 0);
}

TEST(ReadWireTable, Utf16FileAndMissingFile) {
    test::TempDir dir;
    test::WriteUtf16File(dir / "Wire.txt", u"; Диаметры проводов, мм\r\n" + Pairs(1, 4), false);
    const auto table = ReadWireTable(dir / "Wire.txt");
    ASSERT_TRUE(table.has_value());
    EXPECT_EQ(table->size(), 4);
    EXPECT_FALSE(ReadWireTable(dir / "Missing.txt").has_value());
}

}  // namespace
}  // namespace kelvara
