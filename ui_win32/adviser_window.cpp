#include "ui_win32/adviser_window.h"

#include <chrono>
#include <memory>

#include "session/design_document.h"
#include "ui_win32/gdiplus.h"
#include "ui_win32/resources.h"
#include "ui_win32/win_text.h"

namespace kelvara::win32 {

namespace {

constexpr int kWidth = 760, kHeight = 320;
constexpr int kMargin = 7;
// A ranking shows its progress after this long.
constexpr auto kProgressDelay = std::chrono::milliseconds(400);

// "Расчет вариантов..." with a progress bar and "Отмена".
class ProgressWindow : public Dialog {
  public:
    static constexpr int kBarId = 1000;

    bool Create(HWND owner) {
        DialogTemplate t(kAdviserCaption, WS_POPUP | WS_CAPTION | DS_MODALFRAME, 0, 200, 62);
        t.AddControl(-1, WC_STATICW, KELVARA_TR_NOOP(u"Расчет вариантов..."), SS_LEFT | SS_NOPREFIX,
                     0, DluRect{7, 7, 186, 8});
        t.AddControl(kBarId, PROGRESS_CLASSW, u"", 0, 0, DluRect{7, 19, 186, 12});
        t.AddControl(IDCANCEL, WC_BUTTONW, KELVARA_TR_NOOP(u"Отмена"), BS_PUSHBUTTON | WS_TABSTOP,
                     0, DluRect{75, 39, 50, 14});
        return Dialog::Create(t, owner);
    }
    void Set(size_t done, size_t total) {
        const HWND bar = Item(kBarId);
        SendMessageW(bar, PBM_SETRANGE32, 0, static_cast<LPARAM>(std::max<size_t>(total, 1)));
        SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(done), 0);
    }
    bool cancelled() const { return cancelled_; }

  protected:
    void OnCommand(int id, int code, HWND) override {
        if (id == IDCANCEL && code == BN_CLICKED) cancelled_ = true;
    }

  private:
    bool cancelled_ = false;
};

}  // namespace

bool AdviserWindow::Create(HWND owner) {
    DialogTemplate t(kAdviserCaption,
                     WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX, 0, kWidth,
                     kHeight);
    t.AddControl(kAdviserAllMaterialsId, WC_BUTTONW, KELVARA_TR_NOOP(u"все материалы"),
                 BS_AUTOCHECKBOX | WS_TABSTOP, 0, DluRect{kMargin, kMargin, 120, 10});
    t.AddControl(kAdviserTimingId, WC_STATICW, u"", SS_RIGHT | SS_NOPREFIX, 0,
                 DluRect{300, kMargin + 1, kWidth - 300 - kMargin, 8});
    t.AddControl(kAdviserHintId, WC_STATICW, kAdviserHint, SS_LEFT | SS_NOPREFIX, 0,
                 DluRect{kMargin, 21, kWidth - 2 * kMargin, 18});
    t.AddControl(kAdviserListId, WC_LISTVIEWW, u"",
                 LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP, WS_EX_CLIENTEDGE,
                 DluRect{kMargin, 42, kWidth - 2 * kMargin, 230});
    t.AddControl(kAdviserChooseId, WC_BUTTONW, KELVARA_TR_NOOP(u"Выбрать"),
                 BS_DEFPUSHBUTTON | WS_TABSTOP, 0,
                 DluRect{kWidth - 2 * 50 - 4 - kMargin, kHeight - 14 - kMargin, 50, 14});
    t.AddControl(kAdviserCloseId, WC_BUTTONW, KELVARA_TR_NOOP(u"Закрыть"),
                 BS_PUSHBUTTON | WS_TABSTOP, 0,
                 DluRect{kWidth - 50 - kMargin, kHeight - 14 - kMargin, 50, 14});
    return Dialog::Create(t, owner);
}

void AdviserWindow::Run(HWND owner) {
    if (!Create(owner)) return;
    Rank();
    RunModal(owner);
    // Applied once the window is gone.
    if (chosen_) ApplyCandidate(dlg_, *chosen_);
}

void AdviserWindow::OnInit() {
    if (const HICON icon = static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                       GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED))) {
        SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    SendMessageW(list(), LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER);
    const std::vector<Text> heads = AdviserColumnHeads(dlg_.inputs().yes_al == 1);
    for (int c = 0; c < static_cast<int>(heads.size()); ++c) {
        std::wstring head = W(heads[static_cast<size_t>(c)]);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM;
        column.fmt = (c == 1 || c == 2 || c == 0) ? LVCFMT_LEFT : LVCFMT_RIGHT;
        column.cx = 60;
        column.pszText = head.data();
        column.iSubItem = c;
        SendMessageW(list(), LVM_INSERTCOLUMNW, static_cast<WPARAM>(c),
                     reinterpret_cast<LPARAM>(&column));
    }
    // The list takes the keyboard: arrows choose a row, Enter takes it.
    SetInitialFocus(list());
}

