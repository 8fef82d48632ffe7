// Every shipped data file: UTF-16 little-endian with the FF FE mark, CR LF
// line ends, and readable as text by the program's file reader.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "refdata/text_file.h"
#include "shipped_data.h"

namespace kelvara {
namespace {

using testing::DataRoot;
using testing::ReadBytes;

std::vector<std::filesystem::path> ShippedFiles() {
    std::vector<std::filesystem::path> files = {DataRoot() / "Wire.txt",
                                                DataRoot() / "Bases_Cores" / "FerritesCores.txt"};
    for (const auto& entry :
         std::filesystem::directory_iterator(DataRoot() / "Ferrites_Materials")) {
        files.push_back(entry.path());
    }
    return files;
}

TEST(ShippedFiles, AreUtf16LittleEndianWithMarkAndCrLfLineEnds) {
    const std::vector<std::filesystem::path> files = ShippedFiles();
    ASSERT_EQ(files.size(), 13u) << "Wire.txt, FerritesCores.txt and 11 material files";
    for (const auto& path : files) {
        SCOPED_TRACE(path.string());
        const std::string bytes = ReadBytes(path);
        ASSERT_GE(bytes.size(), 4u);
        ASSERT_EQ(bytes.size() % 2, 0u);
        EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xFF);
        EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xFE);
        // The files stay within the 29 999 code units that older readers held.
        EXPECT_LT(bytes.size(), 59998u);

        std::u16string units;
        for (size_t i = 2; i < bytes.size(); i += 2) {
            units.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                  static_cast<unsigned char>(bytes[i + 1]) << 8));
        }
        EXPECT_EQ(units.find(u'\0'), std::u16string::npos);
        EXPECT_EQ(units.find(u'\t'), std::u16string::npos);
        for (size_t i = 0; i < units.size(); ++i) {
            if (units[i] == u'\n') {
                EXPECT_TRUE(i > 0 && units[i - 1] == u'\r') << "bare LF at " << i;
            }
            if (units[i] == u'\r') {
                EXPECT_TRUE(i + 1 < units.size() && units[i + 1] == u'\n') << "bare CR at " << i;
            }
        }
        // Ends with a line end, so the user's core file can follow directly.
        EXPECT_TRUE(units.ends_with(u"\r\n"));

        const std::optional<Text> text = ReadTextFile(path);
        ASSERT_TRUE(text.has_value());
        EXPECT_EQ(*text, units) << "the mark is not part of the text";
    }
}

TEST(ShippedFiles, MaterialFolderHoldsOnlyMaterialFiles) {
    for (const auto& entry :
         std::filesystem::directory_iterator(DataRoot() / "Ferrites_Materials")) {
        EXPECT_TRUE(entry.is_regular_file()) << entry.path();
        EXPECT_EQ(entry.path().extension(), ".txt") << entry.path();
    }
}

}  // namespace
}  // namespace kelvara
