#include "ui_win32/app.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "kelvara/version.h"
#include "session/program_folders.h"
#include "ui_win32/gdiplus.h"
#include "ui_win32/language.h"
#include "ui_win32/main_window.h"
#include "ui_win32/win_text.h"
#include "window/start_options.h"

namespace kelvara::win32 {

namespace {

// A standard handle the program can write to; a console's when the process
// was started from one without its own.
HANDLE OutputHandle(DWORD which) {
    HANDLE h = GetStdHandle(which);
    if (h && h != INVALID_HANDLE_VALUE) return h;
    static bool attached = false;
    if (!attached) {
        attached = true;
        AttachConsole(ATTACH_PARENT_PROCESS);
    }
    h = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                    nullptr);
    if (h != INVALID_HANDLE_VALUE) SetStdHandle(which, h);
    return h;
}

void Write(DWORD which, std::string_view text) {
    const HANDLE h = OutputHandle(which);
    if (!h || h == INVALID_HANDLE_VALUE || text.empty()) return;
    DWORD mode = 0;
    if (GetConsoleMode(h, &mode)) {
        const std::wstring wide = W(FromUtf8(text));
        DWORD written = 0;
        WriteConsoleW(h, wide.c_str(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    while (!text.empty()) {
        DWORD written = 0;
        if (!WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
            written == 0) {
            return;
        }
        text.remove_prefix(written);
    }
}

std::vector<std::filesystem::path> Arguments() {
    std::vector<std::filesystem::path> args;
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!argv) return args;
    for (int i = 1; i < count; ++i) args.emplace_back(argv[i]);
    LocalFree(argv);
    return args;
}

// --start-check: the window on screen with its first results; they are
// printed as "label: value unit" lines read back from the window's controls.
int StartCheck(MainWindow& window, const std::filesystem::path& programFolder, int messages) {
    window.Show();
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!IsWindowVisible(window.hwnd()) && std::chrono::steady_clock::now() < until) {
        PumpWaitingMessages();
        Sleep(10);
    }
    PumpWaitingMessages();
    const bool shown = IsWindowVisible(window.hwnd()) != FALSE;
    PrintOut(StartCheckReport(programFolder, window.Caption(), shown, window));
    const bool ok = shown && window.dialog().lastRunCompleted() && messages == 0;
    ShowWindow(window.hwnd(), SW_HIDE);
    return ok ? 0 : 1;
}

}  // namespace

void PrintOut(std::string_view text) {
    Write(STD_OUTPUT_HANDLE, text);
}

void PrintError(std::string_view text) {
    Write(STD_ERROR_HANDLE, text);
}

void InitControls() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_LINK_CLASS;
    InitCommonControlsEx(&controls);
}

int RunProgram() {
    const StartOptions options = ParseStartOptions(Arguments());
    if (options.help) {
        PrintOut(WindowUsage());
        return 0;
    }
    if (options.version) {
        PrintOut("kelvara " + std::string(kProgramVersionUtf8) + "\n");
        return 0;
    }
    if (!options.error.empty()) {
        PrintError("kelvara: " + options.error + "\nTry 'kelvara --help'.\n");
        return 2;
    }
    InitControls();
    const GdiplusSession gdiplus;
    // The language the user chose last; Russian at the first start.
    SetLanguage(StoredLanguage());
    std::error_code ec;
    std::filesystem::path current = std::filesystem::current_path(ec);
    if (ec) current = std::filesystem::path(".");
    const ProgramFolders folders = FindProgramFolders(ProcessFolderInputs(current));

    MainWindow window;
    if (!window.Create()) {
        PrintError("kelvara: the window cannot be made\n");
        return 1;
    }
    int messages = 0;
    if (options.startCheck) {
        window.SetMessageHook([&messages](TextView caption, TextView text, View::Buttons) {
            ++messages;
            PrintOut(ToUtf8(caption) + ": " + ToUtf8(text) + "\n");
            return View::Answer::Ok;
        });
    }
    if (const Text problems = FillProblemsMessage(folders); !problems.empty()) {
        window.dialog().Warning(problems);
    }
    // A missing wire table or material folder ends the program with the
    // message already shown; nothing is written.
    if (!window.Open(folders.programFolder)) return 1;
    if (options.designFile) {
        window.dialog().OpenDesign(
            DesignFileFromCommandLine(*options.designFile, current, folders.programFolder));
    }
    if (options.startCheck) return StartCheck(window, folders.programFolder, messages);
    window.Show();
    return window.Run();
}

}  // namespace kelvara::win32
