#include "ui_win32/main_window.h"

#include <uxtheme.h>

#include "session/design_document.h"
#include "ui_win32/adviser_window.h"
#include "ui_win32/check_window.h"
#include "ui_win32/file_pickers.h"
#include "ui_win32/gdiplus.h"
#include "ui_win32/language.h"
#include "ui_win32/message_box.h"
#include "ui_win32/report_output.h"
#include "ui_win32/resources.h"
#include "ui_win32/save_dialog.h"
#include "ui_win32/secondary_windows.h"
#include "ui_win32/svg_draw.h"
#include "ui_win32/transfer_window.h"
#include "ui_win32/waveform_window.h"
#include "ui_win32/win_text.h"
#include "window/check_strip.h"
#include "window/help_text.h"
#include "window/main_window_layout.h"
#include "window/menu.h"
#include "window/notifications.h"
#include "window/tooltip_texts.h"

namespace kelvara::win32 {

namespace {

// Shows the messages held back while the window was not shown yet.
constexpr UINT kShowHeldMessages = WM_APP + 1;

bool IsCombo(int id) {
    return id == ctl::kCoreList || id == ctl::kMaterialList;
}

// Runs `f` with a counter raised, so that the notifications it causes are
// known as the window's own.
template <typename F>
void Quietly(int& quiet, F&& f) {
    ++quiet;
    f();
    --quiet;
}

bool KeyDown(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

bool IsEditControl(HWND hwnd) {
    wchar_t name[16] = {};
    GetClassNameW(hwnd, name, 16);
    return _wcsicmp(name, L"Edit") == 0;
}

}  // namespace

MainWindow::MainWindow() : dlg_(*this) {}

MainWindow::~MainWindow() {
    SetProgramKeys(nullptr);
    if (menu_ && !GetMenu(hwnd())) DestroyMenu(menu_);
    if (boldFont_) DeleteObject(boldFont_);
    if (linkFont_) DeleteObject(linkFont_);
    if (bigIcon_) DestroyIcon(bigIcon_);
    if (smallIcon_) DestroyIcon(smallIcon_);
}

Text MainWindow::Caption() const {
    return MainWindowCaption();
}

bool MainWindow::Create() {
    DialogTemplate t(
        MainWindowCaption(), WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_3DLOOK,
        WS_EX_APPWINDOW | WS_EX_CONTROLPARENT, kMainWindowWidth, kMainWindowHeight + kStripHeight);
    t.Add(MainWindowControls());
    t.AddControl(kPictureId, WC_STATICW, u"", SS_OWNERDRAW, 0,
                 DluRect{kPictureX, kPictureY, kPictureW, kPictureH});
    t.AddControl(kCheckStripId, WC_STATICW, u"", SS_OWNERDRAW | SS_NOTIFY, WS_EX_STATICEDGE,
                 DluRect{2, kStripTop + 1, kMainWindowWidth - 4, kStripHeight - 2});
    if (!Dialog::Create(t, nullptr)) return false;
    SetProgramKeys([this](const MSG& msg) { return ProgramKey(msg); });
    ready_ = true;
    return true;
}

void MainWindow::OnInit() {
    // The dialog manager makes the controls in the template's order, each
    // after the one before.
    tableControls_.clear();
    for (HWND child = GetWindow(hwnd(), GW_CHILD);
         child && tableControls_.size() < MainWindowControls().size();
         child = GetWindow(child, GW_HWNDNEXT)) {
        tableControls_.push_back(child);
    }
    BuildMenu();
    SetIcons();
    MakeFonts();
    AttachTooltips();
    FitToLayout();
    FitLabelsBesideValues();
    // In the middle of the screen's work area.
    RECT work{}, window{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(hwnd(), &window);
    const int w = window.right - window.left, h = window.bottom - window.top;
    SetWindowPos(hwnd(), nullptr, work.left + std::max(0L, (work.right - work.left - w) / 2),
                 work.top + std::max(0L, (work.bottom - work.top - h) / 2), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::BuildMenu() {
    commands_ = {
        {ctl::kCmdTransfer, [this] { OpenTransfer(); }},
        {ctl::kCmdHelp, [this] { OpenHelp(); }},
        {ctl::kCmdCircuit, [this] { ShowCircuit(hwnd()); }},
        {ctl::kCmdAbout, [this] { ShowAbout(hwnd()); }},
        {ctl::kCmdCheck, [this] { OpenCheckWindow(); }},
        {ctl::kCmdAdviser, [this] { OpenAdviser(); }},
        {ctl::kCmdWaveforms, [this] { OpenWaveforms(); }},
        {ctl::kCmdSpice, [this] { ExportSpice(); }},
        {ctl::kCmdReport, [this] { SaveReport(); }},
        {ctl::kCmdPrint, [this] { PrintReport(); }},
        {kCmdRussian, [this] { ChooseLanguage(Language::Russian); }},
        {kCmdEnglish, [this] { ChooseLanguage(Language::English); }},
    };
    menu_ = CreateMenu();
    for (const MenuCommand& m : kMenu) {
        const UINT flags = MF_STRING | (CommandAvailable(m.id) ? 0 : MF_GRAYED);
        AppendMenuW(menu_, flags, static_cast<UINT_PTR>(m.id), L"");
    }
    resultsMenu_ = CreatePopupMenu();
    for (const MenuCommand& m : kResultsMenu) {
        if (m.id == 0) {
            AppendMenuW(resultsMenu_, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuW(resultsMenu_, MF_STRING, static_cast<UINT_PTR>(m.id), L"");
        }
    }
    AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(resultsMenu_), L"");
    // "Язык / Language": in both languages, whichever is on; each language
    // by its own name.
    languageMenu_ = CreatePopupMenu();
    AppendMenuW(languageMenu_, MF_STRING, kCmdRussian, L"Русский");
    AppendMenuW(languageMenu_, MF_STRING, kCmdEnglish, L"English");
    AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(languageMenu_), L"&Язык / Language");
    SetMenuTexts();
    SetMenu(hwnd(), menu_);
}

void MainWindow::SetMenuTexts() {
    const auto setText = [](HMENU menu, UINT item, BOOL byPosition, TextView text) {
        std::wstring wide = W(text);
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING;
        info.dwTypeData = wide.data();
        SetMenuItemInfoW(menu, item, byPosition, &info);
    };
    for (const MenuCommand& m : kMenu) setText(menu_, static_cast<UINT>(m.id), FALSE, Tr(m.text));
    setText(menu_, static_cast<UINT>(std::size(kMenu)), TRUE, Tr(kResultsMenuTitle));
    for (const MenuCommand& m : kResultsMenu) {
        if (m.id != 0) setText(resultsMenu_, static_cast<UINT>(m.id), FALSE, Tr(m.text));
    }
    const bool english = CurrentLanguage() == Language::English;
    CheckMenuRadioItem(languageMenu_, kCmdRussian, kCmdEnglish, english ? kCmdEnglish : kCmdRussian,
                       MF_BYCOMMAND);
}

void MainWindow::ChooseLanguage(Language language) {
    StoreLanguage(language);
    if (language == CurrentLanguage()) return;
    SetLanguage(language);
    Retranslate();
}

void MainWindow::Retranslate() {
    SetWindowTextW(hwnd(), W(MainWindowCaption()).c_str());
    // The layout's own texts; the labels whose text the presenter sets (the
    // gap label, the units the calculation fills) come from it below.
    const std::span<const ControlDef> table = MainWindowControls();
    for (size_t i = 0; i < table.size() && i < tableControls_.size(); ++i) {
        const ControlDef& def = table[i];
        if (def.text.empty() || def.kind == ControlKind::Value || def.kind == ControlKind::Edit ||
            def.kind == ControlKind::NameEdit || def.kind == ControlKind::ComboBox ||
            def.kind == ControlKind::ListBox) {
            continue;
        }
        if (def.id != kNoId &&
            (def.kind == ControlKind::Label || def.kind == ControlKind::LabelCentre ||
             def.kind == ControlKind::LabelRight)) {
            continue;
        }
        SetWindowTextW(tableControls_[i], W(Tr(def.text)).c_str());
    }
    SetMenuTexts();
    DrawMenuBar(hwnd());
    SetTooltipTexts();
    dlg_.OnLanguageChanged();
    FitToLayout();
    FitLabelsBesideValues();
    InvalidateRect(hwnd(), nullptr, TRUE);
}

bool MainWindow::CommandAvailable(int id) const {
    return commands_.count(id) != 0;
}

void MainWindow::Command(int id) {
    const auto it = commands_.find(id);
    if (it != commands_.end()) it->second();
}

void MainWindow::SetIcons() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    bigIcon_ =
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    smallIcon_ = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconResource),
                                               IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), 0));
    if (bigIcon_) SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
    if (smallIcon_) {
        SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    }
}

