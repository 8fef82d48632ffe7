#include "refdata/paths.h"

namespace kelvara {

#ifdef _WIN32

namespace {

bool HasUnpairedSurrogate(TextView t) {
    for (size_t i = 0; i < t.size(); ++i) {
        const char16_t c = t[i];
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 1 < t.size() && t[i + 1] >= 0xDC00 && t[i + 1] <= 0xDFFF) {
                ++i;
                continue;
            }
            return true;
        }
        if (c >= 0xDC00 && c <= 0xDFFF) return true;
    }
    return false;
}

Text NativeUnits(const std::filesystem::path& path) {
    const std::wstring& native = path.native();
    return Text(native.begin(), native.end());
}

}  // namespace

std::optional<Text> PathText(const std::filesystem::path& path) {
    Text text = NativeUnits(path);
    if (HasUnpairedSurrogate(text)) return std::nullopt;
    return text;
}

Text PathDisplayText(const std::filesystem::path& path) {
    return FromUtf8(ToUtf8(NativeUnits(path)));
}

std::filesystem::path PathFromText(TextView text) {
    const Text clean = FromUtf8(ToUtf8(text));
    return std::filesystem::path(std::wstring(clean.begin(), clean.end()));
}

#else

std::optional<Text> PathText(const std::filesystem::path& path) {
    const std::string& native = path.native();
    if (!IsValidUtf8(native)) return std::nullopt;
    return FromUtf8(native);
}

Text PathDisplayText(const std::filesystem::path& path) {
    return FromUtf8(path.native());
}

std::filesystem::path PathFromText(TextView text) {
    return std::filesystem::path(ToUtf8(text));
}

#endif

}  // namespace kelvara
