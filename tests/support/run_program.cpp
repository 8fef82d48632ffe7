#include "support/run_program.h"

#include "refdata/text.h"
#include "support/temp_dir.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace kelvara::testing {

namespace fs = std::filesystem;

#ifdef _WIN32

namespace {

// One argument as CommandLineToArgvW reads it back: quoted when it is empty
// or holds a blank or a quote; backslashes are doubled only before a quote.
void AppendQuoted(std::u16string& line, const std::u16string& arg) {
    if (!arg.empty() && arg.find_first_of(u" \t\n\v\"") == std::u16string::npos) {
        line += arg;
        return;
    }
    line += u'"';
    size_t backslashes = 0;
    for (const char16_t c : arg) {
        if (c == u'\\') {
            ++backslashes;
            continue;
        }
        if (c == u'"') backslashes = backslashes * 2 + 1;
        line.append(backslashes, u'\\');
        backslashes = 0;
        line += c;
    }
    line.append(backslashes * 2, u'\\');
    line += u'"';
}

std::u16string WindowsCommandLine(const std::u16string& program,
                                  const std::vector<std::u16string>& arguments) {
    // The program's name ends at the next quote, whatever it holds.
    std::u16string line = u"\"" + program + u"\"";
    for (const std::u16string& a : arguments) {
        line += u' ';
        AppendQuoted(line, a);
    }
    return line;
}

std::wstring Wide(const std::u16string& s) {
    return std::wstring(s.begin(), s.end());
}

HANDLE CreateInheritable(const fs::path& file, DWORD access, DWORD disposition) {
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    return ::CreateFileW(file.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa, disposition,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

ProgramRun RunProgram(const fs::path& program, const std::vector<std::string>& arguments,
                      const fs::path& folder) {
    TempDir io;
    ProgramRun run;
    const fs::path exe = fs::absolute(program);
    std::vector<std::u16string> args;
    for (const std::string& a : arguments) args.push_back(FromUtf8(a));
    const std::wstring exeName = exe.native();
    std::wstring line =
        Wide(WindowsCommandLine(std::u16string(exeName.begin(), exeName.end()), args));

    HANDLE in = CreateInheritable("NUL", GENERIC_READ, OPEN_EXISTING);
    HANDLE out = CreateInheritable(io / "out", GENERIC_WRITE, CREATE_ALWAYS);
    HANDLE err = CreateInheritable(io / "err", GENERIC_WRITE, CREATE_ALWAYS);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = in;
    si.hStdOutput = out;
    si.hStdError = err;
    PROCESS_INFORMATION pi{};
    const bool started = in != INVALID_HANDLE_VALUE && out != INVALID_HANDLE_VALUE &&
                         err != INVALID_HANDLE_VALUE &&
                         ::CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, TRUE, 0,
                                          nullptr, fs::absolute(folder).c_str(), &si, &pi);
    for (HANDLE h : {in, out, err}) {
        if (h != INVALID_HANDLE_VALUE) ::CloseHandle(h);
    }
    if (started) {
        ::WaitForSingleObject(pi.hProcess, INFINITE);
        DWORD code = 0;
        if (::GetExitCodeProcess(pi.hProcess, &code)) run.status = static_cast<int>(code);
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
    }
    run.out = ReadBytes(io / "out");
    run.err = ReadBytes(io / "err");
    return run;
}

#else

ProgramRun RunProgram(const fs::path& program, const std::vector<std::string>& arguments,
                      const fs::path& folder) {
    TempDir io;
    ProgramRun run;
    const fs::path exe = fs::absolute(program);
    const fs::path outFile = io / "out";
    const fs::path errFile = io / "err";
    std::vector<char*> argv;
    std::string name = exe.native();
    argv.push_back(name.data());
    std::vector<std::string> args = arguments;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);

    const pid_t pid = ::fork();
    if (pid < 0) return run;
    if (pid == 0) {
        // Only calls that are safe between fork and exec.
        const int in = ::open("/dev/null", O_RDONLY);
        const int out = ::open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (in < 0 || out < 0 || err < 0 || ::dup2(in, 0) < 0 || ::dup2(out, 1) < 0 ||
            ::dup2(err, 2) < 0 || ::chdir(folder.c_str()) != 0) {
            ::_exit(127);
        }
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return run;
    }
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadBytes(outFile);
    run.err = ReadBytes(errFile);
    return run;
}

#endif

}  // namespace kelvara::testing
