#include "refdata/file_write.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string>
#include <type_traits>

#if defined(__unix__)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kelvara {

namespace fs = std::filesystem;

namespace {

// The reason of the last failed stream or system call (errno where one was
// set, otherwise a generic I/O error).
std::error_code LastError() {
    const int e = errno;
    return std::error_code(e != 0 ? e : EIO, std::generic_category());
}

// Writes all bytes to an open stream and closes it; the error, if any.
std::error_code WriteAndClose(std::ofstream& out, std::string_view bytes) {
    errno = 0;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) return LastError();
    out.close();
    if (out.fail()) return LastError();
    return {};
}

// The file that a write really replaces: a symbolic link is followed to the
// file it names, which may not exist yet; the link itself stays.
std::error_code FollowLinks(const fs::path& target, fs::path& file) {
    file = target;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (fs::symlink_status(file, ec).type() != fs::file_type::symlink) return {};
        const fs::path link = fs::read_symlink(file, ec);
        if (ec) return ec;
        file = link.is_absolute() ? link : file.parent_path() / link;
    }
    return std::make_error_code(std::errc::too_many_symbolic_link_levels);
}

// A file without any write permission bit is one the user protected; it is
// never replaced, also not by a user (root) whom the system lets write
// everything. Elsewhere the system's own answer for this user counts.
bool IsWriteProtected(const fs::path& file) {
    std::error_code ec;
    const fs::file_status status = fs::status(file, ec);
    if (ec || !fs::is_regular_file(status)) return false;
    constexpr fs::perms kAnyWrite =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if ((status.permissions() & kAnyWrite) == fs::perms::none) return true;
#if defined(__unix__)
    return ::access(file.c_str(), W_OK) != 0 && errno == EACCES;
#else
    return false;
#endif
}

// Longest file name the program makes (bytes, or UTF-16 units on Windows).
constexpr size_t kMaxNameLength = 255;

// One temporary name per target, beside it: ".<name>.kelvara.tmp", or, when
// that would pass the length limit of a file name, ".kelvara-<hash of the
// name>.tmp". A write killed half-way thus leaves at most this one file, and
// the next write of the same target replaces it.
fs::path TemporaryNameFor(const fs::path& file) {
    fs::path name(".");
    name += file.filename();
    name += ".kelvara.tmp";
    if (name.native().size() > kMaxNameLength) {
        uint64_t hash = 14695981039346656037ull;  // FNV-1a
        const fs::path filename = file.filename();
        for (const fs::path::value_type c : filename.native()) {
            hash ^=
                static_cast<uint64_t>(static_cast<std::make_unsigned_t<fs::path::value_type>>(c));
            hash *= 1099511628211ull;
        }
        char hex[17];
        std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
        name = std::string(".kelvara-") + hex + ".tmp";
    }
    return file.parent_path() / name;
}

#if defined(__unix__)

std::error_code ErrnoError() {
    return std::error_code(errno, std::generic_category());
}

// Creates `tmp` with `bytes` and the permission bits of the file it will
// replace, and flushes it to the disk.
std::error_code WriteNewFile(const fs::path& tmp, std::string_view bytes,
                             std::optional<fs::perms> keepPerms) {
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) return ErrnoError();
    if (keepPerms) (void)::fchmod(fd, static_cast<mode_t>(*keepPerms & fs::perms::mask));
    std::error_code error;
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            error = ErrnoError();
            break;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    if (!error && ::fsync(fd) != 0) error = ErrnoError();
    if (::close(fd) != 0 && !error) error = ErrnoError();
    return error;
}

// Flushes a folder's entries (the rename) to the disk. A file system that
// cannot do so for folders answers EINVAL, which is no failure.
std::error_code SyncFolder(const fs::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return ErrnoError();
    std::error_code error;
    if (::fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP) error = ErrnoError();
    ::close(fd);
    return error;
}

#else

std::error_code WriteNewFile(const fs::path& tmp, std::string_view bytes,
                             std::optional<fs::perms> keepPerms) {
    errno = 0;
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out) return LastError();
    if (const std::error_code e = WriteAndClose(out, bytes)) return e;
    std::error_code ec;
    if (keepPerms) fs::permissions(tmp, *keepPerms, ec);
    return {};
}

std::error_code SyncFolder(const fs::path&) {
    return {};
}

#endif

}  // namespace

WriteResult WriteFileSafely(const fs::path& target, std::string_view bytes) {
    std::error_code ec;
    if (fs::is_directory(target, ec)) return {std::make_error_code(std::errc::is_a_directory)};
    fs::path file;
    if (const std::error_code e = FollowLinks(target, file)) return {e};
    if (IsWriteProtected(file)) return {std::make_error_code(std::errc::permission_denied)};
    std::optional<fs::perms> keepPerms;
    const fs::file_status old = fs::status(file, ec);
    if (!ec && fs::is_regular_file(old)) keepPerms = old.permissions();

    const fs::path tmp = TemporaryNameFor(file);
    // What an earlier write left behind is replaced.
    fs::remove(tmp, ec);
    if (const std::error_code e = WriteNewFile(tmp, bytes, keepPerms)) {
        fs::remove(tmp, ec);
        return {e};
    }
    std::error_code renameError;
    fs::rename(tmp, file, renameError);
    if (renameError) {
        fs::remove(tmp, ec);
        return {renameError};
    }
    // The save counts as done only once the new entry is on the disk too.
    return {SyncFolder(file.parent_path())};
}

WriteResult AppendWithRollback(const fs::path& target, std::string_view bytes) {
    std::error_code ec;
    const bool existed = fs::exists(target, ec);
    std::error_code sizeError;
    const auto oldSize = existed ? fs::file_size(target, sizeError) : 0;
    errno = 0;
    std::ofstream out(target, std::ios::binary | std::ios::app);
    std::error_code error = out ? WriteAndClose(out, bytes) : LastError();
    if (!error) return {};
    // Leave the file as it was.
    if (existed) {
        if (!sizeError) fs::resize_file(target, oldSize, ec);
    } else {
        fs::remove(target, ec);
    }
    return {error};
}

WriteResult CreateIfMissing(const fs::path& target) {
    std::error_code ec;
    const auto status = fs::symlink_status(target, ec);
    if (status.type() != fs::file_type::not_found) return {};
    errno = 0;
    std::ofstream create(target, std::ios::binary | std::ios::out);
    if (!create) return {LastError()};
    create.close();
    if (create.fail()) return {LastError()};
    return {};
}

WriteResult CreateFolders(const fs::path& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) return {ec};
    // create_directories answers nothing when a file already has the name.
    if (!fs::is_directory(folder, ec)) {
        return {ec ? ec : std::make_error_code(std::errc::not_a_directory)};
    }
    return {};
}

}  // namespace kelvara
