// The main window's tooltips: texts, timing, width and colour.
#pragma once

#include <QColor>
#include <QString>
#include <span>
#include <string_view>

#include "window/text.h"

class QFont;

namespace kelvara::ui {

struct TooltipDef {
    int id;
    std::u16string_view text;  // "\n" breaks the line
};

std::span<const TooltipDef> MainWindowTooltips();

inline constexpr int kTooltipDelayMs = 100;       // before a tip appears
inline constexpr int kTooltipDurationMs = 30000;  // before it hides by itself
inline constexpr int kTooltipMaxWidth = 350;      // pixels; longer lines wrap
inline const QColor kTooltipBackground{255, 240, 160};

// The tip as shown: the text itself when every line fits the maximum width,
// otherwise rich text that wraps within it.
QString TooltipMarkup(TextView text, const QFont& font);

}  // namespace kelvara::ui
