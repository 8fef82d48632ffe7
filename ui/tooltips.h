// The main window's tooltips as Qt shows them (texts, timing, width and
// colour: window/tooltip_texts.h).
#pragma once

#include <QColor>
#include <QString>
#include <span>
#include <string_view>

#include "window/text.h"
#include "window/tooltip_texts.h"

class QFont;

namespace kelvara::ui {

inline const QColor kTooltipBackground{QRgb(kTooltipBackgroundRgb)};

// The tip as shown: the text itself when every line fits the maximum width,
// otherwise rich text that wraps within it.
QString TooltipMarkup(TextView text, const QFont& font);

}  // namespace kelvara::ui
