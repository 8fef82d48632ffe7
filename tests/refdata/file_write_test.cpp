// Every write of the program: whole files replaced safely, records appended
// with a roll-back, empty files created; a failure keeps its reason.
#include "refdata/file_write.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace kelvara {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

size_t EntriesIn(const fs::path& dir) {
    size_t n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir)) ++n;
    return n;
}

TEST(WriteFileSafely, ReplacesTheFileAndLeavesNothingElse) {
    TempDir dir;
    WriteBytes(dir / "a.sav", "old contents");
    const WriteResult r = WriteFileSafely(dir / "a.sav", "new");
    EXPECT_TRUE(r);
    EXPECT_FALSE(r.error);
    EXPECT_EQ(ReadBytes(dir / "a.sav"), "new");
    EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

TEST(WriteFileSafely, FailuresKeepTheirReason) {
    TempDir dir;
    fs::create_directories(dir / "folder.sav");
    const WriteResult isDir = WriteFileSafely(dir / "folder.sav", "x");
    EXPECT_FALSE(isDir);
    EXPECT_EQ(isDir.error, std::errc::is_a_directory);
    const WriteResult noFolder = WriteFileSafely(dir / "missing" / "a.sav", "x");
    EXPECT_FALSE(noFolder);
    EXPECT_EQ(noFolder.error, std::errc::no_such_file_or_directory);
    EXPECT_FALSE(noFolder.error.message().empty());
    EXPECT_EQ(EntriesIn(dir.path()), 1u);  // only the folder: no temporary file left
}

TEST(AppendWithRollback, CreatesThenAppends) {
    TempDir dir;
    const fs::path f = dir / "cores.txt";
    ASSERT_TRUE(AppendWithRollback(f, "one"));
    ASSERT_TRUE(AppendWithRollback(f, "two"));
    EXPECT_EQ(ReadBytes(f), "onetwo");
}

TEST(AppendWithRollback, AFailedAppendChangesNothing) {
    TempDir dir;
    fs::create_directories(dir / "in_the_way");
    const WriteResult r = AppendWithRollback(dir / "in_the_way", "record");
    EXPECT_FALSE(r);
    EXPECT_TRUE(fs::is_directory(dir / "in_the_way"));
    const WriteResult missing = AppendWithRollback(dir / "no" / "cores.txt", "record");
    EXPECT_FALSE(missing);
    EXPECT_FALSE(fs::exists(dir / "no"));
}

TEST(CreateIfMissing, CreatesOnlyWhatIsNotThere) {
    TempDir dir;
    ASSERT_TRUE(CreateIfMissing(dir / "user.txt"));
    EXPECT_TRUE(fs::exists(dir / "user.txt"));
    EXPECT_EQ(fs::file_size(dir / "user.txt"), 0u);
    WriteBytes(dir / "kept.txt", "the user's cores");
    ASSERT_TRUE(CreateIfMissing(dir / "kept.txt"));
    EXPECT_EQ(ReadBytes(dir / "kept.txt"), "the user's cores");
    EXPECT_FALSE(CreateIfMissing(dir / "no" / "user.txt"));
}

}  // namespace
}  // namespace kelvara
