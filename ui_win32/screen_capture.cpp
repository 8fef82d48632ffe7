#include "ui_win32/screen_capture.h"

#include "ui_win32/dialog.h"
#include "ui_win32/gdiplus.h"

namespace kelvara::win32 {

bool CaptureWindow(HWND hwnd, const std::wstring& file) {
    ShowWindow(hwnd, SW_SHOW);
    SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(hwnd);
    RedrawWindow(hwnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    // Let every window of the program paint what it was told to.
    for (int i = 0; i < 20; ++i) {
        PumpWaitingMessages();
        Sleep(25);
    }
    RECT r{};
    GetWindowRect(hwnd, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return false;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY | CAPTUREBLT);
    SelectObject(memory, old);
    bool ok = false;
    {
        Gdiplus::Bitmap picture(bitmap, nullptr);
        ok = SavePng(picture, file);
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return ok;
}

}  // namespace kelvara::win32
