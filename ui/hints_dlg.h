// "Типовая схема резонансного полумостового преобразователя": the picture of
// the converter that the program designs.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace kelvara::ui {

// The picture's resource.
inline constexpr const char* kCircuitPicture = ":/resources/circuit.svg";

class CHints : public QDialog {
  public:
    explicit CHints(QWidget* parent);

    QLabel* Picture() const { return picture_; }
    QPushButton* OkButton() const { return ok_; }

  private:
    QLabel* picture_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace kelvara::ui
