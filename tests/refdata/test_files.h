// Helpers for the reference-data tests: a temporary folder that removes itself
// and the writing of texts as the files the program reads.
#pragma once

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

#include "refdata/text.h"

namespace kelvara::test {

// The bytes of `text` in UTF-16 little-endian, with or without the FF FE mark.
inline std::string Utf16Bytes(TextView text, bool mark = true) {
    std::string bytes;
    bytes.reserve(text.size() * 2 + 2);
    if (mark) bytes.append("\xFF\xFE");
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

inline void WriteBytes(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline void WriteUtf16File(const std::filesystem::path& file, TextView text, bool mark = true) {
    WriteBytes(file, Utf16Bytes(text, mark));
}

// A fresh folder under the system's temporary folder, removed with all its
// contents when the object goes.
class TempDir {
  public:
    TempDir() {
        static std::atomic<unsigned> counter{0};
        std::random_device random;
        const auto base = std::filesystem::temp_directory_path();
        for (;;) {
            path_ = base / ("kelvara-refdata-" + std::to_string(random()) + "-" +
                            std::to_string(counter++));
            if (std::filesystem::create_directory(path_)) break;
        }
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const {
        return path_ / name;
    }

  private:
    std::filesystem::path path_;
};

}  // namespace kelvara::test
