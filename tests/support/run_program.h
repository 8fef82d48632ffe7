// Runs a program in a folder, as a user would from a shell there, and
// collects its exit status and what it wrote, on POSIX systems and Windows.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kelvara::testing {

struct ProgramRun {
    int status = -1;  // the exit status; -1 when it could not run or did not exit
    std::string out;  // standard output, byte for byte
    std::string err;  // standard error, byte for byte
};

// `arguments` are narrow strings as platform::Arguments gives them to the
// program (the system's bytes on POSIX, UTF-8 on Windows). Standard input is
// empty; nothing is written into `folder` for the run itself.
ProgramRun RunProgram(const std::filesystem::path& program,
                      const std::vector<std::string>& arguments,
                      const std::filesystem::path& folder);

}  // namespace kelvara::testing
