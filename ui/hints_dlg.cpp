#include "ui/hints_dlg.h"

#include <QLabel>
#include <QPushButton>

#include "ui/qt_text.h"
#include "ui/secondary_layout.h"
#include "window/secondary_layout.h"

namespace kelvara::ui {

CHints::CHints(QWidget* parent) : QDialog(parent) {
    const DialogUnits units =
        secondary::SetUpDialog(*this, TrQ(circuit::kCaption), circuit::kWidth, circuit::kHeight);

    // The picture at its own size, never stretched, centred in its area.
    picture_ = new QLabel(this);
    picture_->setGeometry(units.ToRect(circuit::kPicture));
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setPixmap(
        secondary::RenderSvg(QString::fromLatin1(kCircuitPicture), QSize(), devicePixelRatioF()));

    ok_ = secondary::AddCloseButton(*this, units, TrQ(circuit::kOkText), circuit::kOk, true);
}

}  // namespace kelvara::ui
