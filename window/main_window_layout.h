// The main window's controls, in dialog units and in keyboard order.
#pragma once

#include <span>

#include "refdata/text.h"
#include "window/layout.h"

namespace kelvara {

inline constexpr int kMainWindowWidth = 680;  // dialog units, menu bar not included
inline constexpr int kMainWindowHeight = 324;

// The core-shape picture: (510, 51) to (610, 123).
inline constexpr int kPictureX = 510, kPictureY = 51, kPictureW = 100, kPictureH = 72;

std::span<const ControlDef> MainWindowControls();

// The picture (resources/<name>.svg) of the core group for a shape and the
// dimension mode (add_by_size = 1 shows the dimension drawing); empty for a
// shape outside 0..4.
std::u16string_view ShapePictureName(int shape, int addBySize);

// "Kelvara - Расчет резонансных цепей резонансного полумостового
// преобразователя (Версия 4.4)", with the program's version.
Text MainWindowCaption();

}  // namespace kelvara