void MainWindow::MakeFonts() {
    if (boldFont_) DeleteObject(boldFont_);
    if (linkFont_) DeleteObject(linkFont_);
    LOGFONTW lf{};
    const auto font = reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0));
    GetObjectW(font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT), sizeof lf,
               &lf);
    LOGFONTW bold = lf;
    bold.lfWeight = FW_BOLD;
    boldFont_ = CreateFontIndirectW(&bold);
    LOGFONTW link = lf;
    link.lfUnderline = TRUE;
    linkFont_ = CreateFontIndirectW(&link);
}

void MainWindow::AttachTooltips() {
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(),
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!tooltip_) return;
    // Without the visual style the tip takes the background colour it is given.
    SetWindowTheme(tooltip_, L"", L"");
    SendMessageW(tooltip_, WM_SETFONT, SendMessageW(hwnd(), WM_GETFONT, 0, 0), FALSE);
    SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_INITIAL, kTooltipDelayMs);
    SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_RESHOW, kTooltipDelayMs);
    SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, kTooltipDurationMs);
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, MulDiv(kTooltipMaxWidth, Dpi(), 96));
    SendMessageW(tooltip_, TTM_SETTIPBKCOLOR, ToColorRef(kTooltipBackgroundRgb), 0);
    SendMessageW(tooltip_, TTM_SETTIPTEXTCOLOR, RGB(0, 0, 0), 0);
    ForEachTool([this](HWND tool, std::wstring& text) {
        TOOLINFOW info{};
        info.cbSize = sizeof info;
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = hwnd();
        info.uId = reinterpret_cast<UINT_PTR>(tool);
        info.lpszText = text.data();
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    });
    SendMessageW(tooltip_, TTM_ACTIVATE, TRUE, 0);
}

