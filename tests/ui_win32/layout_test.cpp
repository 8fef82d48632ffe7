// The Win32 main window as its table describes it: every control of the
// table in its place in dialog units with its class and styles, the menu
// with its mnemonics, the tooltips with their timing and colour, the strip of
// the check; and every text fits its control in the window's font.
#include <set>

#include "kelvara/version.h"
#include "session/messages.h"
#include "ui_win32/dialog_template.h"
#include "win32_support.h"
#include "window/main_window_layout.h"
#include "window/menu.h"
#include "window/tooltip_texts.h"

namespace kelvara::win32 {
namespace {

using testing::Win32Window;

std::wstring ClassName(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

DWORD Style(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
}

RECT PlaceOf(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Every child window of a dialog with its table entry, matched by place.
struct Placed {
    const ControlDef* def;
    HWND hwnd;
};

BOOL CALLBACK Collect(HWND child, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
    return TRUE;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> out;
    EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&out));
    std::vector<HWND> direct;
    for (HWND h : out)
        if (GetParent(h) == parent) direct.push_back(h);
    return direct;
}

// The manifest the programs carry: the common controls of version 6, and
// per-monitor DPI awareness.
TEST(Manifest, AsksForCommonControls6AndPerMonitorDpi) {
    // The common controls the program calls come from the side-by-side
    // assembly of version 6 (Wine's says 5 when asked its version).
    HMODULE comctl = nullptr;
    ASSERT_TRUE(GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(reinterpret_cast<void*>(&InitCommonControlsEx)), &comctl));
    wchar_t file[MAX_PATH] = {};
    GetModuleFileNameW(comctl, file, MAX_PATH);
    std::wstring path(file);
    for (wchar_t& c : path) c = static_cast<wchar_t>(towlower(c));
    EXPECT_NE(path.find(L"microsoft.windows.common-controls_6595b64144ccf1df_6."),
              std::wstring::npos)
        << ToUtf8(T(path));

    using GetContext = DPI_AWARENESS_CONTEXT(WINAPI*)();
    using GetAwareness = DPI_AWARENESS(WINAPI*)(DPI_AWARENESS_CONTEXT);
    const HMODULE user = GetModuleHandleW(L"user32.dll");
    const auto context = reinterpret_cast<GetContext>(
        reinterpret_cast<void*>(GetProcAddress(user, "GetThreadDpiAwarenessContext")));
    const auto awareness = reinterpret_cast<GetAwareness>(
        reinterpret_cast<void*>(GetProcAddress(user, "GetAwarenessFromDpiAwarenessContext")));
    ASSERT_TRUE(context && awareness);
    EXPECT_EQ(awareness(context()), DPI_AWARENESS_PER_MONITOR_AWARE);
}

TEST_F(Win32Window, IsTheTablesDialogInTheProgramsFont) {
    OpenWindow();
    EXPECT_EQ(WindowText(window->hwnd()), MainWindowCaption());
    // The controls' area in dialog units below the menu bar, the check's
    // strip below the controls.
    RECT want{0, 0, kMainWindowWidth, kMainWindowHeight + kStripHeight};
    MapDialogRect(window->hwnd(), &want);
    const RECT client = testing::ClientRectOf(window->hwnd());
    EXPECT_EQ(client.right, want.right);
    EXPECT_EQ(client.bottom, want.bottom);
    // A fixed frame with a minimise box and no maximise box; in the task bar.
    const DWORD style = Style(window->hwnd());
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_TRUE(GetWindowLongPtrW(window->hwnd(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_NE(SendMessageW(window->hwnd(), WM_GETICON, ICON_BIG, 0), 0);
    // The dialog's font is the program's.
    LOGFONTW lf{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window->hwnd(), WM_GETFONT, 0, 0)), sizeof lf,
               &lf);
    EXPECT_EQ(std::wstring(lf.lfFaceName), ProgramFont().face);
}

TEST_F(Win32Window, EveryControlOfTheTableIsInItsPlaceWithItsClass) {
    OpenWindow();
    for (const ControlDef& def : MainWindowControls()) {
        if (def.id == kNoId) continue;
        SCOPED_TRACE(def.id);
        const HWND control = Item(def.id);
        ASSERT_NE(control, nullptr);
        const ControlClass c = ClassOf(def);
        EXPECT_EQ(_wcsicmp(ClassName(control).c_str(), c.className), 0) << ClassName(control);
        const DWORD style = Style(control);
        const RECT place = PlaceOf(control);
        // The dialog manager converts the corner and the size.
        RECT want{def.x, def.y, def.w, def.h};
        MapDialogRect(window->hwnd(), &want);
        want.right += want.left;
        want.bottom += want.top;
        if (def.kind != ControlKind::Value) EXPECT_EQ(place.left, want.left);
        EXPECT_EQ(place.top, want.top);
        if (def.kind == ControlKind::ComboBox) continue;  // its height is its font's
        if (def.kind != ControlKind::Value) EXPECT_EQ(place.right, want.right);
        EXPECT_EQ(place.bottom, want.bottom);
        switch (def.kind) {
            case ControlKind::Edit:
                EXPECT_EQ(style & ES_CENTER, static_cast<DWORD>(ES_CENTER));
                break;
            case ControlKind::Value:
                // The value's right end stays; a label may take room from its left.
                EXPECT_EQ(place.right, want.right);
                EXPECT_EQ(style & SS_TYPEMASK, static_cast<DWORD>(SS_RIGHT));
                break;
            case ControlKind::Radio:
                EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_AUTORADIOBUTTON));
                EXPECT_EQ((style & WS_GROUP) != 0, (def.flags & kGroupStart) != 0);
                break;
            case ControlKind::CheckBox:
                EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_AUTOCHECKBOX));
                break;
            case ControlKind::Button:
                EXPECT_EQ(
                    style & BS_TYPEMASK,
                    static_cast<DWORD>((def.flags & kDefault) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON));
                break;
            case ControlKind::ComboBox:
                EXPECT_EQ(style & 3, static_cast<DWORD>(CBS_DROPDOWN));
                break;
            default:
                break;
        }
    }
    // Enter presses "Рассчитать".
    EXPECT_EQ(LOWORD(SendMessageW(window->hwnd(), DM_GETDEFID, 0, 0)), ctl::kCalculate);
}

