// The core database: families of the core list, lookup of a core, the files.
#include "refdata/core_database.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "refdata/text_file.h"
#include "test_files.h"

namespace kelvara {
namespace {

using Names = std::vector<Text>;

const Text kShipped =
    u"[E 25/13/7]\r\nAe = 52,5\r\nAn = 87\r\nle = 57.5\r\nmu = 2000,7\r\n\r\n"
    u"[EI 25]\r\nAe = 40\r\nAn = 60\r\nle = 48\r\nmu = 1600\r\n\r\n"
    u"[ER 35]\r\nAe = 81\r\nAn = 70\r\nle = 64\r\nmu = 1700\r\n\r\n"
    u"[EER 28]\r\nAe = 82,1\r\nAn = 72\r\nle = 64,5\r\nmu = 1750\r\nk1 = 120,5\r\nk2 = -0,8\r\n"
    u"\r\n"
    u"[ETD 29/16/10]\r\nAe = 76\r\nAn = 97\r\nle = 72\r\nmu = 1800\r\n\r\n"
    u"[RM 10]\r\nAe = 98\r\nAn = 50\r\nle = 44\r\nmu = 2100\r\n\r\n"
    u"[R 20]\r\nAe = 30\r\nle = 50\r\n\r\n"
    u"[EFD 15]\r\nAe = 15\r\nle = 34\r\n\r\n"
    u"[PQ 32/30]\r\nAe = 161\r\nAn = 120\r\nmu = 2500\r\n\r\n"
    u"[E 40/16/12]\r\nAe = 149\r\nAn = 178\r\nle = 77\r\nmu = 1900\r\n";
const Text kUser = u"[E 40]\r\nAe = 99\r\nAn = 100\r\nle = 70\r\nmu = 1500\r\n\r\n";

Text Database() {
    return JoinCoreTexts(kShipped, kUser);
}

struct FamilyCase {
    int32_t shape;
    Names expected;
};
std::ostream& operator<<(std::ostream& os, const FamilyCase& c) {
    return os << "shape " << c.shape;
}

class CoreFamilyTest : public ::testing::TestWithParam<FamilyCase> {};

TEST_P(CoreFamilyTest, ListsTheNamesInFileOrder) {
    EXPECT_EQ(CoreNamesOfFamily(Database(), GetParam().shape), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Families, CoreFamilyTest,
    ::testing::Values(FamilyCase{kShapeE, {u"E 25/13/7", u"E 40/16/12", u"E 40"}},
                      FamilyCase{kShapeEI, {u"EI 25"}}, FamilyCase{kShapeER, {u"ER 35", u"ER 28"}},
                      FamilyCase{kShapeETD, {u"ETD 29/16/10"}},
                      FamilyCase{kShapeOther, {u"RM 10", u"PQ 32/30"}}, FamilyCase{-1, {}},
                      FamilyCase{5, {}}));

TEST(CoreNamesOfFamily, NameWithoutClosingBracketGivesAnEmptyEntryAndStops) {
    const Text text = u"[E 25/13/7]\r\nAe = 1\r\n[E 30/15/7\r\nAe = 2\r\n";
    EXPECT_EQ(CoreNamesOfFamily(text, kShapeE), (Names{u"E 25/13/7", u""}));
    EXPECT_EQ(CoreNamesOfFamily(u"[RM 8]\r\n[PQ 20", kShapeOther), (Names{u"RM 8", u""}));
    EXPECT_EQ(CoreNamesOfFamily(u"[", kShapeOther), (Names{u""}));
    EXPECT_EQ(CoreNamesOfFamily(u"[R", kShapeOther), Names{});
}

TEST(CoreNamesOfFamily, RingsAndEShapesAreSkippedInTheOtherFamily) {
    EXPECT_EQ(CoreNamesOfFamily(u"[R 20][RM 6][EFD 15][T 10][ETD 34][Rx]", kShapeOther),
              (Names{u"RM 6", u"T 10"}));
}

struct ShapeCase {
    const char* name;
    int32_t expected;
};
std::ostream& operator<<(std::ostream& os, const ShapeCase& c) {
    return os << c.name;
}

class ShapeFromNameTest : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(ShapeFromNameTest, FamilyFromTheName) {
    EXPECT_EQ(ShapeFromName(FromUtf8(GetParam().name)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ShapeFromNameTest,
    ::testing::Values(ShapeCase{"E 25/13/7", kShapeE}, ShapeCase{"EI 25", kShapeEI},
                      ShapeCase{"ER 28", kShapeER}, ShapeCase{"EER 28", kShapeER},
                      ShapeCase{"ETD 29/16/10", kShapeETD}, ShapeCase{"RM 10", kShapeOther},
                      ShapeCase{"e 25", kShapeOther}, ShapeCase{"EFD 15", kShapeOther},
                      ShapeCase{"EI E 25", kShapeE}, ShapeCase{"", kShapeOther}));

TEST(LookupCore, CommaValuesAreShownWithAPointAndMuIsWhole) {
    const CoreData core = LookupCore(Database(), u"E 25/13/7");
    EXPECT_EQ(core.Ae, u"52.5");
    EXPECT_EQ(core.An, u"87");
    EXPECT_EQ(core.le, u"57.5");
    EXPECT_EQ(core.mu, u"2000.7");
    EXPECT_EQ(core.Ve, u"3.019");
    EXPECT_EQ(core.record.name, u"E 25/13/7");
    EXPECT_DOUBLE_EQ(core.record.Ae, 52.5);
    EXPECT_DOUBLE_EQ(core.record.An, 87.0);
    EXPECT_DOUBLE_EQ(core.record.le, 57.5);
    EXPECT_EQ(core.record.mu, 2000.0);
    EXPECT_DOUBLE_EQ(core.record.Ve, 57.5 * 52.5 / 1000);
    EXPECT_EQ(core.record.k1, 0.0);
    EXPECT_EQ(core.record.k2, 0.0);
}

TEST(LookupCore, NameFromTheMiddleOfALongerNameReadsItsRecord) {
    const CoreData core = LookupCore(Database(), u"ER 28");
    EXPECT_EQ(core.Ae, u"82.1");
    EXPECT_EQ(core.le, u"64.5");
    EXPECT_DOUBLE_EQ(core.record.k1, 120.5);
    EXPECT_DOUBLE_EQ(core.record.k2, -0.8);
}

TEST(LookupCore, UserCoreWithAShorterNameShowsItsOwnData) {
    const CoreData core = LookupCore(Database(), u"E 40");
    EXPECT_EQ(core.Ae, u"99");
    EXPECT_EQ(core.le, u"70");
    EXPECT_EQ(core.record.mu, 1500.0);
    EXPECT_EQ(core.Ve, u"6.930");
}

TEST(LookupCore, MissingKeysAreEmptyNotTheNextRecords) {
    const CoreData core = LookupCore(Database(), u"PQ 32/30");
    EXPECT_EQ(core.Ae, u"161");
    EXPECT_EQ(core.le, u"");
    EXPECT_EQ(core.record.le, 0.0);
    EXPECT_EQ(core.Ve, u"0.000");
    const CoreData unknown = LookupCore(Database(), u"E 99");
    EXPECT_EQ(unknown.Ae, u"");
    EXPECT_EQ(unknown.mu, u"");
    EXPECT_EQ(unknown.record.mu, 0.0);
}

// The optional bobbin keys: read where a record has them (a "," read as "."),
// 0 where it has not, never taken from the next record or from a user's core.
struct BobbinCase {
    const char* name;
    Text core;
    double bw, bh, lw;
};

class BobbinKeys : public ::testing::TestWithParam<BobbinCase> {};

TEST_P(BobbinKeys, ReadAsNumbersOrZero) {
    const Text shipped =
        u"[E 42/21/15]\r\nAe = 178\r\nAn = 275\r\nle = 97\r\nmu = 1713\r\nRth = 19\r\n"
        u"bw = 27.3\r\nbh = 7,4\r\n\r\n"
        u"[ETD 34/17/11]\r\nAe = 97.1\r\nAn = 188\r\nle = 78.6\r\nmu = 1675\r\n"
        u"bw = 20.9\r\nbh = 5.8\r\nlw = 60.6\r\n\r\n"
        u"[E 40/16/12]\r\nAe = 152\r\nAn = 169\r\nle = 77.1\r\nmu = 1639\r\n\r\n";
    // A core the user added: its record is written as before, without bobbin keys.
    const Text user = CoreRecordText(u"E 42", u"180", u"270", u"98", u"1700");
    EXPECT_EQ(user, u"[E 42]\r\nAe = 180\r\nAn = 270\r\nle = 98\r\nmu = 1700\r\n\r\n");
    const CoreRecord core = LookupCore(JoinCoreTexts(shipped, user), GetParam().core).record;
    EXPECT_DOUBLE_EQ(core.bw, GetParam().bw);
    EXPECT_DOUBLE_EQ(core.bh, GetParam().bh);
    EXPECT_DOUBLE_EQ(core.lw, GetParam().lw);
}

INSTANTIATE_TEST_SUITE_P(
    Records, BobbinKeys,
    ::testing::Values(BobbinCase{"WidthAndHeight", u"E 42/21/15", 27.3, 7.4, 0},
                      BobbinCase{"WithTurnLength", u"ETD 34/17/11", 20.9, 5.8, 60.6},
                      BobbinCase{"NoneLastShipped", u"E 40/16/12", 0, 0, 0},
                      BobbinCase{"NoneUserCore", u"E 42", 0, 0, 0}),
    [](const ::testing::TestParamInfo<BobbinCase>& info) { return std::string(info.param.name); });

TEST(JoinCoreTexts, LineEndGoesBetweenWhenMissing) {
    EXPECT_EQ(JoinCoreTexts(u"[A]\r\nAe = 1", u"[B]"), u"[A]\r\nAe = 1\r\n[B]");
    EXPECT_EQ(JoinCoreTexts(u"[A]\r\nAe = 1\r\n", u"[B]"), u"[A]\r\nAe = 1\r\n[B]");
    EXPECT_EQ(JoinCoreTexts(u"[A]\nAe = 1\n", u"[B]"), u"[A]\nAe = 1\n[B]");
    EXPECT_EQ(JoinCoreTexts(u"", u"[B]"), u"[B]");
    // The value before the join must not run into the user's first record.
    const Text joined = JoinCoreTexts(u"[A]\r\nmu = 1", u"[B]\r\nmu = 2\r\n");
    EXPECT_EQ(LookupCore(joined, u"A").mu, u"1");
    EXPECT_EQ(CoreNamesOfFamily(joined, kShapeOther), (Names{u"A", u"B"}));
}

TEST(CoreRecordText, WritesTheRecordLayout) {
    const Text record = CoreRecordText(u"E 40", u"149", u"178", u"77", u"1900");
    EXPECT_EQ(record, u"[E 40]\r\nAe = 149\r\nAn = 178\r\nle = 77\r\nmu = 1900\r\n\r\n");
    const Text text = kShipped + u"\r\n" + record;
    const CoreData core = LookupCore(text, u"E 40");
    EXPECT_EQ(core.An, u"178");
    EXPECT_EQ(core.record.mu, 1900.0);
}

TEST(ReadCoreFiles, CreatesAMissingUserFileEmpty) {
    test::TempDir root;
    std::filesystem::create_directory(root / "Bases_Cores");
    test::WriteUtf16File(root / "Bases_Cores" / "FerritesCores.txt", kShipped, true);
    const CoreFiles files = ReadCoreFiles(root.path());
    EXPECT_TRUE(files.shippedFound);
    EXPECT_EQ(files.shipped, kShipped);
    EXPECT_TRUE(files.user.empty());
    const auto userFile = root / "Bases_Cores" / "UserFerritesCores.txt";
    ASSERT_TRUE(std::filesystem::is_regular_file(userFile));
    EXPECT_EQ(std::filesystem::file_size(userFile), 0u);
}

TEST(ReadCoreFiles, ReadsBothFilesWithOrWithoutMark) {
    test::TempDir root;
    std::filesystem::create_directory(root / "Bases_Cores");
    test::WriteUtf16File(root / "Bases_Cores" / "FerritesCores.txt", kShipped, false);
    test::WriteUtf16File(root / "Bases_Cores" / "UserFerritesCores.txt", kUser, true);
    const CoreFiles files = ReadCoreFiles(root.path());
    EXPECT_TRUE(files.shippedFound);
    EXPECT_EQ(files.shipped, kShipped);
    EXPECT_EQ(files.user, kUser);
}

TEST(ReadCoreFiles, MissingShippedFileIsReported) {
    test::TempDir root;
    std::filesystem::create_directory(root / "Bases_Cores");
    const CoreFiles files = ReadCoreFiles(root.path());
    EXPECT_FALSE(files.shippedFound);
    EXPECT_TRUE(files.shipped.empty());
    EXPECT_TRUE(std::filesystem::exists(root / "Bases_Cores" / "UserFerritesCores.txt"));
    // Without the folder nothing is created and nothing fails.
    test::TempDir bare;
    const CoreFiles none = ReadCoreFiles(bare.path());
    EXPECT_FALSE(none.shippedFound);
    EXPECT_FALSE(std::filesystem::exists(bare / "Bases_Cores"));
}

TEST(ReadCoreFiles, AnUnreadableUserFileIsNotTruncated) {
    test::TempDir root;
    std::filesystem::create_directory(root / "Bases_Cores");
    const auto userFile = root / "Bases_Cores" / "UserFerritesCores.txt";
    test::WriteUtf16File(userFile, kUser);
    std::filesystem::resize_file(userFile, kMaxTextFileBytes + 2);
    const CoreFiles files = ReadCoreFiles(root.path());
    EXPECT_TRUE(files.user.empty());
    EXPECT_EQ(std::filesystem::file_size(userFile), kMaxTextFileBytes + 2);
}

}  // namespace
}  // namespace kelvara
