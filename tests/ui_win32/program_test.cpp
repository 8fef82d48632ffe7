// kelvara.exe started as a user or a file manager starts it: its options, the
// program folder it chooses, the design it opens, and --start-check printing
// what the window shows, as the Linux window prints it.
#include <gtest/gtest.h>

#include "designs/design_file.h"
#include "kelvara/version.h"
#include "refdata/paths.h"
#include "support/data_root.h"
#include "support/run_program.h"
#include "window/headless_view.h"
#include "window/kelvara_dlg.h"
#include "window/main_window_layout.h"
#include "window/start_options.h"

namespace kelvara {
namespace {

namespace fs = std::filesystem;
using testing::DataRoot;
using testing::RunProgram;
using testing::TempDir;

const fs::path kWindow = KELVARA_WIN32_WINDOW_PATH;

// What the window must print for a design: the same road without a display.
std::string Expected(const fs::path& program, const fs::path* design) {
    HeadlessView view;
    CKelvaraDlg dlg(view);
    EXPECT_TRUE(dlg.Open(program));
    if (design) EXPECT_TRUE(dlg.OpenDesign(*design));
    return StartCheckReport(program, MainWindowCaption(), true, view);
}

TEST(WindowProgram, AnswersHelpAndVersionAndRefusesBadOptions) {
    TempDir dir;
    const testing::ProgramRun help = RunProgram(kWindow, {"--help"}, dir.path());
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out, WindowUsage());
    const testing::ProgramRun version = RunProgram(kWindow, {"--version"}, dir.path());
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "kelvara " + std::string(kProgramVersionUtf8) + "\n");
    const testing::ProgramRun bad = RunProgram(kWindow, {"--bogus"}, dir.path());
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.err, "kelvara: unknown option '--bogus'\nTry 'kelvara --help'.\n");
    EXPECT_EQ(RunProgram(kWindow, {"a.sav", "b.sav"}, dir.path()).status, 2);
}

TEST(WindowProgram, StartCheckPrintsWhatTheWindowShows) {
    DataRoot data;
    DataRoot reference;  // the expected rows come from a fresh copy
    const testing::ProgramRun run = RunProgram(kWindow, {"--start-check"}, data.program());
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    // The program folder as the system names it: the same folder, spelled
    // by its absolute path.
    const std::string expected = Expected(reference.program(), nullptr);
    const size_t rows = expected.find("\nWindow: ");
    ASSERT_NE(rows, std::string::npos);
    EXPECT_EQ(run.out.substr(run.out.find("\nWindow: ")), expected.substr(rows));
    EXPECT_EQ(run.out.rfind("Program folder: " + PrintedPath(data.program()), 0), 0u) << run.out;
}

TEST(WindowProgram, OpensTheDesignItNamesWithCyrillicNames) {
    DataRoot data(u8"Проекты");
    TempDir elsewhere;
    DesignInputs design;
    design.Fr = u"120";
    design.core = u"ETD 34";
    const fs::path file = elsewhere / fs::path(u8"Мой проект.sav");
    ASSERT_TRUE(WriteDesignFile(file, design));
    DataRoot reference;
    const std::string expected = Expected(reference.program(), &file);
    ASSERT_NE(expected.find("кГц"), std::string::npos);
    const testing::ProgramRun run =
        RunProgram(kWindow, {"--start-check", ToUtf8(PathDisplayText(file))}, data.program());
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out.substr(run.out.find("\nWindow: ")),
              expected.substr(expected.find("\nWindow: ")));
}

TEST(WindowProgram, WithoutDataItSaysSoAndEnds) {
    TempDir home;
    TempDir elsewhere;
    // No program folder and no installed data: the per-user root (here
    // KELVARA_HOME) has no wire table; what the window says is printed.
    const std::wstring root = (home / "root").native();
    ::_wputenv_s(L"KELVARA_HOME", root.c_str());
    const testing::ProgramRun run = RunProgram(kWindow, {"--start-check"}, elsewhere.path());
    ::_wputenv_s(L"KELVARA_HOME", L"");
    EXPECT_TRUE(fs::is_directory(home / "root" / "Kelvara"));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("Wire.txt"), std::string::npos) << run.out;
}

}  // namespace
}  // namespace kelvara