// A text is never cut off: one-line texts fit their width, wrapped ones
// their rectangle, buttons' texts with room for their frame or mark.
void ExpectTextsFit(HWND dialog) {
    for (HWND control : Children(dialog)) {
        const std::wstring text = W(WindowText(control));
        if (text.empty()) continue;
        SCOPED_TRACE(ToUtf8(T(text)));
        const std::wstring cls = ClassName(control);
        const DWORD style = Style(control);
        const RECT r = testing::ClientRectOf(control);
        if (_wcsicmp(cls.c_str(), L"Static") == 0) {
            const DWORD type = style & SS_TYPEMASK;
            if (type == SS_OWNERDRAW) continue;
            const bool wraps = type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT;
            const SIZE one = testing::TextExtent(control, text);
            if (wraps && one.cx > r.right) {
                const SIZE wrapped = testing::TextExtent(control, text, r.right);
                EXPECT_LE(wrapped.cy, r.bottom);
                EXPECT_LE(wrapped.cx, r.right);
            } else {
                EXPECT_LE(one.cx, r.right);
                EXPECT_LE(one.cy, r.bottom + 2);
            }
        } else if (_wcsicmp(cls.c_str(), L"Button") == 0) {
            const DWORD type = style & BS_TYPEMASK;
            const SIZE one = testing::TextExtent(control, text);
            if (type == BS_GROUPBOX) {
                EXPECT_LE(one.cx + 16, r.right);
            } else if (type == BS_AUTORADIOBUTTON || type == BS_AUTOCHECKBOX) {
                // The mark and a gap before the text.
                EXPECT_LE(one.cx + GetSystemMetrics(SM_CXMENUCHECK) + 4, r.right);
            } else {
                EXPECT_LE(one.cx + 8, r.right);
            }
        }
    }
}

