#include "refdata/text_file.h"

#include <fstream>
#include <system_error>

namespace kelvara {

namespace {

// Decodes little-endian code units from `bytes` (an odd last byte is ignored),
// stopping at the first NUL unit.
Text DecodeUtf16Le(std::string_view bytes) {
    const size_t units = bytes.size() / 2;
    Text out;
    out.reserve(units);
    for (size_t i = 0; i < units; ++i) {
        const auto lo = static_cast<unsigned char>(bytes[2 * i]);
        const auto hi = static_cast<unsigned char>(bytes[2 * i + 1]);
        const auto unit = static_cast<char16_t>(lo | (hi << 8));
        if (unit == 0) break;
        out.push_back(unit);
    }
    return out;
}

// The bytes up to (not including) the first NUL byte.
std::string_view UpToNul(std::string_view bytes) {
    const size_t nul = bytes.find('\0');
    return nul == std::string_view::npos ? bytes : bytes.substr(0, nul);
}

// Whether unmarked bytes look like UTF-16 LE text: at least half of the high
// (odd-position) bytes are 0x00 (Latin, digits, punctuation) or 0x04
// (Cyrillic). UTF-8 text has neither there: its ASCII bytes are never 0 or 4,
// and its multi-byte sequences use bytes of 0x80 and above.
bool LooksLikeUtf16Le(std::string_view bytes) {
    const size_t units = bytes.size() / 2;
    if (units == 0) return false;
    size_t typical = 0;
    for (size_t i = 0; i < units; ++i) {
        const auto hi = static_cast<unsigned char>(bytes[2 * i + 1]);
        if (hi == 0x00 || hi == 0x04) ++typical;
    }
    return typical * 2 >= units;
}

}  // namespace

Text DecodeFileBytes(std::string_view bytes) {
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        return DecodeUtf16Le(bytes.substr(2));
    }
    if (bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xEF &&
        static_cast<unsigned char>(bytes[1]) == 0xBB &&
        static_cast<unsigned char>(bytes[2]) == 0xBF) {
        return FromUtf8(UpToNul(bytes.substr(3)));
    }
    if (LooksLikeUtf16Le(bytes)) return DecodeUtf16Le(bytes);
    const std::string_view utf8 = UpToNul(bytes);
    if (IsValidUtf8(utf8)) return FromUtf8(utf8);
    return DecodeUtf16Le(bytes);
}

std::optional<Text> ReadTextFile(const std::filesystem::path& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::is_regular_file(status)) return std::nullopt;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxTextFileBytes) return std::nullopt;

    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    // Read to the end rather than trusting the size taken above, so that a
    // file that grew meanwhile is still held to the limit.
    std::string bytes;
    bytes.reserve(static_cast<size_t>(size));
    char chunk[1 << 16];
    while (in) {
        in.read(chunk, sizeof chunk);
        const auto n = static_cast<size_t>(in.gcount());
        if (bytes.size() + n > kMaxTextFileBytes) return std::nullopt;
        bytes.append(chunk, n);
    }
    if (in.bad()) return std::nullopt;
    return DecodeFileBytes(bytes);
}

}  // namespace kelvara
