#include "ui/kelvara_app.h"

#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>
#include <QToolTip>
#include <filesystem>
#include <system_error>

#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/tooltips.h"

namespace kelvara::ui {

namespace {

// The common style with the tooltip timing of the main window, and group
// boxes whose etched frame runs through the middle of their title, so that the
// controls laid out inside keep their room.
class KelvaraStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ToolTip_WakeUpDelay) return kTooltipDelayMs;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control != CC_GroupBox || !box || (box->subControls & SC_GroupBoxCheckBox)) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        const QFontMetrics& fm = box->fontMetrics;
        const QRect r = box->rect;
        const int top = r.top() + fm.height() / 2;
        const int textLeft = r.left() + 8;
        const int textWidth = box->text.isEmpty() ? 0 : fm.horizontalAdvance(box->text) + 4;
        painter->save();
        // Dark line, then a light one below and right of it.
        for (int pass = 0; pass < 2; ++pass) {
            painter->setPen(box->palette.color(pass == 0 ? QPalette::Mid : QPalette::Light));
            const int d = pass;
            const int left = r.left() + d, right = r.right() - 1 + d;
            const int y0 = top + d, bottom = r.bottom() - 1 + d;
            painter->drawLine(left, y0, left, bottom);
            painter->drawLine(left, bottom, right, bottom);
            painter->drawLine(right, y0, right, bottom);
            painter->drawLine(left, y0, textLeft - 2, y0);
            painter->drawLine(textLeft + textWidth, y0, right, y0);
        }
        painter->setPen(box->palette.color(QPalette::WindowText));
        painter->drawText(QRect(textLeft + 2, r.top(), textWidth, fm.height()),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, box->text);
        painter->restore();
    }
};

}  // namespace

QFont DialogFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("Arimo"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(12);
    return font;
}

void ApplyLook(QApplication& app) {
    // One style on every platform, so that the dialog-unit layout looks and
    // fits the same everywhere.
    app.setStyle(new KelvaraStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    const QFont font = DialogFont();
    app.setFont(font);
    QToolTip::setFont(font);
    QPalette tips = QToolTip::palette();
    tips.setColor(QPalette::ToolTipBase, kTooltipBackground);
    tips.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(tips);
}

CKelvaraApp::CKelvaraApp(int& argc, char** argv) : app_(argc, argv) {
    QApplication::setApplicationName(QStringLiteral("Kelvara"));
    ApplyLook(app_);
}

int CKelvaraApp::Run() {
    MainWindow window;
    // A missing wire table or material folder ends the program with the
    // message already shown; nothing is written.
    // The current folder as the system names it: its name need not be text.
    std::error_code ec;
    std::filesystem::path current = std::filesystem::current_path(ec);
    if (ec) current = std::filesystem::path(".");
    if (!window.Open(current)) return 1;
    window.exec();
    return 0;
}

}  // namespace kelvara::ui
