#include "session/program_folders.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "refdata/data_files.h"
#include "refdata/file_write.h"
#include "refdata/paths.h"
#include "session/messages.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace kelvara {

namespace fs = std::filesystem;

namespace {

const fs::path kProgramFolderName = PathFromText(files::kProgramFolder);
const fs::path kWireFile = PathFromText(files::kWireTable);

bool IsFile(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

bool Exists(const fs::path& p) {
    std::error_code ec;
    return fs::symlink_status(p, ec).type() != fs::file_type::not_found;
}

// An environment variable as the system's own name; empty when not set.
fs::path EnvPath(const char* name) {
#if defined(_WIN32)
    const std::wstring wide(name, name + std::char_traits<char>::length(name));
    const wchar_t* value = ::_wgetenv(wide.c_str());
    return value ? fs::path(value) : fs::path();
#else
    const char* value = std::getenv(name);
    return value ? fs::path(value) : fs::path();
#endif
}

fs::path ExecutablePath() {
#if defined(_WIN32)
    std::wstring buffer(32768, L'\0');
    const DWORD n = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    buffer.resize(n);
    return fs::path(buffer);
#elif defined(__linux__)
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : exe;
#else
    return {};
#endif
}

fs::path Absolute(const fs::path& p, const fs::path& base) {
    if (p.empty() || p.is_absolute()) return p;
    return (base / p).lexically_normal();
}

// The absolute, normal form of a folder, without a trailing separator.
fs::path FolderPath(const fs::path& dir) {
    std::error_code ec;
    fs::path p = fs::absolute(dir, ec);
    if (ec) return {};
    p = p.lexically_normal();
    if (p.filename().empty() && p.has_relative_path()) p = p.parent_path();
    return p;
}

bool EndsWithIgnoreCase(const fs::path::string_type& name, std::string_view ending) {
    if (name.size() < ending.size()) return false;
    const size_t start = name.size() - ending.size();
    for (size_t i = 0; i < ending.size(); ++i) {
        auto c = name[start + i];
        if (c >= 'A' && c <= 'Z') c = static_cast<decltype(c)>(c - 'A' + 'a');
        if (c != static_cast<decltype(c)>(ending[i])) return false;
    }
    return true;
}

// The bytes of a file; nothing when it cannot be read.
std::optional<std::string> ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

// True when `target` already holds exactly `bytes`.
bool Holds(const fs::path& target, const std::string& bytes) {
    std::error_code ec;
    const auto size = fs::file_size(target, ec);
    if (ec || size != bytes.size()) return false;
    const auto old = ReadBytes(target);
    return old && *old == bytes;
}

}  // namespace

fs::path InstalledDataBeside(const fs::path& executableFolder) {
    if (executableFolder.empty()) return {};
    const fs::path data = (executableFolder / ".." / "share" / "kelvara").lexically_normal();
    return IsFile(data / kWireFile) ? data : fs::path();
}

FolderInputs ProcessFolderInputs(const fs::path& currentDir) {
    FolderInputs in;
    in.currentDir = currentDir;
    in.kelvaraHome = EnvPath("KELVARA_HOME");
    in.xdgDataHome = EnvPath("XDG_DATA_HOME");
    in.home = EnvPath("HOME");
#if defined(_WIN32)
    in.appData = EnvPath("APPDATA");
#endif
    const fs::path exe = ExecutablePath();
    if (!exe.empty()) {
        in.executableFolder = exe.parent_path();
        in.installedData = InstalledDataBeside(in.executableFolder);
    }
    return in;
}

bool IsProgramFolder(const fs::path& dir) {
    if (dir.empty()) return false;
    const fs::path folder = FolderPath(dir);
    if (!folder.has_relative_path()) return false;  // a root folder has no parent
    return IsFile(folder.parent_path() / kWireFile);
}

fs::path UserDataRoot(const FolderInputs& in) {
    if (!in.kelvaraHome.empty()) return Absolute(in.kelvaraHome, in.currentDir);
    if (!in.appData.empty() && in.appData.is_absolute()) return in.appData / kProgramFolderName;
    // Relative values of XDG_DATA_HOME are invalid and ignored.
    if (!in.xdgDataHome.empty() && in.xdgDataHome.is_absolute()) {
        return in.xdgDataHome / kProgramFolderName;
    }
    if (!in.home.empty()) {
        return Absolute(in.home, in.currentDir) / ".local" / "share" / kProgramFolderName;
    }
    return {};
}

bool IsUserFile(const fs::path& relative) {
    const fs::path::string_type name = relative.filename().native();
    return EndsWithIgnoreCase(name, ".sav") || EndsWithIgnoreCase(name, ".ini") ||
           relative.filename() == PathFromText(files::kUserCores);
}

std::vector<FillProblem> FillUserDataRoot(const fs::path& installed, const fs::path& root) {
    std::vector<FillProblem> problems;
    const fs::path program = root / kProgramFolderName;
    if (WriteResult r = CreateFolders(program); !r) {
        problems.push_back({program, r.error});
        return problems;
    }
    if (installed.empty()) return problems;

    std::error_code ec;
    fs::recursive_directory_iterator it(installed, fs::directory_options::skip_permission_denied,
                                        ec);
    if (ec) {
        problems.push_back({installed, ec});
        return problems;
    }
    for (const fs::recursive_directory_iterator end; it != end; it.increment(ec)) {
        if (ec) break;
        const fs::path relative = it->path().lexically_relative(installed);
        const fs::path target = root / relative;
        std::error_code typeError;
        if (it->is_directory(typeError)) {
            if (WriteResult r = CreateFolders(target); !r) problems.push_back({target, r.error});
            continue;
        }
        if (!it->is_regular_file(typeError)) continue;
        // The user's own files are only ever created.
        if (IsUserFile(relative) && Exists(target)) continue;
        const auto bytes = ReadBytes(it->path());
        if (!bytes) {
            problems.push_back({it->path(), std::make_error_code(std::errc::io_error)});
            continue;
        }
        if (Holds(target, *bytes)) continue;
        if (WriteResult r = WriteFileSafely(target, *bytes); !r) {
            problems.push_back({target, r.error});
        }
    }
    // A listing that broke off half-way.
    if (ec) problems.push_back({installed, ec});
    return problems;
}

fs::path ProgramFolderBeside(const fs::path& executableFolder) {
    if (executableFolder.empty()) return {};
    if (IsProgramFolder(executableFolder)) return executableFolder;
    std::error_code ec;
    const fs::path inside = executableFolder / kProgramFolderName;
    if (IsFile(executableFolder / kWireFile) && fs::is_directory(inside, ec)) return inside;
    return {};
}

ProgramFolders FindProgramFolders(const FolderInputs& in) {
    ProgramFolders out;
    out.programFolder = in.currentDir;
    // The installed program folder is read-only for the user: it never
    // counts as a program folder of its own.
    const auto installedOne = [&in](const fs::path& folder) {
        std::error_code ec;
        return !in.installedData.empty() &&
               fs::equivalent(FolderPath(folder).parent_path(), in.installedData, ec);
    };
    if (IsProgramFolder(in.currentDir) && !installedOne(in.currentDir)) return out;
    if (const fs::path beside = ProgramFolderBeside(in.executableFolder);
        !beside.empty() && !installedOne(beside)) {
        out.programFolder = beside;
        return out;
    }
    const fs::path root = UserDataRoot(in);
    if (root.empty()) return out;
    out.userRoot = root;
    out.programFolder = root / kProgramFolderName;
    out.problems = FillUserDataRoot(in.installedData, root);
    return out;
}

Text FillProblemsMessage(const ProgramFolders& folders) {
    if (folders.problems.empty()) return {};
    return TrFormat(msg::kUserRootFailed, {PathDisplayText(folders.userRoot),
                                           PathDisplayText(folders.problems.front().file),
                                           FromUtf8(folders.problems.front().error.message())});
}

fs::path DesignFileFromCommandLine(const fs::path& given, const fs::path& currentDir,
                                   const fs::path& programFolder) {
    if (given.is_absolute() || Exists(currentDir / given)) return Absolute(given, currentDir);
    if (!given.empty() && !programFolder.empty() && Exists(programFolder / given)) {
        return programFolder / given;
    }
    return Absolute(given, currentDir);
}

}  // namespace kelvara
