// "Подбор сердечника": every core of the database calculated for the current
// requirements, ranked by the design check, in a list sortable by any column
// (a click on its head; again for the reverse order). "Выбрать" (or a
// double-click) applies the chosen row to the main window. A ranking that
// takes longer than a moment shows its progress and can be cancelled.
#pragma once

#include <optional>
#include <vector>

#include "ui_win32/dialog.h"
#include "window/adviser.h"
#include "window/adviser_table.h"

namespace kelvara::win32 {

inline constexpr int kAdviserAllMaterialsId = 1000;
inline constexpr int kAdviserTimingId = 1001;
inline constexpr int kAdviserHintId = 1002;
inline constexpr int kAdviserListId = 1003;
inline constexpr int kAdviserChooseId = IDOK;
inline constexpr int kAdviserCloseId = IDCANCEL;

class AdviserWindow : public Dialog {
  public:
    explicit AdviserWindow(CKelvaraDlg& dlg) : dlg_(dlg) {}
    bool Create(HWND owner);
    // Ranks, then runs the window modally.
    void Run(HWND owner);

    HWND list() const { return Item(kAdviserListId); }
    const std::vector<Candidate>& candidates() const { return candidates_; }
    // The candidate a list row shows (the list may be sorted by any column).
    const Candidate* CandidateOfRow(int row) const;
    // The text of a cell as the list shows it.
    Text CellText(int row, int column) const;
    // Sorts by a column, as a click on its head does.
    void SortBy(int column);

    // Ranks again (the checkbox toggles it).
    void Rank();
    // Chooses the selected row and closes; the main window takes it once the
    // window has gone (Run).
    void ChooseSelected();
    const std::optional<Candidate>& chosen() const { return chosen_; }

  protected:
    void OnInit() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void OnCommand(int id, int code, HWND control) override;

  private:
    void Fill();
    // Widens the window to show every column, within the screen.
    void FitColumns();
    void Layout();
    static int CALLBACK Compare(LPARAM a, LPARAM b, LPARAM self);

    CKelvaraDlg& dlg_;
    std::vector<Candidate> candidates_;
    std::vector<std::vector<AdviserCell>> cells_;  // by candidate
    int sortColumn_ = 0;
    bool ascending_ = true;
    std::optional<Candidate> chosen_;
};

}  // namespace kelvara::win32
