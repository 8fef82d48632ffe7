// Dialog templates built in memory from the layout tables of window/: the
// dialog manager lays the controls out in dialog units of the program's font,
// keeps the keyboard order, the default button and Enter and Esc, and scales
// the dialog when it moves to a screen of another DPI.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "ui_win32/win32.h"
#include "window/layout.h"
#include "window/text.h"

namespace kelvara::win32 {

// The program's dialog font: Segoe UI 9 points; where it is not installed
// (Wine), Arial or its metric twin Liberation Sans 9 points, else the system's
// message font.
struct DialogFont {
    std::wstring face;
    WORD points = 9;
};
const DialogFont& ProgramFont();

// A control's window class and styles as the table describes it.
struct ControlClass {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};
ControlClass ClassOf(const ControlDef& def);

// How far a combo box's list drops below its edit part, dialog units.
inline constexpr int kComboListHeight = 160;

// The caption and the controls' texts are given in Russian and shown in the
// current language (Tr).
class DialogTemplate {
  public:
    // A dialog of width × height dialog units (the client area, menu bar not
    // included) in the program's font.
    DialogTemplate(TextView caption, DWORD style, DWORD exStyle, int width, int height);

    // The controls of a table, in its order (the keyboard order).
    void Add(std::span<const ControlDef> table);
    void Add(const ControlDef& def);
    // A control of any class.
    void AddControl(int id, const wchar_t* className, TextView text, DWORD style, DWORD exStyle,
                    const DluRect& rect);

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }
    int count() const { return count_; }

  private:
    void Word(WORD w) { words_.push_back(w); }
    void DWord(DWORD d);
    void String(std::wstring_view s);
    void AlignToDWord();

    std::vector<WORD> words_;
    int count_ = 0;
};

}  // namespace kelvara::win32
