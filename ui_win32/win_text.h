// The program's UTF-16 texts and the wide strings of the Windows API (the
// same code units), and the text of a window.
#pragma once

#include <string>
#include <string_view>

#include "ui_win32/win32.h"
#include "window/text.h"

namespace kelvara::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide characters are UTF-16");

inline std::wstring W(TextView text) {
    return std::wstring(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}

inline Text T(std::wstring_view text) {
    return Text(reinterpret_cast<const char16_t*>(text.data()), text.size());
}

// The text of a window or control.
inline Text WindowText(HWND hwnd) {
    if (!hwnd) return {};
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return T(text);
}

// Line ends as a multi-line edit control wants them: every LF and lone CR a CR LF.
inline std::wstring WithCrLf(TextView text) {
    std::wstring out;
    out.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r') {
            out += L"\r\n";
            if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        } else if (c == u'\n') {
            out += L"\r\n";
        } else {
            out += static_cast<wchar_t>(c);
        }
    }
    return out;
}

}  // namespace kelvara::win32
