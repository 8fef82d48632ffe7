// A fresh temporary folder per test, removed afterwards.
#pragma once

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <system_error>

#include "refdata/text.h"

namespace kelvara::testing {

class TempDir {
  public:
    TempDir() {
        static std::atomic<int> counter{0};
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                ("kelvara_test_" + std::to_string(rd()) + "_" + std::to_string(counter++));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& p) const { return path_ / p; }

  private:
    std::filesystem::path path_;
};

inline std::string Utf16Bytes(TextView text, bool mark = true) {
    std::string out = mark ? std::string("\xFF\xFE") : std::string();
    for (char16_t c : text) {
        out.push_back(static_cast<char>(c & 0xFF));
        out.push_back(static_cast<char>(c >> 8));
    }
    return out;
}

inline void WriteBytes(const std::filesystem::path& file, std::string_view bytes) {
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline void WriteUtf16(const std::filesystem::path& file, TextView text, bool mark = true) {
    WriteBytes(file, Utf16Bytes(text, mark));
}

inline std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// True when the process can ignore file permissions (root), so read-only
// folders cannot be tested.
inline bool IgnoresPermissions(const std::filesystem::path& dir) {
    std::error_code ec;
    const auto probeDir = dir / "ro_probe";
    std::filesystem::create_directories(probeDir, ec);
    std::filesystem::permissions(
        probeDir, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec, ec);
    std::ofstream probe(probeDir / "x");
    const bool writable = static_cast<bool>(probe);
    probe.close();
    std::filesystem::permissions(probeDir, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(probeDir, ec);
    return writable;
}

// A file name that is not valid text on this system: `stem` and then a byte
// that is never UTF-8 (names of bytes) or an unpaired surrogate (names of
// UTF-16 units).
inline std::filesystem::path NameThatIsNotText(std::string_view stem) {
    using Unit = std::filesystem::path::value_type;
    std::filesystem::path::string_type name(stem.begin(), stem.end());
    name.push_back(sizeof(Unit) == 1 ? static_cast<Unit>('\xff') : static_cast<Unit>(0xD800));
    return name;
}

// Whether folders and files with such names can be made here. Wine keeps
// names in UTF-8 and refuses an unpaired surrogate.
inline bool MakesNamesThatAreNotText() {
    TempDir probe;
    std::error_code ec;
    return std::filesystem::create_directory(probe / NameThatIsNotText("probe"), ec) && !ec;
}

// Whether this system and its C++ library make symbolic links (MinGW's
// libstdc++ does not).
inline bool MakesSymbolicLinks() {
    TempDir probe;
    std::error_code ec;
    std::filesystem::create_symlink("target", probe / "link", ec);
    return !ec;
}
inline constexpr char kNoSymbolicLinks[] = "no symbolic links can be made here";

}  // namespace kelvara::testing

#if defined(__unix__)
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kelvara::testing {

// Runs `body` in a child process that cannot write into folders it does not
// own (as an unprivileged user when the tests run as root). Returns the
// child's exit status, or -1 when it could not be run.
template <typename Body>
int RunUnprivileged(Body body) {
    const pid_t pid = fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        if (geteuid() == 0) {
            if (setgid(65534) != 0 || setuid(65534) != 0) _exit(99);
        }
        _exit(body());
    }
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace kelvara::testing
#endif
