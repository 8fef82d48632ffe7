// Resource ids of the program (kelvara.rc).
#pragma once

namespace kelvara::win32 {

// The program's icon (kelvara.ico), the window icon of every window.
inline constexpr int kIconResource = 128;

}  // namespace kelvara::win32
