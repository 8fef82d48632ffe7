#include "ui/help_dlg.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/qt_text.h"
#include "ui/secondary_layout.h"
#include "window/secondary_layout.h"

namespace kelvara::ui {

QString CHelpDlg::DisplayText(const Text& helpText) {
    QString text = ToQ(helpText);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

CHelpDlg::CHelpDlg(QWidget* parent, const Text& helpText) : QDialog(parent) {
    const DialogUnits units =
        secondary::SetUpDialog(*this, TrQ(help::kCaption), help::kWidth, help::kHeight);

    edit_ = new QPlainTextEdit(this);
    edit_->setObjectName(QString::number(help::kEditId));
    edit_->setGeometry(units.ToRect(help::kEdit));
    edit_->setReadOnly(true);
    edit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Read-only, yet the reader may still select and copy with the keyboard.
    edit_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    edit_->setPlainText(DisplayText(helpText));

    ok_ = secondary::AddCloseButton(*this, units, TrQ(help::kOkText), help::kOk, true);
    edit_->setFocus();
}

}  // namespace kelvara::ui