void MainWindow::SetTooltipTexts() {
    if (!tooltip_) return;
    ForEachTool([this](HWND tool, std::wstring& text) {
        TOOLINFOW info{};
        info.cbSize = sizeof info;
        info.hwnd = hwnd();
        info.uId = reinterpret_cast<UINT_PTR>(tool);
        info.lpszText = text.data();
        SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
    });
}

template <typename F>
void MainWindow::ForEachTool(F&& f) {
    for (const TooltipDef& t : MainWindowTooltips()) {
        const HWND control = Item(t.id);
        if (!control) continue;
        std::wstring text = W(Tr(t.text));
        f(control, text);
        // A combo box's edit part is a window of its own.
        if (IsCombo(t.id)) {
            COMBOBOXINFO combo{};
            combo.cbSize = sizeof combo;
            if (GetComboBoxInfo(control, &combo) && combo.hwndItem) f(combo.hwndItem, text);
        }
    }
}

void MainWindow::FitLabelsBesideValues() {
    const std::span<const ControlDef> table = MainWindowControls();
    if (tableControls_.size() != table.size()) return;
    const HDC dc = GetDC(hwnd());
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0)));
    const auto place = [](HWND control, const RECT& r) {
        SetWindowPos(control, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    };
    for (size_t i = 0; i < table.size(); ++i) {
        const ControlDef& label = table[i];
        if (label.kind != ControlKind::Label || label.h >= 16 || label.text.empty()) continue;
        for (size_t j = 0; j < table.size(); ++j) {
            const ControlDef& value = table[j];
            if (value.kind != ControlKind::Value || value.y != label.y || value.x < label.x) {
                continue;
            }
            // From the layout's places each time: the texts may have changed
            // (another language) since the last fit.
            const RECT l = ToPixels(DluRect{label.x, label.y, label.w, label.h});
            const RECT v = ToPixels(DluRect{value.x, value.y, value.w, value.h});
            place(tableControls_[i], l);
            place(tableControls_[j], v);
            const std::wstring text = W(WindowText(tableControls_[i]));
            SIZE size{};
            GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
            const int needed = l.left + size.cx + 1;
            if (needed <= l.right) break;
            const int right = std::min<int>(needed, v.right);
            place(tableControls_[i], RECT{l.left, l.top, right, l.bottom});
            if (right > v.left) place(tableControls_[j], RECT{right, v.top, v.right, v.bottom});
            break;
        }
    }
    SelectObject(dc, old);
    ReleaseDC(hwnd(), dc);
}

