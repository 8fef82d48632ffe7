// The window's command line, the same for every front end: its options and
// the design it opens, its help text, and what --start-check prints.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "window/view.h"

namespace kelvara {

// What the command line asks of the window (a toolkit's own options taken out).
struct StartOptions {
    bool help = false;
    bool version = false;
    // Open, print the first results and any message, and quit.
    bool startCheck = false;
    std::optional<std::filesystem::path> designFile;
    std::string error;  // a usage error; empty when the line is fine
};
StartOptions ParseStartOptions(const std::vector<std::filesystem::path>& args);

// The text of --help, naming this system's per-user data root.
std::string_view WindowUsage();

// A folder's name for a printed line: the system's bytes on POSIX, UTF-8 on
// Windows (names that are not text may show replacement characters).
std::string PrintedPath(const std::filesystem::path& path);

// What --start-check prints: the program folder, the window's caption
// (marked when the window could not be shown), then the required gap or AL
// and every result row as "label: value unit" lines read back from the
// window's controls.
std::string StartCheckReport(const std::filesystem::path& programFolder, TextView caption,
                             bool shown, const View& view);

}  // namespace kelvara
