#include "designs/design_file.h"

#include <gtest/gtest.h>

#include "refdata/text_file.h"
#include "support/temp_dir.h"

namespace kelvara {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::Utf16Bytes;
using testing::WriteBytes;
using testing::WriteUtf16;

TEST(DesignFileWrite, DefaultRecordHasTheExactBytes) {
    const std::string bytes = DesignFileBytes(DesignInputs{});
    const unsigned char start[] = {0xFF, 0xFE, 0x63, 0x00, 0x6F, 0x00, 0x72, 0x00, 0x65,
                                   0x00, 0x09, 0x00, 0x3D, 0x00, 0x20, 0x00, 0x45, 0x00,
                                   0x20, 0x00, 0x34, 0x00, 0x30, 0x00, 0x2F, 0x00};
    ASSERT_GE(bytes.size(), sizeof start);
    for (size_t i = 0; i < sizeof start; ++i) {
        EXPECT_EQ(static_cast<unsigned char>(bytes[i]), start[i]) << "byte " << i;
    }
    const Text expected =
        u"core\t= E 40/16/12\r\nmater\t= N87 Epcos\r\nzazor\t= 0.5\r\nyes_al\t= 0\r\n"
        u"Fr\t= 100\r\nBm\t= 0,12\r\nkL\t= 5\r\nQ\t= \r\nRds\t= 0,85\r\nUnas\t= 1\r\n"
        u"rds\t= 1\r\nko\t= 0,3\r\nj\t= 5\r\nUmin\t= 260\r\nUmax\t= 330\r\nsetevoe\t= 0\r\n"
        u"U2_1\t= 24\r\nI2_1\t= 9\r\nUd\t= 0,8\r\nvypr\t= 0\r\nd11\t= 0,63\r\nd21\t= 0,63\r\n"
        u"yes_d\t= 0\r\ntdead\t= 200\r\ncoss\t= 200\r\ninter\t= 0\r\nlitz1d\t= \r\n"
        u"litz1n\t= \r\nlitz2d\t= \r\nlitz2n\t= \r\n";
    EXPECT_EQ(bytes, Utf16Bytes(expected));
}

TEST(DesignFileWrite, NegativeChoiceIsWrittenWithSign) {
    DesignInputs in;
    in.vypr = -1;
    const std::string bytes = DesignFileBytes(in);
    EXPECT_NE(bytes.find(Utf16Bytes(u"vypr\t= -1\r\n", false)), std::string::npos);
}

TEST(DesignFileRoundTrip, EveryFieldComesBack) {
    TempDir dir;
    DesignInputs in;
    in.core = u"ETD 34/17/11";
    in.mater = u"3C90 Ferroxcube";
    in.zazor = u"180";
    in.yes_al = 1;
    in.Fr = u"120,5";
    in.Bm = u"0.1";
    in.kL = u"6";
    in.Q = u"0,45";
    in.Rds = u"0.2";
    in.Unas = u"1.7";
    in.rds = 0;
    in.ko = u"0.25";
    in.j = u"4";
    in.Umin = u"207";
    in.Umax = u"253";
    in.setevoe = 1;
    in.U2_1 = u"48";
    in.I2_1 = u"3";
    in.Ud = u"1";
    in.vypr = 2;
    in.d11 = u"0.5";
    in.d21 = u"1";
    in.yes_d = 1;
    ASSERT_TRUE(WriteDesignFile(dir / "a.sav", in));
    DesignInputs back;
    back.core.clear();
    ASSERT_TRUE(ReadDesignFile(dir / "a.sav", back));
    for (const FieldDef& f : kDesignFileFields) {
        if (f.kind == FieldKind::Text) {
            EXPECT_EQ(back.*(f.text), in.*(f.text)) << ToUtf8(f.key);
        } else {
            EXPECT_EQ(back.*(f.number), in.*(f.number)) << ToUtf8(f.key);
        }
    }
}

TEST(DesignFileRoundTrip, OuterBlanksAreLostAndTabEndsAValue) {
    TempDir dir;
    DesignInputs in;
    in.Fr = u"  100 ";
    in.mater = u"N87\tEpcos";
    ASSERT_TRUE(WriteDesignFile(dir / "b.sav", in));
    DesignInputs back;
    ASSERT_TRUE(ReadDesignFile(dir / "b.sav", back));
    EXPECT_EQ(back.Fr, u"100");
    EXPECT_EQ(back.mater, u"N87");
}

TEST(DesignFileRoundTrip, CoreNameHoldingAKeyKeepsQ) {
    // "PQ 32/30" contains "Q": only a key at a line start counts.
    TempDir dir;
    DesignInputs in;
    in.core = u"PQ 32/30";
    in.Q = u"0.55";
    ASSERT_TRUE(WriteDesignFile(dir / "pq.sav", in));
    DesignInputs back;
    ASSERT_TRUE(ReadDesignFile(dir / "pq.sav", back));
    EXPECT_EQ(back.core, u"PQ 32/30");
    EXPECT_EQ(back.Q, u"0.55");
}

TEST(DesignFileRead, HandEditedFileReadsAlike) {
    TempDir dir;
    // Other order, blanks instead of TABs, no byte-order mark.
    WriteUtf16(dir / "h.sav",
               u"yes_d = 1\r\nUd   =  0,7 \r\nrds = 0\r\nRds = 0,3\r\ncore = E 25/13/7\r\n"
               u"vypr\t \t= 2\n",
               false);
    DesignInputs in;
    ASSERT_TRUE(ReadDesignFile(dir / "h.sav", in));
    EXPECT_EQ(in.yes_d, 1);
    EXPECT_EQ(in.Ud, u"0,7");
    EXPECT_EQ(in.rds, 0);
    EXPECT_EQ(in.Rds, u"0,3");
    EXPECT_EQ(in.core, u"E 25/13/7");
    EXPECT_EQ(in.vypr, 2);
    // Missing keys: empty text, choice and flag defaults.
    EXPECT_EQ(in.Fr, u"");
    EXPECT_EQ(in.mater, u"");
    EXPECT_EQ(in.setevoe, 0);
}

TEST(DesignFileRead, MissingKeysGiveEmptyTextOrZero) {
    TempDir dir;
    WriteUtf16(dir / "m.sav", u"core\t= E 40/16/12\r\nyes_al\t= 1\r\n");
    DesignInputs in;
    in.yes_d = 1;
    ASSERT_TRUE(ReadDesignFile(dir / "m.sav", in));
    EXPECT_EQ(in.yes_d, 0);
    EXPECT_EQ(in.Fr, u"");
    EXPECT_EQ(in.yes_al, 1);
}

TEST(DesignFileRead, LaterKeysComeBackOrTakeTheirDefaults) {
    TempDir dir;
    DesignInputs in;
    in.tdead = u"350";
    in.coss = u"0";
    in.inter = 1;
    in.litz1d = u"0,1";
    in.litz1n = u"60";
    in.litz2n = u"200";
    ASSERT_TRUE(WriteDesignFile(dir / "t.sav", in));
    DesignInputs back;
    ASSERT_TRUE(ReadDesignFile(dir / "t.sav", back));
    EXPECT_EQ(back.tdead, u"350");
    EXPECT_EQ(back.coss, u"0");
    EXPECT_EQ(back.inter, 1);
    EXPECT_EQ(back.litz1d, u"0,1");
    EXPECT_EQ(back.litz1n, u"60");
    EXPECT_EQ(back.litz2d, u"");
    EXPECT_EQ(back.litz2n, u"200");

    // A file of the 23 keys only (written before the later keys existed)
    // reads their defaults, whatever the record held.
    WriteUtf16(dir / "old.sav", u"core\t= E 40/16/12\r\nFr\t= 90\r\n");
    ASSERT_TRUE(ReadDesignFile(dir / "old.sav", back));
    EXPECT_EQ(back.tdead, u"200");
    EXPECT_EQ(back.coss, u"200");
    EXPECT_EQ(back.inter, 0);
    EXPECT_EQ(back.litz1d, u"");
    EXPECT_EQ(back.litz2n, u"");

    // A winding choice that names no value takes the first (primary, then secondary).
    WriteUtf16(dir / "inter.sav", u"Fr\t= 90\r\ninter\t= 7\r\n");
    ASSERT_TRUE(ReadDesignFile(dir / "inter.sav", back));
    EXPECT_EQ(back.inter, 0);

    // The later keys alone do not make a file a design.
    WriteUtf16(dir / "extra.sav", u"tdead\t= 100\r\ncoss\t= 50\r\n");
    EXPECT_EQ(ReadDesignFile(dir / "extra.sav", back).status, DesignReadStatus::NotADesign);
    EXPECT_EQ(back.tdead, u"200");
}

TEST(DesignFileRead, FirstOfTwoEqualKeysCounts) {
    TempDir dir;
    WriteUtf16(dir / "d.sav", u"Fr\t= 80\r\nFr\t= 90\r\n");
    DesignInputs in;
    ASSERT_TRUE(ReadDesignFile(dir / "d.sav", in));
    EXPECT_EQ(in.Fr, u"80");
}

struct IntegerCase {
    const char16_t* value;
    int32_t yes_d;
    int32_t vypr;
};

class DesignFileIntegers : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(DesignFileIntegers, ChoicesAndFlagsTakeTheirIntegerReading) {
    const IntegerCase& c = GetParam();
    DesignInputs in;
    ParseDesignText(Text(u"yes_d\t= ") + c.value + u"\r\nvypr\t= " + c.value + u"\r\n", in);
    EXPECT_EQ(in.yes_d, c.yes_d);
    EXPECT_EQ(in.vypr, c.vypr);
}

INSTANTIATE_TEST_SUITE_P(Values, DesignFileIntegers,
                         ::testing::Values(IntegerCase{u"1x", 1, 1}, IntegerCase{u"x1", 0, 0},
                                           IntegerCase{u"  +1", 1, 1}, IntegerCase{u"2", 0, 2},
                                           // 7 names no button: the defaults are taken.
                                           IntegerCase{u"7", 0, 0}, IntegerCase{u"-1", 0, 0},
                                           IntegerCase{u"99999999999999", 0, 0}));

TEST(DesignFileRead, RdsAndrdsAreDifferentKeys) {
    DesignInputs in;
    ParseDesignText(u"rds\t= 0\r\nRds\t= 0,5\r\n", in);
    EXPECT_EQ(in.rds, 0);
    EXPECT_EQ(in.Rds, u"0,5");
    ParseDesignText(u"Rds\t= 0,6\r\nrds\t= 1\r\n", in);
    EXPECT_EQ(in.rds, 1);
    EXPECT_EQ(in.Rds, u"0,6");
}

TEST(DesignFileRead, KeyOnlyAtLineStart) {
    DesignInputs in;
    // "Q" inside a value, a key after blanks: neither counts.
    ParseDesignText(u"core\t= PQ 20/16\r\n Fr\t= 50\r\nmater\t= xFr = 9\r\n", in);
    EXPECT_EQ(in.Q, u"");
    EXPECT_EQ(in.Fr, u"");
    EXPECT_EQ(in.core, u"PQ 20/16");
    // A key followed by something else than "=" is not that key.
    ParseDesignText(u"Fr2\t= 50\r\nFr\t= 60\r\n", in);
    EXPECT_EQ(in.Fr, u"60");
}

TEST(DesignFileRead, Utf8FileReadsLikeItsUtf16Twin) {
    TempDir dir;
    WriteBytes(dir / "u8.sav", "core\t= E 40/16/12\r\nmater\t= Феррит\r\nFr\t= 70\r\n");
    DesignInputs in;
    ASSERT_TRUE(ReadDesignFile(dir / "u8.sav", in));
    EXPECT_EQ(in.mater, u"Феррит");
    EXPECT_EQ(in.Fr, u"70");
}

TEST(DesignFileBadInput, UnreadableFilesChangeNothing) {
    TempDir dir;
    DesignInputs in;
    in.Fr = u"123";
    EXPECT_FALSE(ReadDesignFile(dir / "missing.sav", in));
    std::filesystem::create_directories(dir / "folder.sav");
    EXPECT_FALSE(ReadDesignFile(dir / "folder.sav", in));
    // Larger than the 16 MiB the program reads.
    WriteBytes(dir / "huge.sav", std::string(20u << 20, 'x'));
    EXPECT_FALSE(ReadDesignFile(dir / "huge.sav", in));
    EXPECT_EQ(in.Fr, u"123");
}

TEST(DesignFileBadInput, GarbageEmptyNulAndLongValues) {
    TempDir dir;
    DesignInputs in;
    WriteBytes(dir / "empty.sav", "");
    EXPECT_EQ(ReadDesignFile(dir / "empty.sav", in).status, DesignReadStatus::NotADesign);
    EXPECT_EQ(in.core, u"E 40/16/12");  // unchanged

    std::string garbage;
    uint32_t x = 12345;
    for (int i = 0; i < 200000; ++i) {
        x = x * 1664525u + 1013904223u;
        garbage.push_back(static_cast<char>(x >> 24));
    }
    WriteBytes(dir / "garbage.sav", garbage);
    EXPECT_EQ(ReadDesignFile(dir / "garbage.sav", in).status, DesignReadStatus::NotADesign);
    EXPECT_EQ(in.core, u"E 40/16/12");

    // One key is enough; the others read as missing.
    WriteUtf16(dir / "one.sav", u"yes_d\t= 1\r\n");
    ASSERT_TRUE(ReadDesignFile(dir / "one.sav", in));
    EXPECT_EQ(in.core, u"");
    EXPECT_EQ(in.rds, 0);  // a missing key reads as 0, which names the first button

    // A NUL ends the text.
    WriteUtf16(dir / "zero.sav", Text(u"Fr\t= 77\r\n") + u'\0' + u"kL\t= 9\r\n");
    ASSERT_TRUE(ReadDesignFile(dir / "zero.sav", in));
    EXPECT_EQ(in.Fr, u"77");
    EXPECT_EQ(in.kL, u"");

    const Text longValue(10000, u'7');
    WriteUtf16(dir / "long.sav", u"Fr\t= " + longValue + u"\r\n");
    ASSERT_TRUE(ReadDesignFile(dir / "long.sav", in));
    EXPECT_EQ(in.Fr, longValue);

    // An odd byte count: the last byte is not a code unit.
    WriteBytes(dir / "odd.sav", Utf16Bytes(u"Fr\t= 5\r\n") + "x");
    ASSERT_TRUE(ReadDesignFile(dir / "odd.sav", in));
    EXPECT_EQ(in.Fr, u"5");
}

// A design saved in an encoding the program does not read, or no text at
// all, holds none of the 23 keys: it is no design and changes nothing.
TEST(DesignFileBadInput, FilesWithoutAnyKeyAreNoDesign) {
    DesignInputs design;
    design.mater = u"Феррит";
    std::string utf16be, utf32le, cp1251;
    for (char16_t c : DecodeFileBytes(DesignFileBytes(design))) {
        utf16be += {static_cast<char>(c >> 8), static_cast<char>(c & 0xFF)};
        utf32le += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8), '\0', '\0'};
        cp1251 += static_cast<char>(c >= 0x0410 && c <= 0x044F ? c - 0x0410 + 0xC0 : c);
    }
    const std::string binary = {'\x7f', 'E', 'L', 'F', '\x02', '\x01', '\x01', '\0', '=', '\n'};
    struct Case {
        const char* name;
        std::string bytes;
    };
    TempDir dir;
    for (const Case& c :
         {Case{"utf16be", "\xFE\xFF" + utf16be}, Case{"utf16be-unmarked", utf16be},
          Case{"utf32le", std::string("\xFF\xFE\0\0", 4) + utf32le}, Case{"cp1251", cp1251},
          Case{"binary", binary}, Case{"text", "Мой проект\r\nFr: 90\r\n"}}) {
        WriteBytes(dir / c.name, c.bytes);
        DesignInputs in;
        in.Fr = u"77";
        EXPECT_EQ(ReadDesignFile(dir / c.name, in).status, DesignReadStatus::NotADesign) << c.name;
        EXPECT_EQ(in.Fr, u"77") << c.name;
        EXPECT_EQ(in.core, u"E 40/16/12") << c.name;
    }
}

