// "Проверка проекта": the design check of the last calculation as a table,
// one row per checked quantity with its status mark, value, limit and note.
#pragma once

#include <QColor>
#include <QDialog>

#include "window/kelvara_dlg.h"

class QLabel;
class QTableWidget;

namespace kelvara::ui {

// The colour of a status: green, orange, red, grey.
QColor StatusColour(CheckStatus status);
// The mark of a status in the table's first column.
QString StatusMark(CheckStatus status);
// The summary line as rich text: the counts coloured by the worst status.
QString SummaryHtml(const DesignCheck& check);

class CheckWindow : public QDialog {
    Q_OBJECT

  public:
    // `stale`: the check is of inputs that have been changed since.
    CheckWindow(QWidget* parent, const DesignCheck& check, bool stale = false);

    QTableWidget* table() const { return table_; }
    QLabel* summary() const { return summary_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QTableWidget* table_ = nullptr;
    QLabel* summary_ = nullptr;
};

}  // namespace kelvara::ui