void MainWindow::FitToLayout() {
    RECT want{0, 0, kMainWindowWidth, kMainWindowHeight + kStripHeight};
    MapDialogRect(hwnd(), &want);
    // The menu bar may take more lines at another width: measured each time.
    for (int pass = 0; pass < 3; ++pass) {
        RECT client{}, window{};
        GetClientRect(hwnd(), &client);
        const int dx = want.right - client.right, dy = want.bottom - client.bottom;
        if (dx == 0 && dy == 0) break;
        GetWindowRect(hwnd(), &window);
        SetWindowPos(hwnd(), nullptr, 0, 0, window.right - window.left + dx,
                     window.bottom - window.top + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

bool MainWindow::Open(const std::filesystem::path& currentDir) {
    const bool ok = dlg_.Open(currentDir);
    InvalidatePicture();
    // The window will not be shown: what the opening had to say is shown
    // now, on its own.
    if (!ok) ShowHeldMessages();
    return ok;
}

void MainWindow::Show() {
    ShowWindow(hwnd(), SW_SHOW);
    UpdateWindow(hwnd());
    SetForegroundWindow(hwnd());
    if (!shown_) {
        shown_ = true;
        PostMessageW(hwnd(), kShowHeldMessages, 0, 0);
    }
}

int MainWindow::Run() {
    PumpMessagesUntil([this] { return closed_; });
    return 0;
}

void MainWindow::Exit() {
    dlg_.OnExit();
    closed_ = true;
    ShowWindow(hwnd(), SW_HIDE);
}

void MainWindow::ShowHeldMessages() {
    std::vector<HeldMessage> held;
    held.swap(heldMessages_);
    for (const HeldMessage& m : held) ShowMessageBox(m.caption, m.text, Buttons::Ok);
}

bool MainWindow::ProgramKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN) return false;
    const bool shift = KeyDown(VK_SHIFT), control = KeyDown(VK_CONTROL), alt = KeyDown(VK_MENU);
    // F1 without Shift, Ctrl or Alt, in any of the program's windows, is the
    // "Помощь" command.
    if (msg.wParam == VK_F1 && !shift && !control && !alt) {
        Command(ctl::kCmdHelp);
        return true;
    }
    // Ctrl+C in the main window copies the results table, unless an edit
    // takes it for its own text.
    if (msg.wParam == 'C' && control && !shift && !alt && msg.hwnd &&
        GetAncestor(msg.hwnd, GA_ROOT) == hwnd() && !IsEditControl(msg.hwnd)) {
        CopyResults();
        return true;
    }
    return false;
}

// --- Notifications -----------------------------------------------------------

bool MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->CtlID == kPictureId) {
                DrawPicture(*item);
            } else if (item->CtlID == kCheckStripId) {
                DrawStrip(*item);
            } else {
                return false;
            }
            result = TRUE;
            return true;
        }
        case WM_SETCURSOR: {
            // A hand over "Подробно...".
            if (reinterpret_cast<HWND>(wParam) != Item(kCheckStripId)) return false;
            POINT p;
            GetCursorPos(&p);
            ScreenToClient(Item(kCheckStripId), &p);
            if (!PtInRect(&stripLink_, p)) return false;
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            result = TRUE;
            return true;
        }
        case WM_CONTEXTMENU: {
            // "Копировать результаты" on the results group.
            POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (lParam == -1) GetCursorPos(&p);
            POINT client = p;
            ScreenToClient(hwnd(), &client);
            for (const ControlDef& def : MainWindowControls()) {
                if (def.kind != ControlKind::GroupBox || def.text != u"Результаты расчета")
                    continue;
                const RECT group = ToPixels(DluRect{def.x, def.y, def.w, def.h});
                if (!PtInRect(&group, client)) return false;
                HMENU popup = CreatePopupMenu();
                AppendMenuW(popup, MF_STRING, 1, W(Tr(u"Копировать результаты")).c_str());
                const int chosen = TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, p.x, p.y,
                                                  0, hwnd(), nullptr);
                DestroyMenu(popup);
                if (chosen == 1) CopyResults();
                result = TRUE;
                return true;
            }
            return false;
        }
        case WM_DPICHANGED_AFTERPARENT:
        case WM_DPICHANGED:
            // The dialog manager scales the controls and the font; the
            // window's own fonts and pictures follow.
            MakeFonts();
            FitLabelsBesideValues();
            if (tooltip_) {
                SendMessageW(tooltip_, WM_SETFONT, SendMessageW(hwnd(), WM_GETFONT, 0, 0), FALSE);
                SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0,
                             MulDiv(kTooltipMaxWidth, static_cast<int>(Dpi()), 96));
            }
            InvalidateRect(hwnd(), nullptr, TRUE);
            return false;
        case kShowHeldMessages:
            ShowHeldMessages();
            result = TRUE;
            return true;
        default:
            return false;
    }
}

