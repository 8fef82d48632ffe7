// "О программе": the program's name, version and date.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace kelvara::ui {

// The window icon's resource.
inline constexpr const char* kProgramIcon = ":/resources/kelvara.svg";

class CAboutDlg : public QDialog {
  public:
    explicit CAboutDlg(QWidget* parent);

    QLabel* Icon() const { return icon_; }
    QPushButton* OkButton() const { return ok_; }

  private:
    QLabel* icon_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace kelvara::ui
