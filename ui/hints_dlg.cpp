#include "ui/hints_dlg.h"

#include <QLabel>
#include <QPushButton>

#include "ui/secondary_layout.h"

namespace kelvara::ui {

CHints::CHints(QWidget* parent) : QDialog(parent) {
    const DialogUnits units = secondary::SetUpDialog(
        *this, QStringLiteral("Типовая схема резонансного полумостового преобразователя"), 400,
        220);

    // The picture at its own size, never stretched, centred in its area.
    picture_ = new QLabel(this);
    picture_->setGeometry(units.ToRect(80, 20, 243, 169));
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setPixmap(
        secondary::RenderSvg(QString::fromLatin1(kCircuitPicture), QSize(), devicePixelRatioF()));

    // "ОК" in Cyrillic letters.
    ok_ = secondary::AddCloseButton(*this, units, QStringLiteral("ОК"), 175, 199, 50, 14, true);
}

}  // namespace kelvara::ui
