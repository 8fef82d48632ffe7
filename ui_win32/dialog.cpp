#include "ui_win32/dialog.h"

#include <utility>

namespace kelvara::win32 {

namespace {

std::function<bool(const MSG&)>& ProgramKeys() {
    static std::function<bool(const MSG&)> keys;
    return keys;
}

bool IsDialogWindow(HWND hwnd) {
    wchar_t name[16] = {};
    GetClassNameW(hwnd, name, 16);
    return wcscmp(name, L"#32770") == 0;
}

}  // namespace

void SetProgramKeys(std::function<bool(const MSG&)> keys) {
    ProgramKeys() = std::move(keys);
}

void DispatchProgramMessage(MSG& msg) {
    if (ProgramKeys() && ProgramKeys()(msg)) return;
    const HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root && IsDialogWindow(root) && IsDialogMessageW(root, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

bool PumpMessagesUntil(const std::function<bool()>& done) {
    MSG msg;
    while (!done()) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            // Quitting: the outer loops see it too.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        if (got == -1) return false;
        DispatchProgramMessage(msg);
    }
    return true;
}

void PumpWaitingMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        DispatchProgramMessage(msg);
    }
}

UINT DpiOf(HWND hwnd) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpi = reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (hwnd && getDpi) {
        if (const UINT dpi = getDpi(hwnd)) return dpi;
    }
    HDC dc = GetDC(hwnd);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(hwnd, dc);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

Dialog::~Dialog() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
        DestroyWindow(hwnd_);
    }
}

bool Dialog::Create(const DialogTemplate& tmpl, HWND owner) {
    if (hwnd_) return true;
    const HWND made =
        CreateDialogIndirectParamW(GetModuleHandleW(nullptr), tmpl.Get(), owner, &Dialog::Procedure,
                                   reinterpret_cast<LPARAM>(this));
    return made != nullptr && hwnd_ == made;
}

INT_PTR CALLBACK Dialog::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        self->hwnd_ = hwnd;
        self->OnInit();
        return self->focusSet_ ? FALSE : TRUE;
    }
    self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!self) return FALSE;
    if (message == WM_NCDESTROY) {
        self->hwnd_ = nullptr;
        self->running_ = false;
        return FALSE;
    }
    INT_PTR result = 0;
    if (self->OnMessage(message, wParam, lParam, result)) {
        switch (message) {
            // These give their result straight back.
            case WM_CTLCOLORMSGBOX:
            case WM_CTLCOLOREDIT:
            case WM_CTLCOLORLISTBOX:
            case WM_CTLCOLORBTN:
            case WM_CTLCOLORDLG:
            case WM_CTLCOLORSCROLLBAR:
            case WM_CTLCOLORSTATIC:
            case WM_COMPAREITEM:
            case WM_VKEYTOITEM:
            case WM_CHARTOITEM:
            case WM_QUERYDRAGICON:
                return result;
            default:
                SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
                return TRUE;
        }
    }
    if (message == WM_COMMAND) {
        self->OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return TRUE;
    }
    return FALSE;
}

bool Dialog::OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) {
    return false;
}

void Dialog::OnCommand(int id, int code, HWND) {
    // Esc and the close box close a window as cancelled.
    if (id == IDCANCEL && code == BN_CLICKED) EndModal(IDCANCEL);
}

INT_PTR Dialog::RunModal(HWND owner) {
    if (!hwnd_) return IDCANCEL;
    const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled) EnableWindow(owner, FALSE);
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    running_ = true;
    result_ = IDCANCEL;
    PumpMessagesUntil([this] { return !running_; });
    running_ = false;
    // The owner is enabled again before this window goes, so that it, not
    // another program, becomes the active window.
    if (ownerWasEnabled) EnableWindow(owner, TRUE);
    if (hwnd_) {
        ShowWindow(hwnd_, SW_HIDE);
        DestroyWindow(hwnd_);
    }
    if (owner) SetActiveWindow(owner);
    return result_;
}

void Dialog::EndModal(INT_PTR result) {
    result_ = result;
    running_ = false;
}

void Dialog::SetInitialFocus(HWND control) {
    SetFocus(control);
    focusSet_ = true;
}

RECT Dialog::ToPixels(const DluRect& r) const {
    RECT rect{r.x, r.y, r.x + r.w, r.y + r.h};
    MapDialogRect(hwnd_, &rect);
    return rect;
}

UINT Dialog::Dpi() const {
    return DpiOf(hwnd_);
}

}  // namespace kelvara::win32
