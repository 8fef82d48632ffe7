#include "refdata/file_write.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <fstream>
#include <string>

namespace kelvara {

namespace fs = std::filesystem;

namespace {

// A short name beside the target, so even a target name at the file
// system's length limit can be written.
fs::path TemporaryNameFor(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const std::string name =
        ".kelvara-" + std::to_string(static_cast<unsigned long long>(stamp) % 1000000007ULL) + "-" +
        std::to_string(counter++) + ".tmp";
    return target.parent_path() / name;
}

// The reason of the last failed stream operation (errno where the library
// set one, otherwise a generic I/O error).
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

}  // namespace

WriteResult WriteFileSafely(const fs::path& target, std::string_view bytes) {
    std::error_code ec;
    if (fs::is_directory(target, ec)) return {std::make_error_code(std::errc::is_a_directory)};
    const fs::path tmp = TemporaryNameFor(target);
    {
        errno = 0;
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out) return {LastError()};
        if (const std::error_code e = WriteAndClose(out, bytes)) {
            fs::remove(tmp, ec);
            return {e};
        }
    }
    std::error_code renameError;
    fs::rename(tmp, target, renameError);
    if (renameError) {
        fs::remove(tmp, ec);
        return {renameError};
    }
    return {};
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

}  // namespace kelvara
