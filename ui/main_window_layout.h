// The main window's controls, in dialog units and in keyboard order.
#pragma once

#include <span>

#include "ui/dialog_layout.h"

namespace kelvara::ui {

inline constexpr int kMainWindowWidth = 680;  // dialog units, menu bar not included
inline constexpr int kMainWindowHeight = 324;

// The core-shape picture: (510, 51) to (610, 123).
inline constexpr int kPictureX = 510, kPictureY = 51, kPictureW = 100, kPictureH = 72;

std::span<const ControlDef> MainWindowControls();

}  // namespace kelvara::ui
