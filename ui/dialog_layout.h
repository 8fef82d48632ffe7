// Dialogs laid out from tables in dialog units: one table per dialog, turned
// into widgets by one function.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <span>
#include <string_view>
#include <vector>

class QWidget;

namespace kelvara::ui {

enum class ControlKind {
    GroupBox,
    Label,        // left-aligned static text; wraps when two lines high or more
    LabelCentre,  // centred static text
    LabelRight,   // right-aligned static text
    Value,        // a result text: right-aligned static text
    Edit,         // edit with centred text
    NameEdit,     // edit with left-aligned text (the pickers' file name)
    Radio,
    CheckBox,
    ComboBox,  // editable, not sorted
    ListBox,
    Button,
};

// Control flags.
inline constexpr int kGroupStart = 1;  // first radio button of its group
inline constexpr int kDefault = 2;     // the default push button
inline constexpr int kReadOnly = 4;    // read-only edit

inline constexpr int kNoId = -1;

struct ControlDef {
    int id;
    ControlKind kind;
    std::u16string_view text;
    int x, y, w, h;  // dialog units
    int flags = 0;
};

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
