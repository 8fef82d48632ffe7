// The folder rule: a program folder is used as it is; elsewhere the per-user
// data root is made and kept current from the installed data, without ever
// replacing the user's own files. And a design named on the command line.
#include "session/program_folders.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <map>
#include <ostream>

#include "designs/design_file.h"
#include "session/messages.h"
#include "support/data_root.h"
#include "support/open_window.h"
#include "window/headless_view.h"
#include "window/kelvara_dlg.h"

namespace kelvara {
namespace {

namespace fs = std::filesystem;
using testing::DataRoot;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

// An installed tree: <prefix>/share/kelvara is a data root with its program
// folder, as the install rules lay it out.
class Installed {
  public:
    Installed() {
        WriteBytes(data() / "Wire.txt", ReadBytes(shipped_.root() / "Wire.txt"));
        for (const char* f :
             {"Ferrites_Materials/N87 Epcos.txt", "Ferrites_Materials/3C90 Ferroxcube.txt",
              "Bases_Cores/FerritesCores.txt"}) {
            WriteBytes(data() / f, ReadBytes(shipped_.root() / f));
        }
        fs::create_directories(data() / "Kelvara");
        EXPECT_TRUE(WriteDesignFile(data() / "Kelvara" / "Пример.sav", DesignInputs{}));
        WriteBytes(data() / "Kelvara" / "ReadMe.txt", "help v2");
        fs::create_directories(prefix() / "bin");
    }
    fs::path prefix() const { return dir_.path() / "usr"; }
    fs::path data() const { return prefix() / "share" / "kelvara"; }

