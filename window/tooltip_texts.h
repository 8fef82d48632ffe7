// The main window's tooltips: texts, timing, width and colour.
#pragma once

#include <span>
#include <string_view>

namespace kelvara {

struct TooltipDef {
    int id;
    std::u16string_view text;  // "\n" breaks the line
};

std::span<const TooltipDef> MainWindowTooltips();

inline constexpr int kTooltipDelayMs = 100;                  // before a tip appears
inline constexpr int kTooltipDurationMs = 30000;             // before it hides by itself
inline constexpr int kTooltipMaxWidth = 350;                 // pixels; longer lines wrap
inline constexpr unsigned kTooltipBackgroundRgb = 0xFFF0A0;  // red 255, green 240, blue 160

}  // namespace kelvara