void MainWindow::OnCommand(int id, int code, HWND control) {
    if (!ready_) return;
    // Menu commands (and accelerators).
    if (control == nullptr && code == 0 && id >= 32768) {
        Command(id);
        return;
    }
    if (id == kCheckStripId) {
        if (code == STN_CLICKED) OnStripClicked();
        return;
    }
    if (IsCombo(id)) {
        OnComboNotification(id, code);
        return;
    }
    if (code == EN_CHANGE) {
        OnEditChange(id);
        return;
    }
    if (code == BN_CLICKED) OnButton(id);
}

void MainWindow::OnButton(int id) {
    if (id == ctl::kExit) {
        Exit();
        return;
    }
    if (id == ctl::kCalculate) {
        // Enter ends typing in the material list; when the typed text chose
        // another material, that choice has calculated and Enter is done.
        const HWND focus = GetFocus();
        const HWND materials = Item(ctl::kMaterialList);
        if (focus && (focus == materials || GetParent(focus) == materials) &&
            dlg_.OnMaterialTextEntered()) {
            return;
        }
    }
    if (const auto handler = ClickHandlerOf(id)) (dlg_.*handler)();
    // Every input the user changes, after its handler: the results may now
    // belong to earlier inputs.
    if (IsInputControl(id)) dlg_.OnInputChanged();
}

void MainWindow::OnEditChange(int id) {
    // Every change of the window-fill text, typing included; changes made by
    // an exchange are ignored by the handler.
    if (id == ctl::kKo) dlg_.OnKoChanged();
    if (IsInputControl(id)) dlg_.OnInputChanged();
}

void MainWindow::OnComboNotification(int id, int code) {
    if (quiet_ > 0) return;
    if (id == ctl::kCoreList) {
        if (code == CBN_EDITCHANGE) dlg_.OnCoreTextEdited();
        if (code == CBN_SELCHANGE) dlg_.OnCoreSelected();
    } else if (id == ctl::kMaterialList) {
        if (code == CBN_SELCHANGE) dlg_.OnMaterialSelected();
        // Typing in the material list ends when the focus leaves it.
        if (code == CBN_KILLFOCUS) dlg_.OnMaterialTextEntered();
    }
}

void MainWindow::OnStripClicked() {
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(Item(kCheckStripId), &p);
    if (PtInRect(&stripLink_, p)) OpenCheckWindow();
}

// --- Painting --------------------------------------------------------------------

void MainWindow::DrawPicture(const DRAWITEMSTRUCT& item) {
    paintedPicture_ = W(ShapePictureName(dlg_.inputs().shape, dlg_.inputs().add_by_size));
    DrawPictureItem(item, paintedPicture_, Dpi(), true);
}

void MainWindow::DrawStrip(const DRAWITEMSTRUCT& item) {
    const HDC dc = item.hDC;
    RECT r = item.rcItem;
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    const auto normal = reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0));
    const HGDIOBJ old = SelectObject(dc, normal);
    int x = r.left + MulDiv(4, static_cast<int>(Dpi()), 96);
    stripLink_ = RECT{};
    for (const StripPart& part : CheckStripParts(dlg_.check(), dlg_.resultsStale())) {
        SelectObject(dc, part.link ? linkFont_ : part.bold ? boldFont_ : normal);
        SetTextColor(dc, ToColorRef(part.colour));
        const std::wstring text = W(part.text);
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        RECT box{x, r.top, x + size.cx, r.bottom};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        if (part.link) stripLink_ = box;
        x += size.cx;
    }
    SelectObject(dc, old);
}

