#include "ui/about_dlg.h"

#include <QLabel>
#include <QPushButton>

#include "kelvara/version.h"
#include "ui/qt_text.h"
#include "ui/secondary_layout.h"

namespace kelvara::ui {
namespace {

// The size of a window icon, pixels.
constexpr int kIconSize = 32;

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    const DialogUnits units =
        secondary::SetUpDialog(*this, QStringLiteral("О программе"), 280, 168);

    icon_ = new QLabel(this);
    icon_->setGeometry(units.ToX(11), units.ToY(17), kIconSize, kIconSize);
    icon_->setPixmap(secondary::RenderSvg(QString::fromLatin1(kProgramIcon),
                                          QSize(kIconSize, kIconSize), devicePixelRatioF()));

    // The title is two lines; in a wider font it may widen about its centre
    // as far as the icon, before it needs a third line.
    const QRect title = units.ToRect(45, 10, 190, 16);
    const int iconRight = icon_->geometry().right() + units.ToX(4);
    secondary::AddCentredText(*this,
                              QStringLiteral("Kelvara - Расчет трансформатора и резонансных цепей "
                                             "резонансного полумостового преобразователя"),
                              title, true, 2 * (title.center().x() - iconRight));
    secondary::AddCentredText(*this, QStringLiteral(" Версия %1").arg(ToQ(kProgramVersion)),
                              units.ToRect(120, 35, 40, 8), false);
    secondary::AddCentredText(*this, QStringLiteral("06.10.25"), units.ToRect(120, 50, 40, 8),
                              false);

    // "OK" in Latin letters.
    ok_ = secondary::AddCloseButton(*this, units, QStringLiteral("OK"), 115, 145, 50, 16, true);
}

}  // namespace kelvara::ui
