// Reading whole files as text: UTF-16 LE with or without mark, UTF-8, limits.
#include "refdata/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "test_files.h"

namespace kelvara {
namespace {

using test::TempDir;
using test::Utf16Bytes;
using test::WriteBytes;

const Text kSample =
    u"[Flux density]\r\nB1 = 100\r\n; Феррит марки N87, потери в кВт/м³\r\nmu = 2200\r\n";

TEST(DecodeFileBytes, Utf16WithAndWithoutMarkAlike) {
    EXPECT_EQ(DecodeFileBytes(Utf16Bytes(kSample, true)), kSample);
    EXPECT_EQ(DecodeFileBytes(Utf16Bytes(kSample, false)), kSample);
}

TEST(DecodeFileBytes, Utf8ReadsLikeItsUtf16Twin) {
    const std::string utf8 = ToUtf8(kSample);
    EXPECT_EQ(DecodeFileBytes(utf8), kSample);
    EXPECT_EQ(DecodeFileBytes("\xEF\xBB\xBF" + utf8), kSample);
}

TEST(DecodeFileBytes, MostlyCyrillicUtf16WithoutMarkStaysUtf16) {
    const Text cyrillic = u"Жжение; ЖЖЖЖ Ферритовый сердечник";
    EXPECT_EQ(DecodeFileBytes(Utf16Bytes(cyrillic, false)), cyrillic);
    // These bytes (16 04 16 04) are also valid UTF-8 control characters.
    EXPECT_EQ(DecodeFileBytes(Utf16Bytes(u"ЖЖ", false)), u"ЖЖ");
}

TEST(DecodeFileBytes, PlainAsciiIsReadAsUtf8) {
    EXPECT_EQ(DecodeFileBytes("d1 = 0,1\r\ndiz1 = 0,12\r\n"), u"d1 = 0,1\r\ndiz1 = 0,12\r\n");
    EXPECT_EQ(DecodeFileBytes("A"), u"A");
}

TEST(DecodeFileBytes, EightBitTextThatIsNotUtf8IsTakenAsUtf16Units) {
    // "Провод d1 = 0,1" in an 8-bit Cyrillic code page.
    const std::string bytes = "\xCF\xF0\xEE\xE2\xEE\xE4 d1 = 0,1";
    const Text text = DecodeFileBytes(bytes);
    ASSERT_EQ(text.size(), bytes.size() / 2);
    EXPECT_EQ(text[0], 0xF0CF);
    EXPECT_EQ(text.find(u"d1"), Text::npos);
}

TEST(DecodeFileBytes, TextEndsAtTheFirstNul) {
    EXPECT_EQ(DecodeFileBytes(Utf16Bytes(Text(u"Ae = 1\0An = 2", 13))), u"Ae = 1");
    EXPECT_EQ(DecodeFileBytes(std::string("\xEF\xBB\xBF"
                                          "Ae = 1\0An = 2",
                                          16)),
              u"Ae = 1");
    // A NUL low byte alone does not end UTF-16 text: U+0400 is "Ѐ".
    EXPECT_EQ(DecodeFileBytes(Utf16Bytes(u"a\u0400b")), u"a\u0400b");
}

TEST(DecodeFileBytes, OddTrailingByteIsIgnored) {
    EXPECT_EQ(DecodeFileBytes(Utf16Bytes(u"mu = 5") + "7"), u"mu = 5");
    EXPECT_EQ(DecodeFileBytes(std::string("\xFF\xFE"
                                          "x",
                                          3)),
              u"");
    EXPECT_EQ(DecodeFileBytes(""), u"");
}

TEST(ReadTextFile, ReadsAWholeLargeFile) {
    TempDir dir;
    Text big;
    for (int i = 0; big.size() < 40000; ++i) big += u"d" + FormatInt(i) + u" = 0,1\r\n";
    big += u"конец";
    ASSERT_GT(big.size() * 2, 60000u);
    test::WriteUtf16File(dir / "big.txt", big);
    const auto text = ReadTextFile(dir / "big.txt");
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, big);
}

TEST(ReadTextFile, MarkedAndUnmarkedAndUtf8FilesReadAlike) {
    TempDir dir;
    test::WriteUtf16File(dir / "marked.txt", kSample, true);
    test::WriteUtf16File(dir / "plain.txt", kSample, false);
    WriteBytes(dir / "utf8.txt", ToUtf8(kSample));
    for (const char* name : {"marked.txt", "plain.txt", "utf8.txt"}) {
        const auto text = ReadTextFile(dir / name);
        ASSERT_TRUE(text.has_value()) << name;
        EXPECT_EQ(*text, kSample) << name;
    }
}

TEST(ReadTextFile, EmptyFileIsAnEmptyText) {
    TempDir dir;
    WriteBytes(dir / "empty.txt", "");
    const auto text = ReadTextFile(dir / "empty.txt");
    ASSERT_TRUE(text.has_value());
    EXPECT_TRUE(text->empty());
}

TEST(ReadTextFile, FoldersAndMissingFilesAreUnreadable) {
    TempDir dir;
    std::filesystem::create_directory(dir / "folder.txt");
    EXPECT_FALSE(ReadTextFile(dir / "folder.txt").has_value());
    EXPECT_FALSE(ReadTextFile(dir / "missing.txt").has_value());
}

TEST(ReadTextFile, SixteenMebibytesIsTheLimit) {
    TempDir dir;
    // Zero-filled files: the text of the one within the limit is empty.
    WriteBytes(dir / "limit.txt", "");
    std::filesystem::resize_file(dir / "limit.txt", kMaxTextFileBytes);
    const auto atLimit = ReadTextFile(dir / "limit.txt");
    ASSERT_TRUE(atLimit.has_value());
    EXPECT_TRUE(atLimit->empty());

    WriteBytes(dir / "over.txt", Utf16Bytes(u"mu = 2000\r\n"));
    std::filesystem::resize_file(dir / "over.txt", kMaxTextFileBytes + 1);
    EXPECT_FALSE(ReadTextFile(dir / "over.txt").has_value());
}

}  // namespace
}  // namespace kelvara
