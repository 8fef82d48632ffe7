// "Помощь": the text of "ReadMe.txt" in a read-only edit.
#pragma once

#include <QDialog>

#include "window/text.h"

class QPlainTextEdit;
class QPushButton;

namespace kelvara::ui {

class CHelpDlg : public QDialog {
  public:
    CHelpDlg(QWidget* parent, const Text& helpText);

    QPlainTextEdit* Edit() const { return edit_; }  // control 1007
    QPushButton* OkButton() const { return ok_; }

    // The help text as the edit shows it: every CR LF, and every lone CR, a
    // line break.
    static QString DisplayText(const Text& helpText);

  private:
    QPlainTextEdit* edit_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace kelvara::ui
