// "Проверка проекта": the design check of the last calculation as a table,
// one row per checked quantity with its status mark, value, limit and note
// (notes wrap in their column); below it the inputs that only the check uses,
// which calculate again when changed, and the windings in the bobbin to scale.
#pragma once

#include <map>
#include <vector>

#include "session/winding_picture.h"
#include "ui_win32/dialog.h"
#include "window/kelvara_dlg.h"

namespace kelvara::win32 {

// The table: a window of its own that draws the rows with their wrapped
// cells and scrolls them.
class CheckTable {
  public:
    static const wchar_t* ClassName();
    // Registers the window class (once).
    static void Register();

    struct Row {
        CheckStatus status = CheckStatus::Ok;
        Text cells[5];
    };
    void SetRows(HWND table, std::vector<Row> rows);
    const std::vector<Row>& rows() const { return rows_; }
    // Each row's height at the present width, pixels (the header first).
    std::vector<int> RowHeights(HWND table) const;

  private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HWND hwnd, HDC dc) const;
    // Column widths for a table `width` pixels wide.
    std::vector<int> ColumnWidths(HDC dc, int width) const;
    void UpdateScroll(HWND hwnd);

    std::vector<Row> rows_;
    int scroll_ = 0;  // pixels scrolled
};

inline constexpr int kCheckSummaryId = 1000;
inline constexpr int kCheckTableId = 1001;
inline constexpr int kCheckInputsGroupId = 1002;
inline constexpr int kCheckWindingGroupId = 1003;
inline constexpr int kCheckWindingId = 1004;
inline constexpr int kCheckRecalculateId = 1005;
inline constexpr int kCheckInterId = 1006;
inline constexpr int kCheckCloseId = IDCANCEL;
inline constexpr int kCheckWaveformsId = 1007;
// The fields of window/check_inputs.h: label and edit ids from here, in order.
inline constexpr int kCheckFirstInputId = 1100;

class CheckWindow : public Dialog {
  public:
    explicit CheckWindow(CKelvaraDlg& dlg) : dlg_(dlg) {}
    bool Create(HWND owner);
    void Run(HWND owner);

    // The edit (or the checkbox) of a later input by its key.
    HWND Input(std::u16string_view key) const;
    const CheckTable& table() const { return table_; }
    const WindingPicture& winding() const { return winding_; }
    // The summary's text as shown.
    Text SummaryText() const;

    // Takes the inputs, calculates again and shows the new check.
    void Recalculate();

  protected:
    void OnInit() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void OnCommand(int id, int code, HWND control) override;

  private:
    // Shows the window's last check and its state.
    void Fill();
    void Layout();
    void DrawSummary(const DRAWITEMSTRUCT& item) const;
    void DrawWinding(const DRAWITEMSTRUCT& item) const;

    CKelvaraDlg& dlg_;
    CheckTable table_;
    WindingPicture winding_;
    HFONT boldFont_ = nullptr;
};

}  // namespace kelvara::win32
