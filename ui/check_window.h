// "Проверка проекта": the design check of the last calculation as a table,
// one row per checked quantity with its status mark, value, limit and note;
// above it the inputs that only the check uses (the half bridge's dead time
// and output capacitance, how the windings are wound), which calculate again
// when changed; below it the windings in the bobbin, to scale.
#pragma once

#include <QColor>
#include <QDialog>
#include <map>

#include "session/winding_picture.h"
#include "window/kelvara_dlg.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace kelvara::ui {

// The colour of a status: green, orange, red, grey.
QColor StatusColour(CheckStatus status);
// The mark of a status in the table's first column.
QString StatusMark(CheckStatus status);
// The summary line as rich text: the counts coloured by the worst status.
QString SummaryHtml(const DesignCheck& check);

// The windings in the bobbin, scaled to fit, with the legend beside them.
class WindingView : public QWidget {
    Q_OBJECT

  public:
    explicit WindingView(QWidget* parent = nullptr);
    void SetPicture(WindingPicture picture);
    const WindingPicture& picture() const { return picture_; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    WindingPicture picture_;
};

class CheckWindow : public QDialog {
    Q_OBJECT

  public:
    CheckWindow(QWidget* parent, CKelvaraDlg& dlg);

    QTableWidget* table() const { return table_; }
    QLabel* summary() const { return summary_; }
    WindingView* winding() const { return winding_; }
    // The edit (or checkbox) of a later input by its key.
    QWidget* input(std::u16string_view key) const;
    QPushButton* recalculate() const { return recalculate_; }
    QPushButton* waveforms() const { return waveforms_; }

    // Takes the inputs, calculates again and shows the new check.
    void Recalculate();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // Shows the window's last check and its state.
    void Fill();

    CKelvaraDlg& dlg_;
    QTableWidget* table_ = nullptr;
    QLabel* summary_ = nullptr;
    WindingView* winding_ = nullptr;
    QPushButton* recalculate_ = nullptr;
    QPushButton* waveforms_ = nullptr;
    std::map<Text, QWidget*> inputs_;
};

}  // namespace kelvara::ui
