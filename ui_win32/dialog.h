// The windows of the program are dialogs built from templates in memory. A
// Dialog is created hidden and either shown and run modally over its owner
// (RunModal) or left modeless (tests, the main window). Every message of the
// program passes through one loop (DispatchProgramMessage): the keys every
// window shares first (F1 is "Помощь" everywhere), then the dialog keyboard
// handling of the window the message belongs to.
#pragma once

#include <functional>

#include "ui_win32/dialog_template.h"
#include "ui_win32/win32.h"

namespace kelvara::win32 {

class Dialog {
  public:
    Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    virtual ~Dialog();

    // Creates the window, hidden, over `owner`; false when it cannot be made.
    bool Create(const DialogTemplate& tmpl, HWND owner);
    HWND hwnd() const { return hwnd_; }
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

    // Shows the window over `owner` (disabled meanwhile) and runs the loop
    // until EndModal; the window is destroyed then. Returns EndModal's value
    // (IDCANCEL when the program is told to quit meanwhile).
    INT_PTR RunModal(HWND owner);
    void EndModal(INT_PTR result);
    bool running() const { return running_; }

    // Pixels of a rectangle in the dialog's units.
    RECT ToPixels(const DluRect& r) const;
    // The window's DPI (96 at 100 %).
    UINT Dpi() const;

  protected:
    // The dialog procedure of a derived window: true when it handled the
    // message (the result then in `result`).
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);
    // After the controls are made.
    virtual void OnInit() {}
    // Gives the focus to a control while the window is made (otherwise the
    // first control that takes the keyboard has it).
    void SetInitialFocus(HWND control);
    // A command from a control, a menu or a key (IDOK, IDCANCEL).
    virtual void OnCommand(int id, int code, HWND control);

  private:
    static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    bool focusSet_ = false;
    bool running_ = false;
    INT_PTR result_ = IDCANCEL;
};

// One message of the program's loop.
void DispatchProgramMessage(MSG& msg);
// What the program does with a key before any window sees it (F1); true when
// the key was taken. Set by the main window.
void SetProgramKeys(std::function<bool(const MSG&)> keys);
// Runs the loop until `done` holds or the program is told to quit (false then).
bool PumpMessagesUntil(const std::function<bool()>& done);
// Handles the messages waiting now, without waiting for more.
void PumpWaitingMessages();

// The DPI of a window, and of the system (96 at 100 %).
UINT DpiOf(HWND hwnd);

}  // namespace kelvara::win32
