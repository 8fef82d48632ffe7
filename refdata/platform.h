// What differs between the systems the programs run on, and nothing else
// asks which system that is: how a program receives its arguments, how a path
// is spelled as a narrow string, and whether standard output changes line
// ends. (How a path becomes a text for the user is refdata/paths.h.)
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kelvara::platform {

// The program's arguments after its own name, as narrow strings. POSIX: the
// bytes the system passed, unchanged. Windows: the UTF-16 command line in
// UTF-8 (`argv` holds it in the ANSI code page, which loses every letter
// outside that page); an unpaired surrogate becomes U+FFFD.
std::vector<std::string> Arguments(int argc, char** argv);

// A path given as a narrow string (an argument) and back: the system's bytes
// on POSIX, UTF-8 on Windows. std::filesystem::path's own constructor from a
// std::string reads the ANSI code page on Windows, never UTF-8.
std::filesystem::path PathFromArgument(std::string_view argument);
std::string ArgumentFromPath(const std::filesystem::path& path);

// Standard output and standard error write their bytes as they are: "\n"
// stays one LF, so every system prints the same bytes.
void UseBinaryStandardStreams();

}  // namespace kelvara::platform
