#include "refdata/platform.h"

#include "refdata/text.h"

#ifdef _WIN32
#include <windows.h>
// After windows.h, which they need.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#endif

namespace kelvara::platform {

namespace fs = std::filesystem;

#ifdef _WIN32

namespace {

Text TextOf(std::wstring_view wide) {
    return Text(wide.begin(), wide.end());
}

}  // namespace

std::vector<std::string> Arguments(int, char**) {
    std::vector<std::string> out;
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!wide) return out;
    for (int i = 1; i < count; ++i) out.push_back(ToUtf8(TextOf(wide[i])));
    ::LocalFree(wide);
    return out;
}

fs::path PathFromArgument(std::string_view argument) {
    const Text text = FromUtf8(argument);
    return fs::path(std::wstring(text.begin(), text.end()));
}

std::string ArgumentFromPath(const fs::path& path) {
    return ToUtf8(TextOf(path.native()));
}

void UseBinaryStandardStreams() {
    std::fflush(stdout);
    std::fflush(stderr);
    (void)_setmode(_fileno(stdout), _O_BINARY);
    (void)_setmode(_fileno(stderr), _O_BINARY);
}

#else

std::vector<std::string> Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

fs::path PathFromArgument(std::string_view argument) {
    return fs::path(std::string(argument));
}

std::string ArgumentFromPath(const fs::path& path) {
    return path.native();
}

void UseBinaryStandardStreams() {}

#endif

}  // namespace kelvara::platform