void AdviserWindow::Rank() {
    const HCURSOR oldCursor = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    const auto start = std::chrono::steady_clock::now();
    const HWND owner = hwnd() ? hwnd() : GetActiveWindow();
    std::unique_ptr<ProgressWindow> progress;
    // While the ranking runs, only the progress window takes input.
    const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    RankProgress report;
    report.every = std::chrono::milliseconds(50);
    report.report = [&](size_t done, size_t total) {
        if (!progress && std::chrono::steady_clock::now() - start >= kProgressDelay) {
            progress = std::make_unique<ProgressWindow>();
            if (progress->Create(owner)) {
                if (ownerWasEnabled) EnableWindow(owner, FALSE);
                ShowWindow(progress->hwnd(), SW_SHOW);
            }
        }
        if (progress && progress->hwnd()) {
            progress->Set(done, total);
            PumpWaitingMessages();
            return !progress->cancelled();
        }
        return true;
    };
    const bool allMaterials =
        SendMessageW(Item(kAdviserAllMaterialsId), BM_GETCHECK, 0, 0) == BST_CHECKED;
    const Ranking ranking = RankCoresFor(dlg_, allMaterials, report);
    if (progress) {
        if (ownerWasEnabled) EnableWindow(owner, TRUE);
        progress.reset();
        if (owner) SetActiveWindow(owner);
    }
    candidates_ = ranking.candidates;
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    SetCursor(oldCursor);
    SetWindowTextW(Item(kAdviserTimingId),
                   W(AdviserTiming(candidates_.size(), ms, ranking.cancelled)).c_str());
    Fill();
}

