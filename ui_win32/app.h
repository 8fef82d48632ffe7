// The program on Windows: its command line (the window's options), the
// program folder by the folder rule, and the main window run until it closes.
#pragma once

#include <string_view>

namespace kelvara::win32 {

// Runs the program with the process's command line; returns its exit status.
int RunProgram();

// Writes UTF-8 text to standard output or standard error as it is (LF line
// ends): into a file or pipe as bytes, into a console as its characters. A
// program of the window subsystem started from a console writes there too.
void PrintOut(std::string_view text);
void PrintError(std::string_view text);

// Registers the common control classes the windows use.
void InitControls();

}  // namespace kelvara::win32
