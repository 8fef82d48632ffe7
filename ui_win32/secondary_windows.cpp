#include "ui_win32/secondary_windows.h"

#include <richedit.h>

#include "kelvara/version.h"
#include "ui_win32/gdiplus.h"
#include "ui_win32/svg_draw.h"
#include "ui_win32/win_text.h"
#include "window/secondary_layout.h"

namespace kelvara::win32 {

namespace {

constexpr DWORD kModalStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

void CloseOnOk(Dialog& dialog, int id, int code) {
    if ((id == IDOK || id == IDCANCEL) && code == BN_CLICKED) dialog.EndModal(id);
}

RECT WidenedAboutCentre(const RECT& r, int width) {
    const int twiceCentre = r.left + r.right;
    const int left = (twiceCentre - width) / 2;
    return RECT{left, r.top, left + width, r.bottom};
}

}  // namespace

void DrawPictureItem(const DRAWITEMSTRUCT& item, std::wstring_view name, UINT dpi, bool fit) {
    const RECT& r = item.rcItem;
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return;
    const HDC memory = CreateCompatibleDC(item.hDC);
    const HBITMAP bitmap = CreateCompatibleBitmap(item.hDC, w, h);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    const RECT all{0, 0, w, h};
    FillRect(memory, &all, GetSysColorBrush(COLOR_BTNFACE));
    if (!name.empty()) {
        Gdiplus::Graphics g(memory);
        const svg::Picture& picture = ResourcePicture(name);
        Gdiplus::SizeF size = PictureSize(picture, dpi);
        if (fit)
            size = Gdiplus::SizeF(static_cast<Gdiplus::REAL>(w), static_cast<Gdiplus::REAL>(h));
        DrawSvg(
            g, picture,
            Gdiplus::RectF((w - size.Width) / 2, (h - size.Height) / 2, size.Width, size.Height));
    }
    BitBlt(item.hDC, r.left, r.top, w, h, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

RECT FitCentredText(HWND control, RECT rect, bool wrap, int maxWidth) {
    const Text text = WindowText(control);
    const std::wstring wide = W(text);
    const HDC dc = GetDC(control);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    const auto heightAt = [&](int width) {
        RECT box{0, 0, width, 0};
        DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &box,
                  DT_CALCRECT | DT_CENTER | DT_NOPREFIX | (wrap ? DT_WORDBREAK : DT_SINGLELINE));
        return std::make_pair(box.right - box.left, box.bottom - box.top);
    };
    RECT r = rect;
    if (wrap) {
        const RECT original = rect;
        for (int width = r.right - r.left;
             heightAt(r.right - r.left).second > r.bottom - r.top && width < maxWidth;) {
            width = std::min(maxWidth, width + 2);
            r = WidenedAboutCentre(original, width);
            r.bottom = original.bottom;
        }
        r.bottom = r.top + std::max<int>(r.bottom - r.top, heightAt(r.right - r.left).second);
    } else {
        const auto [width, height] = heightAt(0);
        if (width + 2 > r.right - r.left) r = WidenedAboutCentre(r, width + 2);
        r.bottom = r.top + std::max<int>(r.bottom - r.top, height);
    }
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    SetWindowPos(control, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    return r;
}

// --- Помощь ------------------------------------------------------------------------

// The help text is long (tens of thousands of characters): a rich edit
// control lays it out at once, where a plain edit control takes its time.
const wchar_t* LongTextEditClass() {
    static const wchar_t* const name = [] {
        if (LoadLibraryW(L"Msftedit.dll")) return L"RICHEDIT50W";
        if (LoadLibraryW(L"Riched20.dll")) return L"RichEdit20W";
        return WC_EDITW;
    }();
    return name;
}

bool HelpWindow::Create(HWND owner) {
    DialogTemplate t(help::kCaption, kModalStyle, 0, help::kWidth, help::kHeight);
    t.AddControl(help::kEditId, LongTextEditClass(), u"",
                 ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP,
                 WS_EX_CLIENTEDGE, help::kEdit);
    t.AddControl(IDOK, WC_BUTTONW, help::kOkText, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, help::kOk);
    return Dialog::Create(t, owner);
}

void HelpWindow::OnInit() {
    const HWND edit = Item(help::kEditId);
    SendMessageW(edit, EM_EXLIMITTEXT, 0, 0x7FFFFFFF);
    SetWindowTextW(edit, WithCrLf(text_).c_str());
    // Read-only, yet the reader may still select and copy with the keyboard;
    // it opens at the beginning, nothing selected.
    SetInitialFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, 0);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

void HelpWindow::OnCommand(int id, int code, HWND) {
    CloseOnOk(*this, id, code);
}

void ShowHelp(HWND owner, const Text& text) {
    HelpWindow window(text);
    if (window.Create(owner)) window.RunModal(owner);
}

// --- Типовая схема ---------------------------------------------------------------------

bool CircuitWindow::Create(HWND owner) {
    DialogTemplate t(circuit::kCaption, kModalStyle, 0, circuit::kWidth, circuit::kHeight);
    t.AddControl(kCircuitPictureId, WC_STATICW, u"", SS_OWNERDRAW, 0, circuit::kPicture);
    t.AddControl(IDOK, WC_BUTTONW, circuit::kOkText, BS_DEFPUSHBUTTON | WS_TABSTOP, 0,
                 circuit::kOk);
    return Dialog::Create(t, owner);
}

bool CircuitWindow::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
    if (message != WM_DRAWITEM) return false;
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item->CtlID != kCircuitPictureId) return false;
    DrawPictureItem(*item, L"circuit", Dpi(), false);
    result = TRUE;
    return true;
}

void CircuitWindow::OnCommand(int id, int code, HWND) {
    CloseOnOk(*this, id, code);
}

void ShowCircuit(HWND owner) {
    CircuitWindow window;
    if (window.Create(owner)) window.RunModal(owner);
}

// --- О программе ---------------------------------------------------------------------

bool AboutWindow::Create(HWND owner) {
    DialogTemplate t(about::kCaption, kModalStyle, 0, about::kWidth, about::kHeight);
    // The icon's place; its size is set in pixels when the window is made.
    t.AddControl(kAboutIconId, WC_STATICW, u"", SS_OWNERDRAW, 0,
                 DluRect{about::kIconX, about::kIconY, 20, 20});
    t.AddControl(kAboutTitleId, WC_STATICW, about::kTitleText, SS_CENTER | SS_NOPREFIX, 0,
                 about::kTitle);
    t.AddControl(kAboutVersionId, WC_STATICW, Tr(about::kVersionPrefix) + Text(kProgramVersion),
                 SS_CENTER | SS_NOPREFIX, 0, about::kVersion);
    t.AddControl(kAboutDateId, WC_STATICW, about::kDateText, SS_CENTER | SS_NOPREFIX, 0,
                 about::kDate);
    t.AddControl(IDOK, WC_BUTTONW, about::kOkText, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, about::kOk);
    return Dialog::Create(t, owner);
}

void AboutWindow::OnInit() {
    const int icon = MulDiv(about::kIconPixels, static_cast<int>(Dpi()), 96);
    const RECT at = ToPixels(DluRect{about::kIconX, about::kIconY, 0, 0});
    SetWindowPos(Item(kAboutIconId), nullptr, at.left, at.top, icon, icon,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // The title is two lines; in a wider font it may widen about its centre
    // as far as the icon, before it needs a third line.
    const RECT title = ToPixels(about::kTitle);
    const int iconRight = at.left + icon + ToPixels(DluRect{0, 0, 4, 0}).right;
    FitCentredText(Item(kAboutTitleId), title, true,
                   2 * ((title.left + title.right) / 2 - iconRight));
    FitCentredText(Item(kAboutVersionId), ToPixels(about::kVersion), false, 0);
    FitCentredText(Item(kAboutDateId), ToPixels(about::kDate), false, 0);
}

bool AboutWindow::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
    if (message != WM_DRAWITEM) return false;
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item->CtlID != kAboutIconId) return false;
    DrawPictureItem(*item, L"kelvara", Dpi(), true);
    result = TRUE;
    return true;
}

void AboutWindow::OnCommand(int id, int code, HWND) {
    CloseOnOk(*this, id, code);
}

void ShowAbout(HWND owner) {
    AboutWindow window;
    if (window.Create(owner)) window.RunModal(owner);
}

}  // namespace kelvara::win32
