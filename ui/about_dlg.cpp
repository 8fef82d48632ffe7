#include "ui/about_dlg.h"

#include <QLabel>
#include <QPushButton>

#include "kelvara/version.h"
#include "ui/qt_text.h"
#include "ui/secondary_layout.h"
#include "window/secondary_layout.h"

namespace kelvara::ui {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    const DialogUnits units =
        secondary::SetUpDialog(*this, TrQ(about::kCaption), about::kWidth, about::kHeight);

    icon_ = new QLabel(this);
    icon_->setGeometry(units.ToX(about::kIconX), units.ToY(about::kIconY), about::kIconPixels,
                       about::kIconPixels);
    icon_->setPixmap(secondary::RenderSvg(QString::fromLatin1(kProgramIcon),
                                          QSize(about::kIconPixels, about::kIconPixels),
                                          devicePixelRatioF()));

    // The title is two lines; in a wider font it may widen about its centre
    // as far as the icon, before it needs a third line.
    const QRect title = units.ToRect(about::kTitle);
    const int iconRight = icon_->geometry().right() + units.ToX(4);
    secondary::AddCentredText(*this, TrQ(about::kTitleText), title, true,
                              2 * (title.center().x() - iconRight));
    secondary::AddCentredText(*this, TrQ(about::kVersionPrefix) + ToQ(kProgramVersion),
                              units.ToRect(about::kVersion), false);
    secondary::AddCentredText(*this, TrQ(about::kDateText), units.ToRect(about::kDate), false);

    ok_ = secondary::AddCloseButton(*this, units, TrQ(about::kOkText), about::kOk, true);
}

}  // namespace kelvara::ui
