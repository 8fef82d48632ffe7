#include "ui_win32/language.h"

#include "ui_win32/win32.h"

namespace kelvara::win32 {

namespace {

constexpr const wchar_t* kValue = L"Language";

std::wstring& Key() {
    static std::wstring key = kLanguageKey;
    return key;
}

}  // namespace

void SetLanguageKey(std::wstring key) {
    Key() = std::move(key);
}

const std::wstring& LanguageKey() {
    return Key();
}

Language StoredLanguage() {
    wchar_t name[8] = {};
    DWORD bytes = sizeof name - sizeof(wchar_t);
    DWORD type = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, Key().c_str(), kValue, RRF_RT_REG_SZ, &type, name,
                     &bytes) != ERROR_SUCCESS) {
        return Language::Russian;
    }
    return std::wstring_view(name) == L"en" ? Language::English : Language::Russian;
}

bool StoreLanguage(Language language) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, Key().c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const wchar_t* name = language == Language::English ? L"en" : L"ru";
    const LONG r = RegSetValueExW(key, kValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(name),
                                  static_cast<DWORD>((wcslen(name) + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return r == ERROR_SUCCESS;
}

}  // namespace kelvara::win32
