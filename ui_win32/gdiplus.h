// GDI+ with the Windows headers of the program (which leave out min and max).
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "ui_win32/win32.h"

namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

namespace kelvara::win32 {

// GDI+ is ready while one of these lives (the program makes one at start).
class GdiplusSession {
  public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    bool ok() const { return ok_; }

  private:
    ULONG_PTR token_ = 0;
    bool ok_ = false;
};

inline Gdiplus::Color ToColor(unsigned rgb, BYTE alpha = 255) {
    return Gdiplus::Color(alpha, static_cast<BYTE>(rgb >> 16), static_cast<BYTE>(rgb >> 8),
                          static_cast<BYTE>(rgb));
}

inline COLORREF ToColorRef(unsigned rgb) {
    return RGB(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF);
}

// Writes a bitmap as a PNG file; false when it cannot be written.
bool SavePng(Gdiplus::Bitmap& bitmap, const std::wstring& file);

// The first of `families` that is installed, else `fallback`.
std::wstring InstalledFamily(const std::vector<std::wstring>& families, const wchar_t* fallback);

}  // namespace kelvara::win32
