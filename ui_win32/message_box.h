// The program's message boxes: a caption, a text, no icon, and OK (and
// "Отмена") whatever language the system speaks.
#pragma once

#include "ui_win32/win32.h"
#include "window/text.h"

namespace kelvara::win32 {

// Shows the box over `owner` (nullptr: on its own); true for OK.
bool ShowProgramMessage(HWND owner, TextView caption, TextView text, bool okCancel);

}  // namespace kelvara::win32
