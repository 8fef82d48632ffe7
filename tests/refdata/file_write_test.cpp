// Every write of the program: whole files replaced safely, records appended
// with a roll-back, empty files created; a failure keeps its reason.
#include "refdata/file_write.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

#if defined(__unix__)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif

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

// A file without any write permission bit is the user's protection; root
// passes every access check, so the bits themselves decide.
TEST(WriteFileSafely, FilesWithoutAWriteBitAreNotReplaced) {
    for (const fs::perms mode : {fs::perms::owner_read | fs::perms::group_read,
                                 fs::perms::owner_read | fs::perms::owner_exec, fs::perms::none}) {
        TempDir dir;
        WriteBytes(dir / "a.sav", "kept");
        fs::permissions(dir / "a.sav", mode);
        const WriteResult r = WriteFileSafely(dir / "a.sav", "new");
        EXPECT_EQ(r.error, std::errc::permission_denied) << static_cast<int>(mode);
        fs::permissions(dir / "a.sav", fs::perms::owner_read);
        EXPECT_EQ(ReadBytes(dir / "a.sav"), "kept");
        EXPECT_EQ(EntriesIn(dir.path()), 1u);
    }
}

TEST(WriteFileSafely, KeepsThePermissionsOfTheReplacedFile) {
    TempDir dir;
    WriteBytes(dir / "a.sav", "old");
    const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write;
    fs::permissions(dir / "a.sav", mode);
    if (fs::status(dir / "a.sav").permissions() != mode) {
        GTEST_SKIP() << "this system keeps no permission bits besides read-only";
    }
    ASSERT_TRUE(WriteFileSafely(dir / "a.sav", "new"));
    EXPECT_EQ(fs::status(dir / "a.sav").permissions(), mode);
}

TEST(WriteFileSafely, SymbolicLinksAreWrittenThrough) {
    if (!testing::MakesSymbolicLinks()) GTEST_SKIP() << testing::kNoSymbolicLinks;
    struct Case {
        const char* what;
        fs::path linkText;  // relative to the link's folder, or absolute
        bool chained;       // a link to a link
    };
    TempDir dir;
    fs::create_directories(dir / "real");
    for (const Case& c :
         {Case{"relative", "real/d.sav", false}, Case{"absolute", dir / "real" / "d.sav", false},
          Case{"chain", "real/d.sav", true}, Case{"dangling", "real/new.sav", false}}) {
        const fs::path target = dir / c.linkText;
        if (c.linkText.filename() == "d.sav") WriteBytes(target, "old");
        fs::create_symlink(c.linkText, dir / "first.sav");
        const fs::path link = c.chained ? dir / "second.sav" : dir / "first.sav";
        if (c.chained) fs::create_symlink("first.sav", link);
        ASSERT_TRUE(WriteFileSafely(link, "new")) << c.what;
        EXPECT_TRUE(fs::is_symlink(link)) << c.what;
        EXPECT_EQ(ReadBytes(dir / "real" / c.linkText.filename()), "new") << c.what;
        EXPECT_EQ(EntriesIn(dir / "real"), 1u) << c.what;  // no temporary left
        fs::remove(dir / "first.sav");
        fs::remove(dir / "second.sav");
        fs::remove(target);
    }
}

// A name at the file system's length limit: the temporary name must still fit.
TEST(WriteFileSafely, ReplacesAFileWithTheLongestName) {
    TempDir dir;
    const fs::path file = dir / (std::string(251, 'k') + ".sav");
    WriteBytes(file, "old");
    ASSERT_TRUE(WriteFileSafely(file, "new"));
    EXPECT_EQ(ReadBytes(file), "new");
    EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

#if defined(__unix__)
// Kills a writer half-way (the file-size limit ends it with SIGXFSZ in the
// middle of its temporary file) and returns how it ended.
int WriteKilledHalfWay(const fs::path& target) {
    const pid_t pid = fork();
    if (pid == 0) {
        const rlimit noCore{0, 0};
        const rlimit small{4096, 4096};
        setrlimit(RLIMIT_CORE, &noCore);
        setrlimit(RLIMIT_FSIZE, &small);
        signal(SIGXFSZ, SIG_DFL);
        (void)WriteFileSafely(target, std::string(1 << 16, 'x'));
        _exit(0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFSIGNALED(status) ? WTERMSIG(status) : -1;
}

TEST(WriteFileSafely, KilledWritesLeaveNothingThatTheNextWriteKeeps) {
    TempDir dir;
    WriteBytes(dir / "a.sav", "old");
    for (int i = 0; i < 3; ++i) ASSERT_EQ(WriteKilledHalfWay(dir / "a.sav"), SIGXFSZ);
    EXPECT_EQ(ReadBytes(dir / "a.sav"), "old");
    EXPECT_LE(EntriesIn(dir.path()), 2u);  // at most one leftover for the one target
    ASSERT_TRUE(WriteFileSafely(dir / "a.sav", "new"));
    EXPECT_EQ(ReadBytes(dir / "a.sav"), "new");
    EXPECT_EQ(EntriesIn(dir.path()), 1u);
}
#endif

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
