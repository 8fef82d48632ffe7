// A window as it stands on the screen, written as a PNG picture (the
// screenshots of the README, and looking at what users see).
#pragma once

#include <string>

#include "ui_win32/win32.h"

namespace kelvara::win32 {

// Brings the window to the front, lets it paint, and copies its rectangle of
// the screen, frame included; false when the file cannot be written.
bool CaptureWindow(HWND hwnd, const std::wstring& file);

}  // namespace kelvara::win32
