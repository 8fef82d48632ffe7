#include "designs/safe_write.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <system_error>

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

}  // namespace

bool WriteFileSafely(const fs::path& target, std::string_view bytes) {
    std::error_code ec;
    if (fs::is_directory(target, ec)) return false;
    const fs::path tmp = TemporaryNameFor(target);
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(tmp, ec);
            return false;
        }
        out.close();
        if (out.fail()) {
            fs::remove(tmp, ec);
            return false;
        }
    }
    fs::rename(tmp, target, ec);
    if (ec) {
        fs::remove(tmp, ec);
        return false;
    }
    return true;
}

}  // namespace kelvara