Text MainWindow::StripText() const {
    Text text;
    for (const StripPart& part : CheckStripParts(dlg_.check(), dlg_.resultsStale()))
        text += part.text;
    return text;
}

// --- The secondary windows ----------------------------------------------------

void MainWindow::OpenTransfer() {
    const DesignResults& r = dlg_.results();
    // The time-domain model's frequencies beside the first-harmonic ones.
    const TdMarks td = TdMarksOf(dlg_.check(), r.Fr);
    ShowTransferCharacteristic(hwnd(), r.kLact, r.Qact, r.xMinFound ? r.xMin : 0,
                               r.xMaxFound ? r.xMax : 0, r.Fr, dlg_.resultsStale(), td.xMin,
                               td.xMax);
}

void MainWindow::OpenHelp() {
    const std::optional<Text> text = ReadHelpText(dlg_.settingsFolder());
    if (!text) {
        MessageBox(Tr(u"Внимание!"), Tr(kNoHelpFileText), Buttons::Ok);
        return;
    }
    // Over the window F1 was pressed in.
    HWND owner = GetActiveWindow();
    if (!owner || GetWindowThreadProcessId(owner, nullptr) != GetCurrentThreadId()) owner = hwnd();
    ShowHelp(owner, *text);
}

void MainWindow::OpenCheckWindow() {
    CheckWindow window(dlg_);
    window.Run(hwnd());
}

void MainWindow::OpenAdviser() {
    AdviserWindow window(dlg_);
    window.Run(hwnd());
}

ReportDocument MainWindow::CurrentReport() const {
    DesignDocument document = dlg_.Document();
    document.date = ReportDate();
    return BuildReport(document);
}

void MainWindow::SaveReport() {
    // The save picker's name for the design, with the report's ending.
    Text suggested = dlg_.SuggestedSaveName();
    suggested.resize(suggested.size() - 4);  // ".sav"
    SaveReportAs(hwnd(), dlg_.settingsFolder(), suggested, CurrentReport(),
                 [this](TextView name) { dlg_.WriteFailed(name); });
}

void MainWindow::PrintReport() {
    PrintReportWithDialog(hwnd(), CurrentReport());
}

void MainWindow::OpenWaveforms() {
    WaveformWindow window(dlg_);
    window.Run(hwnd());
}

void MainWindow::ExportSpice() {
    // The save picker's name for the design, with the netlist's ending.
    Text suggested = dlg_.SuggestedSaveName();
    suggested.resize(suggested.size() - 4);  // ".sav"
    suggested += u".cir";
    std::optional<std::filesystem::path> file;
    if (saveHook_) {
        if (const std::optional<Text> name = saveHook_(dlg_.settingsFolder(), suggested))
            file = dlg_.settingsFolder() / std::filesystem::path(std::u16string(*name));
    } else {
        file = AskFileToSave(hwnd(), Tr(u"Экспорт SPICE"), dlg_.settingsFolder(), suggested,
                             {{Tr(u"Список цепей SPICE (*.cir)"), u"cir"}});
    }
    if (!file) return;
    if (file->extension().empty()) *file += u".cir";
    dlg_.ExportSpice(*file);
}

void MainWindow::CopyResults() {
    const std::wstring text = WithCrLf(ResultsTable(dlg_.Document()));
    if (!OpenClipboard(hwnd())) return;
    EmptyClipboard();
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        if (void* p = GlobalLock(memory)) {
            memcpy(p, text.c_str(), bytes);
            GlobalUnlock(memory);
            if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
        } else {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
}

// --- View ----------------------------------------------------------------------

Text MainWindow::GetText(int id) const {
    return WindowText(Item(id));
}

void MainWindow::SetText(int id, const Text& text) {
    const HWND control = Item(id);
    if (!control || WindowText(control) == text) return;
    const std::wstring wide = W(text);
    if (IsCombo(id)) {
        Quietly(quiet_, [&] { SetWindowTextW(control, wide.c_str()); });
    } else {
        SetWindowTextW(control, wide.c_str());
    }
}

bool MainWindow::IsChecked(int id) const {
    const HWND control = Item(id);
    return control && SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void MainWindow::SetChecked(int id, bool checked) {
    if (const HWND control = Item(id))
        SendMessageW(control, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void MainWindow::SetEnabled(int id, bool enabled) {
    if (const HWND control = Item(id)) EnableWindow(control, enabled ? TRUE : FALSE);
}

bool MainWindow::IsEnabled(int id) const {
    const HWND control = Item(id);
    return control && IsWindowEnabled(control);
}

void MainWindow::ListClear(int id) {
    const HWND combo = Item(id);
    if (!combo) return;
    Quietly(quiet_, [&] {
        SendMessageW(combo, CB_RESETCONTENT, 0, 0);
        SetWindowTextW(combo, L"");
    });
}

void MainWindow::ListAdd(int id, const Text& entry) {
    const HWND combo = Item(id);
    if (!combo) return;
    const std::wstring wide = W(entry);
    Quietly(quiet_,
            [&] { SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str())); });
}

int MainWindow::ListCount(int id) const {
    const HWND combo = Item(id);
    return combo ? static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0)) : 0;
}

