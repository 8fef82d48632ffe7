// The Win32 window over a fresh small data root, for the tests of the Win32
// front end: real dialogs and controls, driven by the messages a user's
// keyboard and mouse would send; message boxes answered through the window's
// hook.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "support/data_root.h"
#include "ui_win32/main_window.h"
#include "ui_win32/win_text.h"

namespace kelvara::win32::testing {

struct Message {
    Text caption;
    Text text;
    View::Buttons buttons;
};

// A click on a button, a radio button or a checkbox.
inline void Click(HWND button) {
    SendMessageW(button, BM_CLICK, 0, 0);
}

// Typing into an edit (or a combo box's edit part): what it held is
// selected, then each character comes as a key would bring it.
inline void Type(HWND edit, TextView text) {
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    if (text.empty()) {
        SendMessageW(edit, WM_CHAR, VK_BACK, 0);
        return;
    }
    for (char16_t c : text) SendMessageW(edit, WM_CHAR, static_cast<WPARAM>(c), 0);
}

// The edit part of a combo box.
inline HWND ComboEdit(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return GetComboBoxInfo(combo, &info) ? info.hwndItem : nullptr;
}

// A user's choice of an entry in a combo box's list.
inline void Choose(HWND combo, int index) {
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

// The width and height a control's text takes in the control's font.
inline SIZE TextExtent(HWND control, const std::wstring& text, int wrapWidth = 0) {
    const HDC dc = GetDC(control);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT r{0, 0, wrapWidth > 0 ? wrapWidth : 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_NOPREFIX | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

inline RECT ClientRectOf(HWND control) {
    RECT r{};
    GetClientRect(control, &r);
    return r;
}

class Win32Window : public ::testing::Test {
  protected:
    void OpenWindow() {
        window = std::make_unique<MainWindow>();
        ASSERT_TRUE(window->Create());
        window->SetMessageHook([this](TextView caption, TextView text, View::Buttons buttons) {
            messages.push_back(Message{Text(caption), Text(text), buttons});
            return answer;
        });
        ASSERT_TRUE(window->Open(data.program()));
        window->Show();
        PumpWaitingMessages();
    }
    void TearDown() override {
        window.reset();
        PumpWaitingMessages();
    }

    HWND Item(int id) const { return window->Item(id); }
    Text TextOf(int id) const { return window->GetText(id); }

    kelvara::testing::DataRoot data;
    std::unique_ptr<MainWindow> window;
    std::vector<Message> messages;
    View::Answer answer = View::Answer::Ok;
};

}  // namespace kelvara::win32::testing
