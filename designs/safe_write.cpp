#include "designs/safe_write.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <system_error>

namespace kelvara {

namespace fs = std::filesystem;

namespace {

fs::path TemporaryNameFor(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    fs::path tmp = target;
    tmp += ".tmp" + std::to_string(stamp % 1000000007) + "_" + std::to_string(counter++);
    return tmp;
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