  private:
    DataRoot shipped_;
    TempDir dir_;
};

// --- Which per-user root ------------------------------------------------------

struct RootCase {
    const char* name;
    const char* kelvaraHome;
    const char* xdgDataHome;
    const char* home;
    const char* expected;  // the current folder is "/cwd"
};

// "/x/y" as an absolute path of this system (Windows wants a drive too);
// other texts as they are.
fs::path Abs(const std::string& text) {
    if (text.empty() || text[0] != '/') return fs::path(text);
    return fs::temp_directory_path().root_path() / fs::path(text.substr(1));
}

// Test names show the case's name.
void PrintTo(const RootCase& c, std::ostream* os) {
    *os << c.name;
}

class UserRoot : public ::testing::TestWithParam<RootCase> {};

TEST_P(UserRoot, FollowsTheEnvironment) {
    const RootCase& c = GetParam();
    FolderInputs in;
    in.currentDir = Abs("/cwd");
    in.kelvaraHome = Abs(c.kelvaraHome);
    in.xdgDataHome = Abs(c.xdgDataHome);
    in.home = Abs(c.home);
    EXPECT_EQ(UserDataRoot(in), Abs(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UserRoot,
    ::testing::Values(RootCase{"KelvaraHomeFirst", "/k", "/x", "/h", "/k"},
                      RootCase{"KelvaraHomeRelative", "here/k", "", "/h", "/cwd/here/k"},
                      RootCase{"XdgDataHome", "", "/x", "/h", "/x/Kelvara"},
                      RootCase{"RelativeXdgIsIgnored", "", "x", "/h", "/h/.local/share/Kelvara"},
                      RootCase{"Home", "", "", "/h", "/h/.local/share/Kelvara"},
                      RootCase{"Nothing", "", "", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// %APPDATA% names the per-user root on Windows: after KELVARA_HOME, before
// the XDG and home folders (which Windows programs may also see).
TEST(UserRoot, AppDataComesAfterKelvaraHomeOnly) {
    FolderInputs in;
    in.currentDir = Abs("/cwd");
    in.xdgDataHome = Abs("/x");
    in.home = Abs("/h");
    in.appData = Abs("/a");
    EXPECT_EQ(UserDataRoot(in), Abs("/a/Kelvara"));
    in.kelvaraHome = Abs("/k");
    EXPECT_EQ(UserDataRoot(in), Abs("/k"));
    in.kelvaraHome.clear();
    in.appData = "relative";  // not a folder the system could name: ignored
    EXPECT_EQ(UserDataRoot(in), Abs("/x/Kelvara"));
}

void SetEnv(const char* name, const std::string& value) {
#if defined(_WIN32)
    ::_putenv_s(name, value.c_str());  // an empty value removes it
#else
    if (value.empty()) {
        ::unsetenv(name);
    } else {
        ::setenv(name, value.c_str(), 1);
    }
#endif
}

TEST(ProcessFolderInputs, TakesKelvaraHomeFromTheEnvironment) {
    const char* old = std::getenv("KELVARA_HOME");
    const std::string saved = old ? old : "";
    const fs::path mine = fs::absolute("some") / "where";
    SetEnv("KELVARA_HOME", mine.string());
    const FolderInputs in = ProcessFolderInputs(fs::current_path());
    EXPECT_EQ(in.kelvaraHome, mine);
    EXPECT_EQ(UserDataRoot(in), mine);
    SetEnv("KELVARA_HOME", "");
    EXPECT_TRUE(ProcessFolderInputs(fs::current_path()).kelvaraHome.empty());
    SetEnv("KELVARA_HOME", saved);
}

// --- Files of the user -----------------------------------------------------------

TEST(UserFiles, AreDesignsSettingsAndTheUserCoreFile) {
    for (const char* mine : {"Kelvara/Kelvara.ini", "Kelvara/Пример.sav", "Kelvara/MINE.SAV",
                             "Bases_Cores/UserFerritesCores.txt", "other/x.Ini"}) {
        EXPECT_TRUE(IsUserFile(mine)) << mine;
    }
    for (const char* shipped :
         {"Wire.txt", "Bases_Cores/FerritesCores.txt", "Ferrites_Materials/N87 Epcos.txt",
          "Kelvara/ReadMe.txt", "Kelvara/sav", "Kelvara/x.sav.txt"}) {
        EXPECT_FALSE(IsUserFile(shipped)) << shipped;
    }
}

// --- Program folder or per-user root -----------------------------------------------

TEST(ProgramFolder, IsAFolderWhoseParentHoldsTheWireTable) {
    DataRoot data;
    EXPECT_TRUE(IsProgramFolder(data.program()));
    EXPECT_TRUE(IsProgramFolder(data.program() / ""));  // a trailing separator
    EXPECT_FALSE(IsProgramFolder(data.root()));
    EXPECT_FALSE(IsProgramFolder(fs::path("/")));
    EXPECT_FALSE(IsProgramFolder(fs::path()));
    fs::remove(data.root() / "Wire.txt");
    EXPECT_FALSE(IsProgramFolder(data.program()));
}

TEST(ProgramFolder, IsUsedAsItIsAndTheUserRootIsLeftAlone) {
    DataRoot data;
    Installed installed;
    TempDir home;
    FolderInputs in;
    in.currentDir = data.program();
    in.home = home.path();
    in.installedData = installed.data();
    const ProgramFolders folders = FindProgramFolders(in);
    EXPECT_EQ(folders.programFolder, data.program());
    EXPECT_TRUE(folders.userRoot.empty());
    EXPECT_TRUE(folders.problems.empty());
    EXPECT_TRUE(fs::is_empty(home.path()));
}

TEST(ProgramFolder, WithoutAnyUserRootTheCurrentFolderIsKept) {
    TempDir cwd;
    FolderInputs in;
    in.currentDir = cwd.path();
    EXPECT_EQ(FindProgramFolders(in).programFolder, cwd.path());
}

// A portable copy: the programs beside the data root and its program folder,
// started from a file manager in whatever folder it chooses.
TEST(ProgramFolder, BesideTheExecutableIsUsedWhenTheCurrentFolderIsNone) {
    DataRoot data;
    TempDir home;
    TempDir cwd;
    FolderInputs in;
    in.currentDir = cwd.path();
    in.home = home.path();
    // The programs in the data root, beside "Kelvara".
    in.executableFolder = data.root();
    EXPECT_EQ(ProgramFolderBeside(data.root()), data.root() / "Kelvara");
    EXPECT_EQ(FindProgramFolders(in).programFolder, data.root() / "Kelvara");
    // The programs in the program folder itself.
    in.executableFolder = data.program();
    EXPECT_EQ(ProgramFolderBeside(data.program()), data.program());
    EXPECT_EQ(FindProgramFolders(in).programFolder, data.program());
    EXPECT_TRUE(fs::is_empty(home.path()));
    // A current folder that is a program folder comes first.
    DataRoot other;
    in.currentDir = other.program();
    EXPECT_EQ(FindProgramFolders(in).programFolder, other.program());
    // Beside a folder without the wire table, or without its program
    // folder, there is none.
    EXPECT_TRUE(ProgramFolderBeside(cwd.path()).empty());
    EXPECT_TRUE(ProgramFolderBeside(fs::path()).empty());
    fs::remove_all(data.program());
    EXPECT_TRUE(ProgramFolderBeside(data.root()).empty());
}

class UserRootFill : public ::testing::Test {
  protected:
    ProgramFolders Start() {
        FolderInputs in;
        in.currentDir = cwd.path();
        in.home = home.path();
        in.installedData = InstalledDataBeside(installed.prefix() / "bin");
        return FindProgramFolders(in);
    }
    fs::path Root() const { return home.path() / ".local" / "share" / "Kelvara"; }

    Installed installed;
    TempDir home;
    TempDir cwd;  // holds no program folder
};

TEST_F(UserRootFill, FirstStartMakesTheRootFromTheInstalledData) {
    ASSERT_EQ(InstalledDataBeside(installed.prefix() / "bin"), installed.data());
    const ProgramFolders folders = Start();
    EXPECT_TRUE(folders.problems.empty());
    EXPECT_EQ(folders.userRoot, Root());
    EXPECT_EQ(folders.programFolder, Root() / "Kelvara");
    EXPECT_TRUE(IsProgramFolder(folders.programFolder));
    for (const auto& e : fs::recursive_directory_iterator(installed.data())) {
        if (!e.is_regular_file()) continue;
        const fs::path rel = e.path().lexically_relative(installed.data());
        EXPECT_EQ(ReadBytes(Root() / rel), ReadBytes(e.path())) << rel;
    }
    // The window opens there and calculates the remembered design.
    HeadlessView view;
    CKelvaraDlg dlg(view);
    ASSERT_TRUE(dlg.Open(folders.programFolder));
    EXPECT_TRUE(dlg.lastRunCompleted());
    EXPECT_TRUE(view.messages.empty());
    EXPECT_TRUE(fs::exists(folders.programFolder / "Kelvara.ini"));
}

TEST_F(UserRootFill, LaterStartsRefreshTheShippedFilesAndKeepTheUsers) {
    Start();
    // What the user did since: changed settings, the example and the own
    // cores, added a material; and an older version's wire table is there.
    const std::map<fs::path, std::string> users = {
        {"Kelvara/Kelvara.ini", "user settings"},
        {"Kelvara/Пример.sav", "user's example"},
        {"Kelvara/mine.sav", "user's design"},
        {"Bases_Cores/UserFerritesCores.txt", "user cores"},
        {"Ferrites_Materials/Own material.txt", "user material"},
    };
    for (const auto& [rel, bytes] : users) WriteBytes(Root() / rel, bytes);
    WriteBytes(Root() / "Wire.txt", "older wire table");
    fs::remove(Root() / "Ferrites_Materials" / "3C90 Ferroxcube.txt");
    // The update ships a new help text and a new material.
    WriteBytes(installed.data() / "Kelvara" / "ReadMe.txt", "help v3");
    WriteBytes(installed.data() / "Ferrites_Materials" / "N97 Epcos.txt", "new material");

    EXPECT_TRUE(Start().problems.empty());
    for (const auto& [rel, bytes] : users) EXPECT_EQ(ReadBytes(Root() / rel), bytes) << rel;
    for (const char* shipped :
         {"Wire.txt", "Kelvara/ReadMe.txt", "Ferrites_Materials/N97 Epcos.txt",
          "Ferrites_Materials/3C90 Ferroxcube.txt", "Bases_Cores/FerritesCores.txt"}) {
        EXPECT_EQ(ReadBytes(Root() / shipped), ReadBytes(installed.data() / shipped)) << shipped;
    }
    // A user file that is missing is created again.
    fs::remove(Root() / "Kelvara" / "Пример.sav");
    Start();
    EXPECT_EQ(ReadBytes(Root() / "Kelvara" / "Пример.sav"),
              ReadBytes(installed.data() / "Kelvara" / "Пример.sav"));
}

TEST_F(UserRootFill, UnchangedFilesAreNotWrittenAgain) {
    Start();
    const fs::path wire = Root() / "Wire.txt";
    const auto before = fs::last_write_time(wire);
    fs::last_write_time(wire, before - std::chrono::hours(1));
    Start();
    EXPECT_EQ(fs::last_write_time(wire), before - std::chrono::hours(1));
}

TEST_F(UserRootFill, KelvaraHomeNamesTheRoot) {
    TempDir mine;
    FolderInputs in;
    in.currentDir = cwd.path();
    in.home = home.path();
    in.kelvaraHome = mine.path() / "root";
    in.installedData = installed.data();
    const ProgramFolders folders = FindProgramFolders(in);
    EXPECT_EQ(folders.programFolder, mine.path() / "root" / "Kelvara");
    EXPECT_TRUE(fs::exists(mine.path() / "root" / "Wire.txt"));
    EXPECT_FALSE(fs::exists(Root()));
}

TEST_F(UserRootFill, TheInstalledProgramFolderIsNeverUsedAsItIs) {
    FolderInputs in;
    in.currentDir = installed.data() / "Kelvara";
    in.home = home.path();
    in.installedData = installed.data();
    ASSERT_TRUE(IsProgramFolder(in.currentDir));
    EXPECT_EQ(FindProgramFolders(in).programFolder, Root() / "Kelvara");
}

TEST_F(UserRootFill, InstalledProgramsUseTheUserRootWhereverTheyStart) {
    FolderInputs in;
    in.currentDir = cwd.path();
    in.home = home.path();
    in.installedData = installed.data();
    // Installed under <prefix>/bin: nothing beside the executable.
    in.executableFolder = installed.prefix() / "bin";
    EXPECT_EQ(FindProgramFolders(in).programFolder, Root() / "Kelvara");
    // Nor is the installed program folder used when the executable is in it.
    in.executableFolder = installed.data() / "Kelvara";
    EXPECT_EQ(FindProgramFolders(in).programFolder, Root() / "Kelvara");
    // %APPDATA%\Kelvara on Windows.
    TempDir appData;
    in.appData = appData.path();
    const ProgramFolders folders = FindProgramFolders(in);
    EXPECT_EQ(folders.programFolder, appData.path() / "Kelvara" / "Kelvara");
    EXPECT_TRUE(fs::exists(appData.path() / "Kelvara" / "Wire.txt"));
}

TEST_F(UserRootFill, WithoutInstalledDataOnlyTheProgramFolderIsMade) {
    FolderInputs in;
    in.currentDir = cwd.path();
    in.home = home.path();
    EXPECT_TRUE(InstalledDataBeside(cwd.path() / "bin").empty());
    const ProgramFolders folders = FindProgramFolders(in);
    EXPECT_TRUE(folders.problems.empty());
    EXPECT_TRUE(fs::is_directory(Root() / "Kelvara"));
    EXPECT_FALSE(fs::exists(Root() / "Wire.txt"));
}

TEST_F(UserRootFill, WhatCannotBeWrittenIsSaid) {
    // A file where the root's program folder should be.
    fs::create_directories(Root());
    WriteBytes(Root() / "Kelvara", "in the way");
    const ProgramFolders folders = Start();
    ASSERT_EQ(folders.problems.size(), 1u);
    EXPECT_EQ(folders.problems[0].file, Root() / "Kelvara");
    const Text text = FillProblemsMessage(folders);
    EXPECT_EQ(text.rfind(u"Не удалось подготовить папку данных \"", 0), 0u);
    EXPECT_NE(text.find(FromUtf8((Root() / "Kelvara").string())), Text::npos);
    EXPECT_TRUE(FillProblemsMessage(ProgramFolders{}).empty());
}

// --- A design named on the command line ---------------------------------------------

TEST(CommandLineDesign, IsLookedForInTheCurrentFolderThenInTheProgramFolder) {
    TempDir cwd;
    TempDir program;
    WriteBytes(cwd / "here.sav", "x");
    WriteBytes(program / "there.sav", "x");
    WriteBytes(program / "here.sav", "x");
    EXPECT_EQ(DesignFileFromCommandLine("here.sav", cwd.path(), program.path()), cwd / "here.sav");
    EXPECT_EQ(DesignFileFromCommandLine("there.sav", cwd.path(), program.path()),
              program / "there.sav");
    EXPECT_EQ(DesignFileFromCommandLine("none.sav", cwd.path(), program.path()), cwd / "none.sav");
    EXPECT_EQ(DesignFileFromCommandLine(program / "here.sav", cwd.path(), program.path()),
              program / "here.sav");
}

class CommandLineOpen : public testing::OpenWindow {};

TEST_F(CommandLineOpen, LoadsTheFileAndCalculatesIt) {
    TempDir elsewhere;
    DesignInputs design;
    design.Fr = u"120";
    design.core = u"ETD 34";
    ASSERT_TRUE(WriteDesignFile(elsewhere / "d.sav", design));
    const int runs = dlg.calculationsRun();
    const int pictures = view.pictureInvalidations;
    EXPECT_TRUE(dlg.OpenDesign(elsewhere / "d.sav"));
    EXPECT_GT(dlg.calculationsRun(), runs);
    EXPECT_TRUE(dlg.lastRunCompleted());
    EXPECT_EQ(view.GetText(ctl::kFr), u"120");
    EXPECT_EQ(dlg.inputs().core, u"ETD 34/17/11");
    EXPECT_GT(view.pictureInvalidations, pictures);
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(CommandLineOpen, AFileThatIsNoDesignChangesNothingAndIsSaid) {
    TempDir elsewhere;
    WriteBytes(elsewhere / "text.sav", "no design here");
    const DesignInputs before = dlg.inputs();
    const int runs = dlg.calculationsRun();
    for (const auto& [file, start] :
         {std::pair{elsewhere / "missing.sav", u"Не удалось открыть файл проекта \""},
          std::pair{elsewhere / "text.sav", u"Файл \""}}) {
        view.messages.clear();
        EXPECT_FALSE(dlg.OpenDesign(file));
        ASSERT_EQ(view.messages.size(), 1u);
        EXPECT_EQ(view.messages[0].text.rfind(start, 0), 0u);
        EXPECT_NE(view.messages[0].text.find(FromUtf8(file.string())), Text::npos);
    }
    EXPECT_EQ(dlg.calculationsRun(), runs);
    EXPECT_EQ(dlg.inputs().Fr, before.Fr);
    EXPECT_EQ(dlg.inputs().core, before.core);
}

}  // namespace
}  // namespace kelvara
