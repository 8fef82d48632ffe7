// "Подбор сердечника": every core of the database calculated for the current
// requirements, ranked by the design check, in a table sortable by any
// column. "Выбрать" (or a double-click) applies the chosen row to the main
// window.
#pragma once

#include <QDialog>
#include <vector>

#include "window/adviser.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace kelvara::ui {

class AdviserWindow : public QDialog {
    Q_OBJECT

  public:
    AdviserWindow(QWidget* parent, CKelvaraDlg& dlg);

    QTableWidget* table() const { return table_; }
    QCheckBox* allMaterials() const { return allMaterials_; }
    QLabel* timing() const { return timing_; }
    QPushButton* chooseButton() const { return choose_; }
    const std::vector<Candidate>& candidates() const { return candidates_; }
    // The candidate a table row shows (the table may be sorted by any column).
    const Candidate* CandidateOfRow(int row) const;

    // Ranks again (the checkbox toggles it).
    void Rank();
    // Applies the selected row to the main window and closes.
    void ChooseSelected();

  private:
    void Fill();

    CKelvaraDlg& dlg_;
    std::vector<Candidate> candidates_;
    QTableWidget* table_ = nullptr;
    QCheckBox* allMaterials_ = nullptr;
    QLabel* timing_ = nullptr;
    QPushButton* choose_ = nullptr;
};

}  // namespace kelvara::ui
