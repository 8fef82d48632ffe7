// The Win32 main window as its table describes it: every control of the
// table in its place in dialog units with its class and styles, the menu
// with its mnemonics, the tooltips with their timing and colour, the strip of
// the check; and every text fits its control in the window's font.
#include <fstream>
#include <iterator>
#include <set>

#include "kelvara/version.h"
#include "session/messages.h"
#include "ui_win32/dialog_template.h"
#include "ui_win32/language.h"
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

struct MenuItem {
    int id = 0;
    Text text;
    UINT state = 0;
    UINT type = 0;
    HMENU submenu = nullptr;
};

MenuItem ItemOf(HMENU menu, int position) {
    wchar_t text[256] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_SUBMENU | MIIM_FTYPE;
    info.dwTypeData = text;
    info.cch = 256;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info)) return {};
    return MenuItem{static_cast<int>(info.wID), T(text), info.fState, info.fType, info.hSubMenu};
}

// The menu bar in a language: the commands of window/menu.h with their
// mnemonics, the results' drop-down menu, then "Язык / Language" with the
// language on checked.
void ExpectMenuIn(const MainWindow& window, Language language) {
    const HMENU menu = GetMenu(window.hwnd());
    ASSERT_NE(menu, nullptr);
    const int commands = static_cast<int>(std::size(kMenu));
    ASSERT_EQ(GetMenuItemCount(menu), commands + 2);
    for (int i = 0; i < commands; ++i) {
        SCOPED_TRACE(i);
        const MenuItem item = ItemOf(menu, i);
        EXPECT_EQ(item.id, kMenu[i].id);
        EXPECT_EQ(item.text, TrIn(language, kMenu[i].text));  // the mnemonic after "&"
        EXPECT_EQ(item.submenu, nullptr);
        EXPECT_FALSE(item.state & MFS_GRAYED);
        EXPECT_TRUE(window.CommandAvailable(kMenu[i].id));
    }
    const MenuItem results = ItemOf(menu, commands);
    EXPECT_EQ(results.text, TrIn(language, kResultsMenuTitle));
    ASSERT_NE(results.submenu, nullptr);
    ASSERT_EQ(GetMenuItemCount(results.submenu), static_cast<int>(std::size(kResultsMenu)));
    for (int i = 0; i < GetMenuItemCount(results.submenu); ++i) {
        SCOPED_TRACE(i);
        const MenuItem item = ItemOf(results.submenu, i);
        if (kResultsMenu[i].id == 0) {
            EXPECT_TRUE(item.type & MFT_SEPARATOR);
            continue;
        }
        EXPECT_EQ(item.id, kResultsMenu[i].id);
        EXPECT_EQ(item.text, TrIn(language, kResultsMenu[i].text));
        EXPECT_FALSE(item.state & MFS_GRAYED);
        EXPECT_TRUE(window.CommandAvailable(kResultsMenu[i].id));
    }
    const MenuItem languages = ItemOf(menu, commands + 1);
    EXPECT_EQ(languages.text, u"&Язык / Language");
    ASSERT_NE(languages.submenu, nullptr);
    ASSERT_EQ(GetMenuItemCount(languages.submenu), 2);
    const MenuItem russian = ItemOf(languages.submenu, 0), english = ItemOf(languages.submenu, 1);
    EXPECT_EQ(russian.text, u"Русский");
    EXPECT_EQ(english.text, u"English");
    // The language on is checked with a radio mark.
    EXPECT_TRUE((language == Language::Russian ? russian : english).type & MFT_RADIOCHECK);
    EXPECT_EQ((russian.state & MFS_CHECKED) != 0, language == Language::Russian);
    EXPECT_EQ((english.state & MFS_CHECKED) != 0, language == Language::English);
}

