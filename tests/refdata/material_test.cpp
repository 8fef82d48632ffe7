// Ferrite material files: the loss table, the three numbers, the folder list.
#include "refdata/material.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "test_files.h"

namespace kelvara {
namespace {

const Text kN87 =
    u"; N87 at 25 and 100 kHz\r\n"
    u"Bmax = 390\r\nBmmax = 490\r\nmu = 2200\r\n\r\n"
    u"[Flux density]\r\nB1 = 100\r\nB2 = 200\r\n\r\n"
    u"[Frequencies]\r\nF1 = 25\r\nF2 = 100\r\n\r\n"
    u"[F_25]\r\nB_100 = 10\r\nB_200 = 45,5\r\n\r\n"
    u"[F_100]\r\nB_100 = 60\r\nB_200 = 280\r\n";

MaterialLossData Parse(TextView text) {
    MaterialLossData data;
    ParseMaterialText(text, data);
    return data;
}

// A material with `points` flux densities (10, 20, … mT) and as many
// frequencies (100, 200, … kHz); the loss at (Fi, Bj) is 100·i + j.
Text SquareMaterial(int points) {
    Text text = u"[Flux density]\r\n";
    for (int j = 1; j <= points; ++j)
        text += u"B" + FormatInt(j) + u" = " + FormatInt(10 * j) + u"\r\n";
    text += u"[Frequencies]\r\n";
    for (int i = 1; i <= points; ++i)
        text += u"F" + FormatInt(i) + u" = " + FormatInt(100 * i) + u"\r\n";
    for (int i = 1; i <= points; ++i) {
        text += u"[F_" + FormatInt(100 * i) + u"]\r\n";
        for (int j = 1; j <= points; ++j) {
            text += u"B_" + FormatInt(10 * j) + u" = " + FormatInt(100 * i + j) + u"\r\n";
        }
    }
    return text + u"Bmax = 400\r\nBmmax = 500\r\nmu = 2300\r\n";
}

TEST(ParseMaterialText, ReadsTheAxesAndTheTable) {
    const MaterialLossData data = Parse(kN87);
    EXPECT_EQ(data.nB, 2);
    EXPECT_EQ(data.nF, 2);
    EXPECT_DOUBLE_EQ(data.lossTable[0][1], 0.1);
    EXPECT_DOUBLE_EQ(data.lossTable[0][2], 0.2);
    EXPECT_DOUBLE_EQ(data.lossTable[1][0], 25.0);
    EXPECT_DOUBLE_EQ(data.lossTable[2][0], 100.0);
    EXPECT_DOUBLE_EQ(data.lossTable[1][1], 10.0);
    EXPECT_DOUBLE_EQ(data.lossTable[1][2], 45.5);
    EXPECT_DOUBLE_EQ(data.lossTable[2][1], 60.0);
    EXPECT_DOUBLE_EQ(data.lossTable[2][2], 280.0);
    EXPECT_EQ(data.lossTable[0][0], 0.0);
    EXPECT_EQ(data.lossTable[3][3], 0.0);
    EXPECT_DOUBLE_EQ(data.Bmax, 390.0);
    EXPECT_DOUBLE_EQ(data.Bmmax, 490.0);
    EXPECT_DOUBLE_EQ(data.mu, 2200.0);
}

TEST(ParseMaterialText, CommaFrequencySectionAndFluxKeyAsWritten) {
    const Text text =
        u"[Flux density]\r\nB1 = 12,5\r\n[Frequencies]\r\nF1 = 12,5\r\n"
        u"[F_12,5]\r\nB_12,5 = 99\r\n"
        u"[F_12.5]\r\nB_12.5 = 98\r\nB_12,5 = 3,5\r\n";
    const MaterialLossData data = Parse(text);
    ASSERT_EQ(data.nB, 1);
    ASSERT_EQ(data.nF, 1);
    EXPECT_DOUBLE_EQ(data.lossTable[0][1], 0.0125);
    EXPECT_DOUBLE_EQ(data.lossTable[1][0], 12.5);
    EXPECT_DOUBLE_EQ(data.lossTable[1][1], 3.5);
}

TEST(ParseMaterialText, SkippedNumberEndsTheAxis) {
    const Text text =
        u"[Flux density]\r\nB1 = 100\r\nB2 = 200\r\nB4 = 400\r\n"
        u"[Frequencies]\r\nF1 = 25\r\nF3 = 100\r\n[F_25]\r\nB_100 = 1\r\nB_200 = 2\r\nB_400 = "
        u"4\r\n";
    const MaterialLossData data = Parse(text);
    EXPECT_EQ(data.nB, 2);
    EXPECT_EQ(data.nF, 1);
    EXPECT_EQ(data.lossTable[0][3], 0.0);
    EXPECT_EQ(data.lossTable[0][4], 0.0);
    EXPECT_EQ(data.lossTable[1][3], 0.0);
    EXPECT_EQ(data.lossTable[2][0], 0.0);
}

TEST(ParseMaterialText, PointsBeyondNineAreIgnored) {
    const MaterialLossData data = Parse(SquareMaterial(11));
    EXPECT_EQ(data.nB, 9);
    EXPECT_EQ(data.nF, 9);
    EXPECT_DOUBLE_EQ(data.lossTable[0][1], 0.01);  // B1, not B10 or B11
    EXPECT_DOUBLE_EQ(data.lossTable[0][9], 0.09);
    EXPECT_DOUBLE_EQ(data.lossTable[1][0], 100.0);
    EXPECT_DOUBLE_EQ(data.lossTable[9][0], 900.0);
    EXPECT_DOUBLE_EQ(data.lossTable[1][1], 101.0);
    EXPECT_DOUBLE_EQ(data.lossTable[9][9], 909.0);
    EXPECT_DOUBLE_EQ(data.lossTable[3][7], 307.0);
    EXPECT_DOUBLE_EQ(data.mu, 2300.0);
}

TEST(ParseMaterialText, MissingLossValueReadsZero) {
    const Text text =
        u"[Flux density]\r\nB1 = 100\r\nB2 = 200\r\n[Frequencies]\r\nF1 = 25\r\n"
        u"[F_25]\r\nB_200 = 7\r\n[F_50]\r\nB_100 = 8\r\n";
    const MaterialLossData data = Parse(text);
    EXPECT_EQ(data.lossTable[1][1], 0.0);
    EXPECT_DOUBLE_EQ(data.lossTable[1][2], 7.0);
}

TEST(ParseMaterialText, EachLimitIsReadOnItsOwn) {
    const MaterialLossData data = Parse(u"Bmmax = 480\r\nmu = 2200\r\n");
    EXPECT_EQ(data.Bmax, 0.0);
    EXPECT_DOUBLE_EQ(data.Bmmax, 480.0);
    EXPECT_DOUBLE_EQ(data.mu, 2200.0);
    EXPECT_EQ(data.nB, 0);
    EXPECT_EQ(data.nF, 0);
}

TEST(ParseMaterialText, NothingIsLeftFromThePreviousMaterial) {
    MaterialLossData data;
    ParseMaterialText(SquareMaterial(9), data);
    ASSERT_EQ(data.nB, 9);
    ParseMaterialText(u"[Flux density]\r\nB1 = 50\r\n[Frequencies]\r\nF1 = 20\r\n", data);
    EXPECT_EQ(data.nB, 1);
    EXPECT_EQ(data.nF, 1);
    EXPECT_DOUBLE_EQ(data.lossTable[0][1], 0.05);
    EXPECT_EQ(data.lossTable[0][2], 0.0);
    EXPECT_EQ(data.lossTable[2][0], 0.0);
    EXPECT_EQ(data.lossTable[1][1], 0.0);
    EXPECT_EQ(data.lossTable[9][9], 0.0);
    EXPECT_EQ(data.Bmax, 0.0);
    EXPECT_EQ(data.Bmmax, 0.0);
    EXPECT_EQ(data.mu, 0.0);
}

TEST(ReadMaterialFile, ReadsTheFileAndKeepsItsText) {
    test::TempDir dir;
    test::WriteUtf16File(dir / "N87 Epcos.txt", kN87, true);
    MaterialLossData data;
    Text text;
    ASSERT_TRUE(ReadMaterialFile(dir / "N87 Epcos.txt", data, text));
    EXPECT_EQ(text, kN87);
    EXPECT_EQ(data.nB, 2);
    EXPECT_DOUBLE_EQ(data.lossTable[2][2], 280.0);
    EXPECT_DOUBLE_EQ(data.mu, 2200.0);
}

TEST(ReadMaterialFile, UnreadableFileLeavesEverythingUnchanged) {
    test::TempDir dir;
    MaterialLossData data;
    ParseMaterialText(kN87, data);
    Text text = kN87;
    const MaterialLossData before = data;
    EXPECT_FALSE(ReadMaterialFile(dir / "gone.txt", data, text));
    std::filesystem::create_directory(dir / "folder.txt");
    EXPECT_FALSE(ReadMaterialFile(dir / "folder.txt", data, text));
    EXPECT_EQ(text, kN87);
    EXPECT_EQ(data.nB, before.nB);
    EXPECT_EQ(data.nF, before.nF);
    EXPECT_EQ(data.mu, before.mu);
    EXPECT_EQ(data.Bmax, before.Bmax);
    EXPECT_EQ(data.Bmmax, before.Bmmax);
    for (int i = 0; i < 10; ++i) {
        for (int j = 0; j < 10; ++j) EXPECT_EQ(data.lossTable[i][j], before.lossTable[i][j]);
    }
}

TEST(ListMaterials, TxtFilesSortedIgnoringCase) {
    test::TempDir dir;
    // "b.TXT" and "N87.Txt" end otherwise than ".txt": "<name>.txt" would not
    // open them where letter case counts, so they are no materials.
    for (const char8_t* name :
         {u8"N87 Epcos.txt", u8"Ferrit.txt", u8"3C90.txt", u8"b.TXT", u8"N87.Txt", u8"a.txt",
          u8"Феррит.txt", u8"notes.md", u8"old.txt.bak", u8"txt"}) {
        test::WriteBytes(dir / std::filesystem::path(name), "");
    }
    std::filesystem::create_directory(dir / "folder.txt");
    const std::vector<Text> expected = {u"3C90", u"a", u"Ferrit", u"N87 Epcos", u"Феррит"};
    EXPECT_EQ(ListMaterials(dir.path()), expected);
}

TEST(ListMaterials, MissingFolderListsNothing) {
    test::TempDir dir;
    EXPECT_TRUE(ListMaterials(dir / "Ferrites_Materials").empty());
}

}  // namespace
}  // namespace kelvara
