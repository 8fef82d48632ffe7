// Dialogs as data: each window's controls in dialog units, one table per
// dialog, which every front end turns into its own controls.
#pragma once

#include <string_view>

namespace kelvara {

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

// A rectangle in dialog units.
struct DluRect {
    int x, y, w, h;
};

}  // namespace kelvara
