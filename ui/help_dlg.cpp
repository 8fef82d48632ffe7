#include "ui/help_dlg.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/qt_text.h"
#include "ui/secondary_layout.h"

namespace kelvara::ui {

QString CHelpDlg::DisplayText(const Text& helpText) {
    QString text = ToQ(helpText);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

CHelpDlg::CHelpDlg(QWidget* parent, const Text& helpText) : QDialog(parent) {
    const DialogUnits units = secondary::SetUpDialog(*this, QStringLiteral("Помощь"), 400, 330);

    edit_ = new QPlainTextEdit(this);
    edit_->setObjectName(QStringLiteral("1007"));
    edit_->setGeometry(units.ToRect(7, 7, 386, 289));
    edit_->setReadOnly(true);
    edit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Read-only, yet the reader may still select and copy with the keyboard.
    edit_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    edit_->setPlainText(DisplayText(helpText));

    // "ОК" in Cyrillic letters.
    ok_ = secondary::AddCloseButton(*this, units, QStringLiteral("ОК"), 175, 309, 50, 14, true);
    edit_->setFocus();
}

}  // namespace kelvara::ui
