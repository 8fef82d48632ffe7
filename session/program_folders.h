// Where the program keeps its files, for the window and kelvara-calc alike.
//
// A program folder is a folder whose parent, the data root, holds "Wire.txt".
// Started in one, the program uses it as it is (the portable layout); so it
// does with a program folder beside its executable (a portable copy started
// from a file manager, whatever the current folder). Started anywhere else
// (from a desktop or Start menu, a file manager, a terminal in the home
// folder) it uses the per-user data root and its program folder "Kelvara/",
// which it fills from the reference data installed with the program
// (<folder of the executable>/../share/kelvara): whatever is missing is added
// and the shipped reference files are kept current, while the user's own files
// ("Kelvara.ini", designs, "UserFerritesCores.txt") are never replaced.
#pragma once

#include <filesystem>
#include <system_error>
#include <vector>

#include "refdata/text.h"

namespace kelvara {

// What the folder rule looks at.
struct FolderInputs {
    std::filesystem::path currentDir;
    std::filesystem::path kelvaraHome;    // $KELVARA_HOME (empty when not set)
    std::filesystem::path xdgDataHome;    // $XDG_DATA_HOME
    std::filesystem::path home;           // $HOME
    std::filesystem::path appData;        // %APPDATA% (Windows only; empty elsewhere)
    std::filesystem::path installedData;  // the installed data root (empty: none found)
    // The folder of the running program (empty when unknown).
    std::filesystem::path executableFolder;
};

// The inputs of this process: its environment, its executable's folder, and
// the installed data root beside its executable when that holds "Wire.txt".
FolderInputs ProcessFolderInputs(const std::filesystem::path& currentDir);

// The installed data root of an executable in `executableFolder`:
// ../share/kelvara beside it, when that holds "Wire.txt"; empty otherwise.
std::filesystem::path InstalledDataBeside(const std::filesystem::path& executableFolder);

// True when the parent of `dir` holds "Wire.txt".
bool IsProgramFolder(const std::filesystem::path& dir);

// The per-user data root: $KELVARA_HOME, else %APPDATA%\Kelvara on Windows,
// else $XDG_DATA_HOME/Kelvara (an absolute one only), else
// $HOME/.local/share/Kelvara; empty when none is set.
std::filesystem::path UserDataRoot(const FolderInputs& in);

// True for a file of the data root that belongs to the user (a path relative
// to the root): designs (".sav"), settings (".ini") and "UserFerritesCores.txt".
// Such a file is created when it is missing and never replaced.
bool IsUserFile(const std::filesystem::path& relative);

struct FillProblem {
    std::filesystem::path file;  // the file or folder that could not be written
    std::error_code error;
};

// Brings `root` up to the installed data root `installed`: creates `root` and
// its program folder "Kelvara", copies every installed file that is missing,
// and replaces every shipped reference file whose bytes differ from the
// installed one. Files the user added are left alone. Returns what failed.
std::vector<FillProblem> FillUserDataRoot(const std::filesystem::path& installed,
                                          const std::filesystem::path& root);

struct ProgramFolders {
    // The folder the program runs in: "Kelvara.ini" and the designs are
    // there, the reference data in its parent.
    std::filesystem::path programFolder;
    // The per-user data root in use; empty when the current folder is used.
    std::filesystem::path userRoot;
    std::vector<FillProblem> problems;
};

// The program folder beside an executable in `executableFolder`: that folder
// itself when it is a program folder, else its "Kelvara" folder when it holds
// "Wire.txt" beside that folder (a portable copy); empty when neither.
std::filesystem::path ProgramFolderBeside(const std::filesystem::path& executableFolder);

// The folder rule. The current folder is used when it is a program folder
// (but not the installed one, which the user cannot write); else the program
// folder beside the executable; the current folder also when no per-user root
// can be named; otherwise the per-user root, filled from the installed data
// when there is any.
ProgramFolders FindProgramFolders(const FolderInputs& in);

// The message for a per-user root that could not be filled completely; empty
// when nothing failed.
Text FillProblemsMessage(const ProgramFolders& folders);

// The design file a command line names: the name as given (relative names to
// the current folder) when something of that name exists there, else a
// relative name's file in the program folder when that exists; otherwise the
// name as given, so that the error names it.
std::filesystem::path DesignFileFromCommandLine(const std::filesystem::path& given,
                                                const std::filesystem::path& currentDir,
                                                const std::filesystem::path& programFolder);

}  // namespace kelvara
