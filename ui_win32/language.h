// The language the user chose in "Язык / Language", remembered per user in
// the registry (HKEY_CURRENT_USER\Software\Kelvara, value "Language": "ru" or
// "en"), apart from the program's own Kelvara.ini.
#pragma once

#include <string>

#include "window/text.h"

namespace kelvara::win32 {

// The key under HKEY_CURRENT_USER that holds the choice (the tests use one
// of their own).
inline constexpr const wchar_t* kLanguageKey = L"Software\\Kelvara";
void SetLanguageKey(std::wstring key);
const std::wstring& LanguageKey();

// The choice stored last; Russian when none, or when the value is not one of
// the two names.
Language StoredLanguage();
// False when the registry refused it.
bool StoreLanguage(Language language);

}  // namespace kelvara::win32
