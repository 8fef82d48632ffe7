#include "ui_win32/message_box.h"

#include "ui_win32/win_text.h"

namespace kelvara::win32 {

namespace {

HHOOK g_hook = nullptr;

// Names the cancel button of the box about to be shown, then steps aside.
LRESULT CALLBACK NameButtons(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        const auto box = reinterpret_cast<HWND>(wParam);
        if (const HWND cancel = GetDlgItem(box, IDCANCEL))
            SetWindowTextW(cancel, W(Tr(u"Отмена")).c_str());
        UnhookWindowsHookEx(g_hook);
        g_hook = nullptr;
        return 0;
    }
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

}  // namespace

bool ShowProgramMessage(HWND owner, TextView caption, TextView text, bool okCancel) {
    if (okCancel && !g_hook) {
        g_hook = SetWindowsHookExW(WH_CBT, NameButtons, nullptr, GetCurrentThreadId());
    }
    const int answer = MessageBoxW(owner, W(text).c_str(), W(caption).c_str(),
                                   (okCancel ? MB_OKCANCEL : MB_OK) | MB_SETFOREGROUND |
                                       (owner ? MB_APPLMODAL : MB_TASKMODAL));
    if (g_hook) {
        UnhookWindowsHookEx(g_hook);
        g_hook = nullptr;
    }
    return !okCancel || answer == IDOK;
}

}  // namespace kelvara::win32