TEST(DesignFileWrite, ReplacesAnExistingFile) {
    TempDir dir;
    WriteBytes(dir / "r.sav", std::string(5000, 'z'));
    DesignInputs in;
    ASSERT_TRUE(WriteDesignFile(dir / "r.sav", in));
    EXPECT_EQ(ReadBytes(dir / "r.sav"), DesignFileBytes(in));
    // No temporary file is left behind.
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
        (void)e;
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST(DesignFileWrite, FailureIntoAFolderOrMissingFolderIsReported) {
    TempDir dir;
    std::filesystem::create_directories(dir / "taken.sav");
    EXPECT_FALSE(WriteDesignFile(dir / "taken.sav", DesignInputs{}));
    EXPECT_FALSE(WriteDesignFile(dir / "no" / "such" / "folder.sav", DesignInputs{}));
}

#if defined(__unix__)
TEST(DesignFileWrite, ReadOnlyFolderLeavesTheOldFileIntact) {
    TempDir dir;
    const auto folder = dir / "ro";
    std::filesystem::create_directories(folder);
    const std::string old = Utf16Bytes(u"Fr\t= 42\r\n");
    WriteBytes(folder / "old.sav", old);
    std::filesystem::permissions(dir.path(), std::filesystem::perms::all,
                                 std::filesystem::perm_options::add);
    std::filesystem::permissions(
        folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
                    std::filesystem::perms::group_read | std::filesystem::perms::group_exec |
                    std::filesystem::perms::others_read | std::filesystem::perms::others_exec);
    std::filesystem::permissions(folder / "old.sav", std::filesystem::perms::all,
                                 std::filesystem::perm_options::add);
    const int status = testing::RunUnprivileged(
        [&] { return WriteDesignFile(folder / "old.sav", DesignInputs{}) ? 1 : 0; });
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    ASSERT_EQ(status, 0) << "the write into a read-only folder was not reported";
    EXPECT_EQ(ReadBytes(folder / "old.sav"), old);
}
#endif

}  // namespace
}  // namespace kelvara