Text MainWindow::ListItem(int id, int index) const {
    const HWND combo = Item(id);
    if (!combo || index < 0 || index >= ListCount(id)) return {};
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return T(text);
}

int MainWindow::ListSelection(int id) const {
    const HWND combo = Item(id);
    if (!combo) return -1;
    const LRESULT sel = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    return sel == CB_ERR ? -1 : static_cast<int>(sel);
}

void MainWindow::ListSelect(int id, int index) {
    const HWND combo = Item(id);
    if (!combo) return;
    Quietly(quiet_, [&] {
        if (index < 0 || index >= ListCount(id)) {
            SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
            SetWindowTextW(combo, L"");
            return;
        }
        SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SetWindowTextW(combo, W(ListItem(id, index)).c_str());
    });
}

View::Answer MainWindow::MessageBox(TextView caption, TextView text, Buttons buttons) {
    if (messageHook_) return messageHook_(caption, text, buttons);
    // Until the window has been shown, a message that only informs waits for
    // it, so that it appears over the window rather than alone.
    if (!shown_ && buttons == Buttons::Ok) {
        heldMessages_.push_back(HeldMessage{Text(caption), Text(text)});
        return Answer::Ok;
    }
    return ShowMessageBox(caption, text, buttons);
}

View::Answer MainWindow::ShowMessageBox(TextView caption, TextView text, Buttons buttons) {
    if (messageHook_) return messageHook_(caption, text, buttons);
    HWND owner = GetActiveWindow();
    if (!owner || GetWindowThreadProcessId(owner, nullptr) != GetCurrentThreadId()) {
        owner = shown_ ? hwnd() : nullptr;
    }
    return ShowProgramMessage(owner, caption, text, buttons == Buttons::OkCancel) ? Answer::Ok
                                                                                  : Answer::Cancel;
}

void MainWindow::InvalidatePicture() {
    if (const HWND picture = Item(kPictureId)) InvalidateRect(picture, nullptr, TRUE);
}

void MainWindow::FocusControl(int id) {
    if (const HWND control = Item(id))
        SendMessageW(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

void MainWindow::ShowCheck(const DesignCheck&) {
    if (const HWND strip = Item(kCheckStripId)) InvalidateRect(strip, nullptr, TRUE);
}

void MainWindow::ShowResultsStale(bool stale) {
    // Greyed values belong to earlier inputs.
    for (const ResultRowDef& r : kResultRowDefs) SetEnabled(r.valueId, !stale);
    SetEnabled(ctl::kResGapReq, !stale);
    if (const HWND strip = Item(kCheckStripId)) InvalidateRect(strip, nullptr, TRUE);
}

std::optional<Text> MainWindow::PickFileToOpen(const std::filesystem::path& folder) {
    if (openHook_) return openHook_(folder);
    return RunOpenPicker(hwnd(), folder, [this](TextView caption, TextView text) {
        return MessageBox(caption, text, Buttons::OkCancel) == Answer::Ok;
    });
}

std::optional<Text> MainWindow::PickFileToSave(const std::filesystem::path& folder,
                                               const Text& suggested) {
    if (saveHook_) return saveHook_(folder, suggested);
    return RunSavePicker(hwnd(), folder, suggested, [this](TextView caption, TextView text) {
        return MessageBox(caption, text, Buttons::OkCancel) == Answer::Ok;
    });
}

}  // namespace kelvara::win32