TEST_F(Win32Window, EveryTextFitsItsControl) {
    OpenWindow();
    ExpectTextsFit(window->hwnd());
    // The texts the calculation puts into the results, too.
    window->SetText(ctl::kGapLabel, Text(kALReqLabel));
    window->SetText(ctl::kResWire1, u"0.355 x 12");
    window->SetText(ctl::kResLossW, u"?????");
    ExpectTextsFit(window->hwnd());
}

TEST_F(Win32Window, MenuHasTheCommandsWithTheirMnemonics) {
    OpenWindow();
    const HMENU menu = GetMenu(window->hwnd());
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(std::size(kMenu)));
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        SCOPED_TRACE(i);
        wchar_t text[256] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = 256;
        ASSERT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info));
        EXPECT_EQ(static_cast<int>(info.wID), kMenu[i].id);
        EXPECT_EQ(T(text), kMenu[i].text);  // the mnemonic after "&"
        EXPECT_EQ(info.hSubMenu, nullptr);  // commands, no drop-down menus
        EXPECT_FALSE(info.fState & MFS_GRAYED);
        EXPECT_TRUE(window->CommandAvailable(kMenu[i].id));
    }
}

TEST_F(Win32Window, TooltipsHaveTheirTextsTimingAndColour) {
    OpenWindow();
    const HWND tip = window->tooltip();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(SendMessageW(tip, TTM_GETDELAYTIME, TTDT_INITIAL, 0), kTooltipDelayMs);
    EXPECT_EQ(SendMessageW(tip, TTM_GETDELAYTIME, TTDT_RESHOW, 0), kTooltipDelayMs);
    EXPECT_EQ(SendMessageW(tip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), kTooltipDurationMs);
    EXPECT_EQ(static_cast<COLORREF>(SendMessageW(tip, TTM_GETTIPBKCOLOR, 0, 0)),
              RGB(255, 240, 160));
    EXPECT_EQ(SendMessageW(tip, TTM_GETMAXTIPWIDTH, 0, 0),
              MulDiv(kTooltipMaxWidth, static_cast<int>(window->Dpi()), 96));
    // One tool per control, and the core list's edit part as well.
    EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0),
              static_cast<LRESULT>(MainWindowTooltips().size() + 1));
    for (const TooltipDef& t : MainWindowTooltips()) {
        SCOPED_TRACE(t.id);
        wchar_t text[1024] = {};
        TOOLINFOW info{};
        info.cbSize = sizeof info;
        info.hwnd = window->hwnd();
        info.uId = reinterpret_cast<UINT_PTR>(Item(t.id));
        info.lpszText = text;
        SendMessageW(tip, TTM_GETTEXTW, 1024, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(T(text), t.text);
    }
}

TEST_F(Win32Window, TheStripShowsTheCheckAndTheResultsStaleness) {
    OpenWindow();
    ASSERT_TRUE(window->dialog().check().done);
    EXPECT_EQ(window->StripText(),
              u"Проверка проекта: " + CheckCounts(window->dialog().check()) + u"   Подробно...");
    // Typing a frequency leaves the results to earlier inputs: greyed, and said.
    testing::Type(Item(ctl::kFr), u"120");
    EXPECT_TRUE(window->dialog().resultsStale());
    EXPECT_FALSE(IsWindowEnabled(Item(ctl::kResN1)));
    EXPECT_EQ(window->StripText().rfind(msg::kResultsStale, 0), 0u);
    testing::Click(Item(ctl::kCalculate));
    EXPECT_FALSE(window->dialog().resultsStale());
    EXPECT_TRUE(IsWindowEnabled(Item(ctl::kResN1)));
}

TEST_F(Win32Window, ThePictureFollowsTheShape) {
    OpenWindow();
    UpdateWindow(Item(kPictureId));
    PumpWaitingMessages();
    EXPECT_EQ(window->paintedPicture(), L"core_e");
    testing::Click(Item(ctl::kShapeETD));
    UpdateWindow(Item(kPictureId));
    PumpWaitingMessages();
    EXPECT_EQ(window->paintedPicture(), L"core_round");
    testing::Click(Item(ctl::kAddBySize));
    UpdateWindow(Item(kPictureId));
    PumpWaitingMessages();
    EXPECT_EQ(window->paintedPicture(), L"core_round_dims");
}

}  // namespace
}  // namespace kelvara::win32
