// Drawing the SVG subset of svg_picture.h with GDI+, at any size, so the
// pictures stay sharp at every DPI and on paper.
#pragma once

#include "ui_win32/gdiplus.h"
#include "ui_win32/svg_picture.h"

namespace kelvara::win32 {

// Draws `picture` with its view box scaled to fit `target` (its proportions
// kept, centred in it).
void DrawSvg(Gdiplus::Graphics& g, const svg::Picture& picture, const Gdiplus::RectF& target);

// A picture of the program's resources (resources/*.svg, by its name without
// ".svg"), read once; an invalid picture when there is none.
const svg::Picture& ResourcePicture(std::wstring_view name);

// The picture's own size at `dpi` (its width and height at 96 per inch).
Gdiplus::SizeF PictureSize(const svg::Picture& picture, UINT dpi);

}  // namespace kelvara::win32
