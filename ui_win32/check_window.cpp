#include "ui_win32/check_window.h"

#include <algorithm>

#include "session/design_document.h"
#include "session/messages.h"
#include "ui_win32/gdiplus.h"
#include "ui_win32/resources.h"
#include "ui_win32/waveform_window.h"
#include "ui_win32/win_text.h"
#include "window/check_inputs.h"

namespace kelvara::win32 {

namespace {

constexpr std::u16string_view kHeads[5] = {u"", KELVARA_TR_NOOP(u"Что проверяется"),
                                           KELVARA_TR_NOOP(u"Значение"), KELVARA_TR_NOOP(u"Норма"),
                                           KELVARA_TR_NOOP(u"Что это значит и что делать")};

// Dialog-unit layout of the window (see Layout).
constexpr int kMargin = 7;
constexpr int kSummaryHeight = 18;
constexpr int kGroupHeight = 62;
constexpr int kInputsWidth = 370;
constexpr int kButtonWidth = 50, kButtonHeight = 14, kWaveformsWidth = 70;
constexpr int kWidth = 760, kHeight = 400;

// The place of a later input's label and field in the inputs group, by its
// grid column: label x, label width, field x.
struct ColumnPlace {
    int labelX, labelW, editX;
};
constexpr ColumnPlace ColumnOf(int column) {
    return column == 0   ? ColumnPlace{6, 84, 92}
           : column == 2 ? ColumnPlace{128, 128, 258}
                         : ColumnPlace{294, 38, 334};
}
constexpr int kEditWidth = 30, kRowStep = 15, kFirstRowY = 12;

// The room between a cell's frame and its text: across, and up and down.
int Pad(HDC dc) {
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    return std::max(2, static_cast<int>(tm.tmAveCharWidth / 2));
}

int VerticalPad(HDC dc) {
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    return std::max(1, static_cast<int>(tm.tmHeight / 8));
}

HFONT FontOf(HWND hwnd) {
    return reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
}

// A font that has the status marks (✓ ✗), the size of the dialog font.
HFONT MarkFont(HFONT base) {
    LOGFONTW lf{};
    GetObjectW(base ? static_cast<HGDIOBJ>(base) : GetStockObject(DEFAULT_GUI_FONT), sizeof lf,
               &lf);
    lf.lfWeight = FW_BOLD;
    const std::wstring face =
        InstalledFamily({L"Segoe UI Symbol", L"DejaVu Sans", L"Arial Unicode MS"}, lf.lfFaceName);
    wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    return CreateFontIndirectW(&lf);
}

int TextHeight(HDC dc, const std::wstring& text, int width, bool wrap) {
    RECT r{0, 0, std::max(1, width), 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_NOPREFIX | (wrap ? DT_WORDBREAK : DT_SINGLELINE));
    return r.bottom - r.top;
}

int TextWidth(HDC dc, const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

}  // namespace

// --- The table ------------------------------------------------------------------

const wchar_t* CheckTable::ClassName() {
    return L"KelvaraCheckTable";
}

void CheckTable::Register() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSW wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = &CheckTable::Procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = nullptr;
    wc.lpszClassName = ClassName();
    registered = RegisterClassW(&wc) != 0;
}

void CheckTable::SetRows(HWND table, std::vector<Row> rows) {
    rows_ = std::move(rows);
    SetWindowLongPtrW(table, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    scroll_ = 0;
    UpdateScroll(table);
    InvalidateRect(table, nullptr, TRUE);
}

std::vector<int> CheckTable::ColumnWidths(HDC dc, int width) const {
    const int pad = Pad(dc);
    std::vector<int> w(5, 0);
    // A little more than the text, as drawing may take a pixel more than
    // measuring.
    const int slack = 2 * pad + 8;
    w[0] = TextWidth(dc, L"MM") + slack;
    // The middle columns as wide as their contents, the note the rest.
    for (int c = 1; c <= 3; ++c) {
        w[c] = TextWidth(dc, W(Tr(kHeads[c]))) + slack;
        for (const Row& r : rows_) w[c] = std::max(w[c], TextWidth(dc, W(r.cells[c])) + slack);
    }
    const int used = w[0] + w[1] + w[2] + w[3];
    w[4] = std::max(width - used, TextWidth(dc, W(Tr(kHeads[4]))) + slack);
    return w;
}

std::vector<int> CheckTable::RowHeights(HWND table) const {
    RECT client{};
    GetClientRect(table, &client);
    const HDC dc = GetDC(table);
    const HGDIOBJ old = SelectObject(dc, FontOf(GetParent(table)));
    const int pad = Pad(dc);
    const int vpad = VerticalPad(dc);
    const std::vector<int> widths = ColumnWidths(dc, client.right);
    std::vector<int> heights;
    heights.push_back(TextHeight(dc, L"Ay", 100, false) + 2 * vpad);
    for (const Row& r : rows_) {
        int h = 0;
        for (int c = 0; c < 5; ++c) {
            h = std::max(h, TextHeight(dc, W(r.cells[c]), widths[static_cast<size_t>(c)] - 2 * pad,
                                       c == 4 || c == 1));
        }
        heights.push_back(h + 2 * vpad);
    }
    SelectObject(dc, old);
    ReleaseDC(table, dc);
    return heights;
}

void CheckTable::UpdateScroll(HWND hwnd) {
    RECT client{};
    GetClientRect(hwnd, &client);
    const std::vector<int> heights = RowHeights(hwnd);
    int total = 0;
    for (size_t i = 1; i < heights.size(); ++i) total += heights[i];
    const int page = std::max(0, static_cast<int>(client.bottom) - heights[0]);
    scroll_ = std::clamp(scroll_, 0, std::max(0, total - page));
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = std::max(0, total - 1);
    si.nPage = static_cast<UINT>(page);
    si.nPos = scroll_;
    SetScrollInfo(hwnd, SB_VERT, &si, TRUE);
}

void CheckTable::Paint(HWND hwnd, HDC target) const {
    RECT client{};
    GetClientRect(hwnd, &client);
    // Drawn off screen and copied in one step.
    const HDC dc = CreateCompatibleDC(target);
    const HBITMAP bitmap = CreateCompatibleBitmap(target, client.right, client.bottom);
    const HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    const HFONT font = FontOf(GetParent(hwnd));
    const HFONT marks = MarkFont(font);
    const HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    const int pad = Pad(dc);
    const std::vector<int> widths = ColumnWidths(dc, client.right);
    const std::vector<int> heights = RowHeights(hwnd);
    const HPEN grid = CreatePen(PS_SOLID, 1, RGB(0xD0, 0xD0, 0xD0));
    const HGDIOBJ oldPen = SelectObject(dc, grid);
    const auto cellLines = [&](int top, int height) {
        int x = 0;
        for (int w : widths) {
            x += w;
            MoveToEx(dc, x - 1, top, nullptr);
            LineTo(dc, x - 1, top + height);
        }
        MoveToEx(dc, 0, top + height - 1, nullptr);
        LineTo(dc, client.right, top + height - 1);
    };
    int y = heights[0] - scroll_;
    for (size_t i = 0; i < rows_.size(); ++i) {
        const Row& row = rows_[i];
        const int h = heights[i + 1];
        if (y + h > heights[0] && y < client.bottom) {
            const StatusStyle& style = StyleOf(row.status);
            int x = 0;
            for (int c = 0; c < 5; ++c) {
                const int w = widths[static_cast<size_t>(c)];
                const std::wstring text = W(c == 0 ? Text(style.mark) : row.cells[c]);
                const bool wraps = c == 1 || c == 4;
                SelectObject(dc, c == 0 ? marks : font);
                // In the middle of the row, as high as the text is.
                const int textHeight = TextHeight(dc, text, w - 2 * pad, wraps);
                const int top = y + (h - textHeight) / 2;
                RECT cell{x + pad, top, x + w - pad, top + textHeight};
                COLORREF colour = GetSysColor(COLOR_WINDOWTEXT);
                if (c == 0 || (c == 4 && (row.status == CheckStatus::Warning ||
                                          row.status == CheckStatus::Error))) {
                    colour = ToColorRef(style.colour);
                }
                SetTextColor(dc, colour);
                DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &cell,
                          DT_NOPREFIX | (c == 0  ? DT_CENTER | DT_SINGLELINE
                                         : wraps ? DT_WORDBREAK
                                                 : DT_SINGLELINE));
                x += w;
            }
            cellLines(y, h);
        }
        y += h;
    }
    // The header over the rows.
    RECT head{0, 0, client.right, heights[0]};
    FillRect(dc, &head, GetSysColorBrush(COLOR_BTNFACE));
    SelectObject(dc, font);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    int x = 0;
    for (int c = 0; c < 5; ++c) {
        const int w = widths[static_cast<size_t>(c)];
        RECT cell{x + pad, 0, x + w - pad, heights[0]};
        const std::wstring head = W(Tr(kHeads[c]));
        DrawTextW(dc, head.c_str(), -1, &cell,
                  DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        x += w;
    }
    cellLines(0, heights[0]);
    BitBlt(target, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(grid);
    DeleteObject(marks);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

LRESULT CALLBACK CheckTable::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<CheckTable*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            const HDC dc = BeginPaint(hwnd, &ps);
            if (self) {
                self->Paint(hwnd, dc);
            } else {
                FillRect(dc, &ps.rcPaint, GetSysColorBrush(COLOR_WINDOW));
            }
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_SIZE:
            if (self) self->UpdateScroll(hwnd);
            return 0;
        case WM_VSCROLL:
        case WM_MOUSEWHEEL: {
            if (!self) break;
            SCROLLINFO si{};
            si.cbSize = sizeof si;
            si.fMask = SIF_ALL;
            GetScrollInfo(hwnd, SB_VERT, &si);
            int pos = si.nPos;
            const int line = std::max(8, static_cast<int>(si.nPage) / 10);
            if (message == WM_MOUSEWHEEL) {
                pos -= GET_WHEEL_DELTA_WPARAM(wParam) * line * 3 / WHEEL_DELTA;
            } else {
                switch (LOWORD(wParam)) {
                    case SB_LINEUP:
                        pos -= line;
                        break;
                    case SB_LINEDOWN:
                        pos += line;
                        break;
                    case SB_PAGEUP:
                        pos -= static_cast<int>(si.nPage);
                        break;
                    case SB_PAGEDOWN:
                        pos += static_cast<int>(si.nPage);
                        break;
                    case SB_THUMBTRACK:
                    case SB_THUMBPOSITION:
                        pos = si.nTrackPos;
                        break;
                    case SB_TOP:
                        pos = 0;
                        break;
                    case SB_BOTTOM:
                        pos = si.nMax;
                        break;
                    default:
                        break;
                }
            }
            self->scroll_ = pos;
            self->UpdateScroll(hwnd);
            InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// --- The window -------------------------------------------------------------------

bool CheckWindow::Create(HWND owner) {
    CheckTable::Register();
    DialogTemplate t(KELVARA_TR_NOOP(u"Проверка проекта"),
                     WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX, 0, kWidth,
                     kHeight);
    t.AddControl(kCheckSummaryId, WC_STATICW, u"", SS_OWNERDRAW, 0, DluRect{0, 0, 10, 10});
    t.AddControl(kCheckTableId, CheckTable::ClassName(), u"", WS_VSCROLL | WS_TABSTOP,
                 WS_EX_CLIENTEDGE, DluRect{0, 0, 10, 10});
    t.AddControl(kCheckInputsGroupId, WC_BUTTONW, kCheckInputsTitle, BS_GROUPBOX, 0,
                 DluRect{0, 0, 10, 10});
    int id = kCheckFirstInputId;
    for (const CheckInputDef& in : kCheckInputs) {
        t.AddControl(id++, WC_STATICW, in.label, SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0,
                     DluRect{0, 0, 10, 10});
        t.AddControl(id++, WC_EDITW, u"", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE,
                     DluRect{0, 0, 10, 10});
    }
    t.AddControl(kCheckRecalculateId, WC_BUTTONW, kCheckRecalculate, BS_DEFPUSHBUTTON | WS_TABSTOP,
                 0, DluRect{0, 0, 10, 10});
    t.AddControl(kCheckInterId, WC_BUTTONW, kCheckInterLabel, BS_AUTOCHECKBOX | WS_TABSTOP, 0,
                 DluRect{0, 0, 10, 10});
    t.AddControl(kCheckWindingGroupId, WC_BUTTONW, kCheckWindingTitle, BS_GROUPBOX, 0,
                 DluRect{0, 0, 10, 10});
    t.AddControl(kCheckWindingId, WC_STATICW, u"", SS_OWNERDRAW, 0, DluRect{0, 0, 10, 10});
    // The time-domain model's waveforms of the design checked here.
    t.AddControl(kCheckWaveformsId, WC_BUTTONW, KELVARA_TR_NOOP(u"Осциллограммы..."),
                 BS_PUSHBUTTON | WS_TABSTOP, 0, DluRect{0, 0, 10, 10});
    t.AddControl(kCheckCloseId, WC_BUTTONW, KELVARA_TR_NOOP(u"Закрыть"), BS_PUSHBUTTON | WS_TABSTOP,
                 0, DluRect{0, 0, 10, 10});
    return Dialog::Create(t, owner);
}

void CheckWindow::Run(HWND owner) {
    if (Create(owner)) RunModal(owner);
}

HWND CheckWindow::Input(std::u16string_view key) const {
    if (key == kCheckInterKey) return Item(kCheckInterId);
    int id = kCheckFirstInputId + 1;
    for (const CheckInputDef& in : kCheckInputs) {
        if (in.key == key) return Item(id);
        id += 2;
    }
    return nullptr;
}

void CheckWindow::OnInit() {
    if (const HICON icon = static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                       GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED))) {
        SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    LOGFONTW lf{};
    GetObjectW(FontOf(hwnd()), sizeof lf, &lf);
    lf.lfWeight = FW_BOLD;
    boldFont_ = CreateFontIndirectW(&lf);
    for (const CheckInputDef& in : kCheckInputs) {
        SetWindowTextW(Input(in.key), W(dlg_.LaterInput(in.key)).c_str());
    }
    SendMessageW(Item(kCheckInterId), BM_SETCHECK,
                 dlg_.LaterInput(kCheckInterKey) == u"1" ? BST_CHECKED : BST_UNCHECKED, 0);
    Layout();
    Fill();
}

void CheckWindow::Layout() {
    RECT client{};
    GetClientRect(hwnd(), &client);
    const RECT unit = ToPixels(DluRect{0, 0, 4, 8});  // 4 × 8 dialog units
    const auto X = [&](int dlu) { return MulDiv(dlu, unit.right, 4); };
    const auto Y = [&](int dlu) { return MulDiv(dlu, unit.bottom, 8); };
    const auto place = [&](int id, int x, int y, int w, int h) {
        SetWindowPos(Item(id), nullptr, x, y, std::max(0, w), std::max(0, h),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    };
    const int m = X(kMargin), my = Y(kMargin);
    const int right = client.right - m;
    place(kCheckSummaryId, m, my, right - m, Y(kSummaryHeight));
    const int closeTop = client.bottom - my - Y(kButtonHeight);
    place(kCheckCloseId, right - X(kButtonWidth), closeTop, X(kButtonWidth), Y(kButtonHeight));
    place(kCheckWaveformsId, right - X(kButtonWidth) - X(4) - X(kWaveformsWidth), closeTop,
          X(kWaveformsWidth), Y(kButtonHeight));
    const int groupTop = closeTop - Y(4) - Y(kGroupHeight);
    const int tableTop = my + Y(kSummaryHeight) + Y(3);
    place(kCheckTableId, m, tableTop, right - m, groupTop - Y(4) - tableTop);
    place(kCheckInputsGroupId, m, groupTop, X(kInputsWidth), Y(kGroupHeight));
    int id = kCheckFirstInputId;
    for (const CheckInputDef& in : kCheckInputs) {
        const ColumnPlace c = ColumnOf(in.column);
        const int y = groupTop + Y(kFirstRowY + in.row * kRowStep);
        place(id++, m + X(c.labelX), y + Y(2), X(c.labelW), Y(8));
        place(id++, m + X(c.editX), y, X(kEditWidth), Y(12));
    }
    const int lastRow = groupTop + Y(kFirstRowY + 2 * kRowStep);
    place(kCheckRecalculateId, m + X(6), lastRow - Y(1), X(60), Y(kButtonHeight));
    place(kCheckInterId, m + X(ColumnOf(2).labelX), lastRow + Y(1), X(200), Y(10));
    const int windingLeft = m + X(kInputsWidth) + X(6);
    place(kCheckWindingGroupId, windingLeft, groupTop, right - windingLeft, Y(kGroupHeight));
    place(kCheckWindingId, windingLeft + X(6), groupTop + Y(11), right - windingLeft - X(12),
          Y(kGroupHeight - 16));
    InvalidateRect(hwnd(), nullptr, TRUE);
}

Text CheckWindow::SummaryText() const {
    const DesignCheck& check = dlg_.check();
    Text text;
    if (dlg_.resultsStale()) text = Tr(msg::kResultsStale) + u"\n";
    if (check.done) {
        text += TrFormat(u"Проверка проекта: {1}", {CheckCounts(check)});
    } else {
        text += Tr(u"Проверка проекта: расчет не выполнен до конца, проверять нечего.");
    }
    return text;
}

void CheckWindow::DrawSummary(const DRAWITEMSTRUCT& item) const {
    const HDC dc = item.hDC;
    RECT r = item.rcItem;
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    const HFONT normal = FontOf(hwnd());
    const HGDIOBJ old = SelectObject(dc, normal);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    int y = r.top;
    const auto part = [&](int& x, const Text& text, unsigned colour, bool bold) {
        SelectObject(dc, bold ? boldFont_ : normal);
        SetTextColor(dc, ToColorRef(colour));
        const std::wstring wide = W(text);
        TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
        x += TextWidth(dc, wide);
    };
    const DesignCheck& check = dlg_.check();
    if (dlg_.resultsStale()) {
        int x = r.left;
        part(x, Tr(msg::kResultsStale), StyleOf(CheckStatus::Error).colour, true);
        y += tm.tmHeight;
    }
    int x = r.left;
    if (check.done) {
        part(x, Tr(u"Проверка проекта: "), 0x000000, false);
        part(x, CheckCounts(check), StyleOf(WorstStatus(check)).colour, true);
    } else {
        part(x, Tr(u"Проверка проекта: расчет не выполнен до конца, проверять нечего."), 0x000000,
             false);
    }
    SelectObject(dc, old);
}

void CheckWindow::DrawWinding(const DRAWITEMSTRUCT& item) const {
    const HDC target = item.hDC;
    const RECT& r = item.rcItem;
    const int width = r.right - r.left, height = r.bottom - r.top;
    if (width <= 0 || height <= 0) return;
    const HDC dc = CreateCompatibleDC(target);
    const HBITMAP bitmap = CreateCompatibleBitmap(target, width, height);
    const HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    const RECT all{0, 0, width, height};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    const HGDIOBJ oldFont = SelectObject(dc, FontOf(hwnd()));
    SetBkMode(dc, TRANSPARENT);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    const int line = tm.tmHeight;
    const unsigned grey = StyleOf(CheckStatus::Unknown).colour;
    if (!winding_.drawn) {
        SetTextColor(dc, ToColorRef(grey));
        RECT box = all;
        const std::wstring text =
            W(Tr(u"Обмотки не уложены на каркас: провод не выбран или виток шире каркаса."));
        DrawTextW(dc, text.c_str(), -1, &box, DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_NOPREFIX);
    } else {
        // The bobbin's cross-section on the left, at one scale for both axes;
        // the legend to its right.
        const int margin = line / 2;
        int legendWidth = 0;
        for (const Text& l : winding_.legend)
            legendWidth = std::max(legendWidth, TextWidth(dc, W(l)) + line * 2);
        const double availableW = std::max(40, width - legendWidth - 3 * margin);
        const double availableH = std::max(20, height - 2 * margin);
        const double scale =
            std::min(availableW / winding_.width, availableH / std::max(winding_.height, 1e-9));
        const double left = margin;
        const double bottom = margin + winding_.height * scale;
        Gdiplus::Graphics g(dc);
        for (const WindingShape& s : winding_.shapes) {
            const Gdiplus::RectF box(static_cast<Gdiplus::REAL>(left + s.x * scale),
                                     static_cast<Gdiplus::REAL>(bottom - (s.y + s.height) * scale),
                                     static_cast<Gdiplus::REAL>(s.width * scale),
                                     static_cast<Gdiplus::REAL>(s.height * scale));
            Gdiplus::SolidBrush fill(ToColor(WindingColour(s.kind)));
            g.FillRectangle(&fill, box);
            Gdiplus::Pen pen(s.kind == WindingShape::Kind::Space
                                 ? ToColor(grey)
                                 : Gdiplus::Color(255, 255, 255, 255),
                             1);
            g.DrawRectangle(&pen, box);
        }
        // The legend, each line with the swatch of what it names.
        const WindingShape::Kind swatches[] = {
            WindingShape::Kind::Primary, WindingShape::Kind::Secondary, WindingShape::Kind::Space};
        int y = margin;
        const int x = static_cast<int>(left + winding_.width * scale) + 2 * margin;
        for (size_t i = 0; i < winding_.legend.size(); ++i) {
            const int side = line / 2 + 2;
            Gdiplus::SolidBrush fill(ToColor(WindingColour(swatches[std::min<size_t>(i, 2)])));
            g.FillRectangle(&fill, x, y + line / 4, side, side);
            Gdiplus::Pen pen(ToColor(grey), 1);
            g.DrawRectangle(&pen, x, y + line / 4, side, side);
            SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
            const std::wstring text = W(winding_.legend[i]);
            TextOutW(dc, x + line, y, text.c_str(), static_cast<int>(text.size()));
            y += line + line / 3;
        }
    }
    BitBlt(target, r.left, r.top, width, height, dc, 0, 0, SRCCOPY);
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

void CheckWindow::Fill() {
    const DesignCheck& check = dlg_.check();
    std::vector<CheckTable::Row> rows;
    for (const CheckRow& r : check.rows) {
        CheckTable::Row row;
        row.status = r.status;
        row.cells[1] = r.label;
        row.cells[2] = r.value;
        row.cells[3] = r.limit;
        row.cells[4] = r.note;
        rows.push_back(std::move(row));
    }
    table_.SetRows(Item(kCheckTableId), std::move(rows));
    winding_ =
        dlg_.lastRunCompleted() ? BuildWindingPicture(dlg_.results().winding) : WindingPicture{};
    InvalidateRect(Item(kCheckSummaryId), nullptr, TRUE);
    InvalidateRect(Item(kCheckWindingId), nullptr, TRUE);
}

void CheckWindow::Recalculate() {
    std::vector<std::pair<Text, Text>> values;
    for (const CheckInputDef& in : kCheckInputs) {
        values.emplace_back(Text(in.key), WindowText(Input(in.key)));
    }
    values.emplace_back(Text(kCheckInterKey),
                        SendMessageW(Item(kCheckInterId), BM_GETCHECK, 0, 0) == BST_CHECKED
                            ? Text(u"1")
                            : Text(u"0"));
    dlg_.OnLaterInputs(values);
    // The fields show what the calculation read (commas become points).
    for (const CheckInputDef& in : kCheckInputs) {
        SetWindowTextW(Input(in.key), W(dlg_.LaterInput(in.key)).c_str());
    }
    Fill();
}

bool CheckWindow::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case WM_SIZE:
            Layout();
            return false;
        case WM_GETMINMAXINFO: {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            const RECT least = ToPixels(DluRect{0, 0, 480, 240});
            info->ptMinTrackSize.x = least.right;
            info->ptMinTrackSize.y = least.bottom;
            result = 0;
            return true;
        }
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->CtlID == kCheckSummaryId) {
                DrawSummary(*item);
            } else if (item->CtlID == kCheckWindingId) {
                DrawWinding(*item);
            } else {
                return false;
            }
            result = TRUE;
            return true;
        }
        case WM_DESTROY:
            if (boldFont_) DeleteObject(boldFont_);
            boldFont_ = nullptr;
            return false;
        default:
            return false;
    }
}

void CheckWindow::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED) return;
    // Enter in a field presses "Пересчитать"; the checkbox calculates at once.
    if (id == kCheckRecalculateId || id == IDOK || id == kCheckInterId) {
        Recalculate();
    } else if (id == kCheckWaveformsId) {
        WaveformWindow window(dlg_);
        window.Run(hwnd());
    } else if (id == kCheckCloseId) {
        EndModal(IDCANCEL);
    }
}

}  // namespace kelvara::win32