TEST_F(Win32Window, MenuHasTheCommandsWithTheirMnemonics) {
    OpenWindow();
    ExpectMenuIn(*window, Language::Russian);
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

// --- Язык / Language --------------------------------------------------------------------

bool HasCyrillic(TextView text) {
    for (char16_t c : text)
        if (c >= 0x400 && c <= 0x4ff) return true;
    return false;
}

// The language tests keep the choice under a key of their own and leave the
// process in Russian.
class LanguageWindow : public Win32Window {
  protected:
    static constexpr const wchar_t* kTestKey = L"Software\\Kelvara\\Tests";
    void SetUp() override {
        SetLanguageKey(kTestKey);
        RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
    }
    void TearDown() override {
        Win32Window::TearDown();
        SetLanguage(Language::Russian);
        RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
        SetLanguageKey(kLanguageKey);
    }
    // The texts of the labels, group boxes and buttons (not what is typed or
    // listed).
    std::vector<Text> Texts() const {
        std::vector<Text> texts;
        for (HWND control : Children(window->hwnd())) {
            const std::wstring cls = ClassName(control);
            if (_wcsicmp(cls.c_str(), L"Static") == 0 || _wcsicmp(cls.c_str(), L"Button") == 0)
                texts.push_back(WindowText(control));
        }
        return texts;
    }
    Text TooltipText(int id) const {
        wchar_t text[1024] = {};
        TOOLINFOW info{};
        info.cbSize = sizeof info;
        info.hwnd = window->hwnd();
        info.uId = reinterpret_cast<UINT_PTR>(Item(id));
        info.lpszText = text;
        SendMessageW(window->tooltip(), TTM_GETTEXTW, 1024, reinterpret_cast<LPARAM>(&info));
        return T(text);
    }
};

TEST_F(LanguageWindow, EnglishAndBackRetitlesTheWholeWindowAtOnce) {
    OpenWindow();
    const std::vector<Text> russian = Texts();
    const Text caption = WindowText(window->hwnd());
    const Text n1 = TextOf(ctl::kResN1);
    ASSERT_FALSE(n1.empty());

    window->Command(kCmdEnglish);
    EXPECT_EQ(CurrentLanguage(), Language::English);
    EXPECT_EQ(StoredLanguage(), Language::English);
    EXPECT_EQ(WindowText(window->hwnd()), MainWindowCaption());
    EXPECT_FALSE(HasCyrillic(WindowText(window->hwnd())));
    ExpectMenuIn(*window, Language::English);
    const std::vector<Text> english = Texts();
    ASSERT_EQ(english.size(), russian.size());
    for (const Text& text : english) EXPECT_FALSE(HasCyrillic(text)) << ToUtf8(text);
    EXPECT_NE(english, russian);
    for (const TooltipDef& t : MainWindowTooltips()) {
        EXPECT_EQ(TooltipText(t.id), TrIn(Language::English, t.text)) << t.id;
    }
    EXPECT_EQ(window->StripText().rfind(u"Design check: ", 0), 0u) << ToUtf8(window->StripText());
    EXPECT_EQ(TextOf(ctl::kResN1), n1);  // numbers are not translated
    EXPECT_EQ(TextOf(ctl::kGapLabel), TrIn(Language::English, kGapReqLabel));
    ExpectTextsFit(window->hwnd());
    EXPECT_TRUE(messages.empty());

    window->Command(kCmdRussian);
    EXPECT_EQ(CurrentLanguage(), Language::Russian);
    EXPECT_EQ(StoredLanguage(), Language::Russian);
    EXPECT_EQ(WindowText(window->hwnd()), caption);
    EXPECT_EQ(Texts(), russian);
    ExpectMenuIn(*window, Language::Russian);
    EXPECT_EQ(TooltipText(MainWindowTooltips()[0].id), MainWindowTooltips()[0].text);
    ExpectTextsFit(window->hwnd());
    // And English once more: the labels are fitted from the layout again.
    window->Command(kCmdEnglish);
    EXPECT_EQ(Texts(), english);
    ExpectTextsFit(window->hwnd());
}

TEST_F(LanguageWindow, AWindowMadeInEnglishStartsInIt) {
    SetLanguage(Language::English);
    OpenWindow();
    EXPECT_EQ(WindowText(window->hwnd()), MainWindowCaption());
    ExpectMenuIn(*window, Language::English);
    for (const Text& text : Texts()) EXPECT_FALSE(HasCyrillic(text)) << ToUtf8(text);
    ExpectTextsFit(window->hwnd());
}

// What the registry holds, as the language the program starts in.
TEST_F(LanguageWindow, TheStoredChoiceIsReadBack) {
    struct Case {
        const wchar_t* value;  // nullptr: none stored
        Language want;
    };
    const Case cases[] = {
        {nullptr, Language::Russian}, {L"en", Language::English}, {L"ru", Language::Russian},
        {L"EN", Language::Russian},   {L"de", Language::Russian}, {L"", Language::Russian},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.value ? ToUtf8(T(k.value)) : "none");
        RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
        if (k.value) {
            ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kTestKey, L"Language", REG_SZ, k.value,
                                      static_cast<DWORD>((wcslen(k.value) + 1) * sizeof(wchar_t))),
                      ERROR_SUCCESS);
        }
        EXPECT_EQ(StoredLanguage(), k.want);
    }
    for (Language language : {Language::English, Language::Russian}) {
        ASSERT_TRUE(StoreLanguage(language));
        EXPECT_EQ(StoredLanguage(), language);
    }
    // The program's own settings file is left alone.
    std::ifstream ini(data.program() / "Kelvara.ini", std::ios::binary);
    const std::string settings((std::istreambuf_iterator<char>(ini)), {});
    EXPECT_EQ(settings.find("Language"), std::string::npos);
}

}  // namespace
}  // namespace kelvara::win32
