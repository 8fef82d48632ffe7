#include "ui/tooltips.h"

#include <QFont>
#include <QFontMetrics>

#include "ui/qt_text.h"

namespace kelvara::ui {

namespace {

// The tip label's frame and margin on each side.
constexpr int kTipPadding = 4;

}  // namespace

QString TooltipMarkup(TextView text, const QFont& font) {
    const QString plain = ToQ(text);
    const QFontMetrics fm(font);
    const int inner = kTooltipMaxWidth - 2 * kTipPadding;
    bool fits = true;
    for (const QString& line : plain.split(u'\n')) {
        if (fm.horizontalAdvance(line) > inner) {
            fits = false;
            break;
        }
    }
    if (fits) return plain;
    return QStringLiteral(
               "<table width=\"%1\" cellspacing=\"0\" cellpadding=\"0\"><tr>"
               "<td style=\"white-space:pre-wrap\">%2</td></tr></table>")
        .arg(inner)
        .arg(plain.toHtmlEscaped());
}

}  // namespace kelvara::ui