void AdviserWindow::Fill() {
    const HWND view = list();
    SendMessageW(view, WM_SETREDRAW, FALSE, 0);
    SendMessageW(view, LVM_DELETEALLITEMS, 0, 0);
    cells_.clear();
    for (size_t i = 0; i < candidates_.size(); ++i) {
        cells_.push_back(AdviserRow(candidates_[i], static_cast<int>(i)));
        const std::vector<AdviserCell>& row = cells_.back();
        std::wstring first = W(row[0].text);
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = static_cast<int>(i);
        item.pszText = first.data();
        item.lParam = static_cast<LPARAM>(i);
        const int at = static_cast<int>(
            SendMessageW(view, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        for (int c = 1; c < static_cast<int>(row.size()); ++c) {
            std::wstring text = W(row[static_cast<size_t>(c)].text);
            LVITEMW sub{};
            sub.iSubItem = c;
            sub.pszText = text.data();
            SendMessageW(view, LVM_SETITEMTEXTW, static_cast<WPARAM>(at),
                         reinterpret_cast<LPARAM>(&sub));
        }
    }
    // Each column as wide as its head or its widest cell.
    const std::vector<Text> heads = AdviserColumnHeads(dlg_.inputs().yes_al == 1);
    const auto width = [view](const Text& text) {
        return static_cast<int>(
            SendMessageW(view, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(W(text).c_str())));
    };
    // A head takes room for its margins and the sort mark beside its text.
    const int headPadding = ToPixels(DluRect{0, 0, 16, 0}).right;
    const int cellPadding = ToPixels(DluRect{0, 0, 8, 0}).right;
    for (int c = 0; c < kAdviserColumns; ++c) {
        int w = width(heads[static_cast<size_t>(c)]) + headPadding;
        for (const std::vector<AdviserCell>& row : cells_)
            w = std::max(w, width(row[static_cast<size_t>(c)].text) + cellPadding);
        SendMessageW(view, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(c), w);
    }
    sortColumn_ = 0;
    ascending_ = true;
    SendMessageW(view, LVM_SORTITEMS, reinterpret_cast<WPARAM>(this),
                 reinterpret_cast<LPARAM>(&Compare));
    SendMessageW(view, WM_SETREDRAW, TRUE, 0);
    if (!candidates_.empty()) {
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(view, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
    }
    FitColumns();
    InvalidateRect(view, nullptr, TRUE);
}

void AdviserWindow::FitColumns() {
    // The window grows until every column shows, as far as the screen's
    // work area lets it; the list scrolls sideways beyond that.
    const HWND view = list();
    int columns = 0;
    for (int c = 0; c < kAdviserColumns; ++c)
        columns += static_cast<int>(SendMessageW(view, LVM_GETCOLUMNWIDTH, c, 0));
    RECT client{};
    GetClientRect(view, &client);
    const int wanted = columns + GetSystemMetrics(SM_CXVSCROLL) + 2 - client.right;
    if (wanted <= 0) return;
    RECT window{};
    GetWindowRect(hwnd(), &window);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromWindow(hwnd(), MONITOR_DEFAULTTONEAREST), &monitor)) return;
    const RECT& work = monitor.rcWork;
    const int width = std::min<int>(window.right - window.left + wanted, work.right - work.left);
    const int left = std::clamp<int>(window.left - (width - (window.right - window.left)) / 2,
                                     work.left, work.right - width);
    SetWindowPos(hwnd(), nullptr, left, window.top, width, window.bottom - window.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

int CALLBACK AdviserWindow::Compare(LPARAM a, LPARAM b, LPARAM selfParam) {
    const auto* self = reinterpret_cast<const AdviserWindow*>(selfParam);
    const size_t column = static_cast<size_t>(self->sortColumn_);
    const AdviserCell& x = self->cells_[static_cast<size_t>(a)][column];
    const AdviserCell& y = self->cells_[static_cast<size_t>(b)][column];
    int order = 0;
    if (x.numeric) {
        order = x.key < y.key ? -1 : y.key < x.key ? 1 : 0;
    } else {
        order = LessIgnoreCase(x.text, y.text) ? -1 : LessIgnoreCase(y.text, x.text) ? 1 : 0;
    }
    if (!self->ascending_) order = -order;
    // Equal cells keep the ranking's order.
    if (order == 0) order = a < b ? -1 : a > b ? 1 : 0;
    return order;
}

void AdviserWindow::SortBy(int column) {
    if (column < 0 || column >= kAdviserColumns) return;
    ascending_ = column == sortColumn_ ? !ascending_ : true;
    sortColumn_ = column;
    SendMessageW(list(), LVM_SORTITEMS, reinterpret_cast<WPARAM>(this),
                 reinterpret_cast<LPARAM>(&Compare));
}

const Candidate* AdviserWindow::CandidateOfRow(int row) const {
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (row < 0 || !SendMessageW(list(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) {
        return nullptr;
    }
    const auto index = static_cast<size_t>(item.lParam);
    return index < candidates_.size() ? &candidates_[index] : nullptr;
}

Text AdviserWindow::CellText(int row, int column) const {
    wchar_t buffer[512] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = 512;
    SendMessageW(list(), LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
    return T(buffer);
}

void AdviserWindow::ChooseSelected() {
    const int row = static_cast<int>(
        SendMessageW(list(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    const Candidate* c = CandidateOfRow(row);
    if (!c) return;
    chosen_ = *c;
    EndModal(IDOK);
}

void AdviserWindow::Layout() {
    RECT client{};
    GetClientRect(hwnd(), &client);
    const RECT unit = ToPixels(DluRect{0, 0, 4, 8});
    const auto X = [&](int dlu) { return MulDiv(dlu, unit.right, 4); };
    const auto Y = [&](int dlu) { return MulDiv(dlu, unit.bottom, 8); };
    const auto place = [&](int id, int x, int y, int w, int h) {
        SetWindowPos(Item(id), nullptr, x, y, std::max(0, w), std::max(0, h),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    };
    const int m = X(kMargin), my = Y(kMargin), right = client.right - m;
    const int bottom = client.bottom - my;
    place(kAdviserTimingId, right - X(240), my + Y(1), X(240), Y(8));
    place(kAdviserHintId, m, Y(21), right - m, Y(18));
    place(kAdviserCloseId, right - X(50), bottom - Y(14), X(50), Y(14));
    place(kAdviserChooseId, right - X(104), bottom - Y(14), X(50), Y(14));
    place(kAdviserListId, m, Y(42), right - m, bottom - Y(14) - Y(5) - Y(42));
}

bool AdviserWindow::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case WM_SIZE:
            Layout();
            return false;
        case WM_GETMINMAXINFO: {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            const RECT least = ToPixels(DluRect{0, 0, 400, 160});
            info->ptMinTrackSize.x = least.right;
            info->ptMinTrackSize.y = least.bottom;
            result = 0;
            return true;
        }
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->idFrom != kAdviserListId) return false;
            if (header->code == LVN_COLUMNCLICK) {
                SortBy(reinterpret_cast<const NMLISTVIEW*>(lParam)->iSubItem);
                result = 0;
                return true;
            }
            if (header->code == NM_DBLCLK) {
                ChooseSelected();
                result = 0;
                return true;
            }
            if (header->code == NM_CUSTOMDRAW) {
                auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(lParam);
                switch (draw->nmcd.dwDrawStage) {
                    case CDDS_PREPAINT:
                        result = CDRF_NOTIFYITEMDRAW;
                        return true;
                    case CDDS_ITEMPREPAINT:
                        result = CDRF_NOTIFYSUBITEMDRAW;
                        return true;
                    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
                        const auto index = static_cast<size_t>(draw->nmcd.lItemlParam);
                        draw->clrText = GetSysColor(COLOR_WINDOWTEXT);
                        const auto column = static_cast<size_t>(draw->iSubItem);
                        if (index < cells_.size() && column < cells_[index].size() &&
                            cells_[index][column].coloured) {
                            const CheckStatus status = cells_[index][column].status;
                            draw->clrText = ToColorRef(StyleOf(status).colour);
                        }
                        result = CDRF_NEWFONT;
                        return true;
                    }
                    default:
                        result = CDRF_DODEFAULT;
                        return true;
                }
            }
            return false;
        }
        default:
            return false;
    }
}

void AdviserWindow::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED) return;
    if (id == kAdviserChooseId) {
        ChooseSelected();
    } else if (id == kAdviserCloseId) {
        EndModal(IDCANCEL);
    } else if (id == kAdviserAllMaterialsId) {
        Rank();
    }
}

}  // namespace kelvara::win32
