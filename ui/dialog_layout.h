// Dialogs laid out from the tables of window/layout.h in dialog units,
// turned into widgets by one function.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <span>
#include <string_view>
#include <vector>

#include "window/layout.h"

class QWidget;

namespace kelvara::ui {

// The dialog base units of a font: the average width of the 52 Latin letters
// and the font height. A horizontal dialog unit is a quarter of the first, a
// vertical one an eighth of the second.
struct DialogUnits {
    int baseX = 6;
    int baseY = 13;

    static DialogUnits ForFont(const QFont& font);
    int ToX(int dlu) const;
    int ToY(int dlu) const;
    // Converts the corners, so that adjoining rectangles stay adjoining.
    QRect ToRect(int x, int y, int w, int h) const;
    QRect ToRect(const DluRect& r) const { return ToRect(r.x, r.y, r.w, r.h); }
    QSize ToSize(int w, int h) const { return {ToX(w), ToY(h)}; }
};

struct PlacedControl {
    const ControlDef* def;
    QWidget* widget;
};

// Creates the table's controls as children of `parent`, in table order (which
// is also the keyboard order). Radio buttons form one exclusive group from a
// kGroupStart button up to the next one.
std::vector<PlacedControl> BuildControls(QWidget* parent, std::span<const ControlDef> table,
                                         const DialogUnits& units);

}  // namespace kelvara::ui
