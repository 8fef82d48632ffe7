#include "ui_win32/file_pickers.h"

#include "ui_win32/win_text.h"
#include "window/file_picker_layout.h"

namespace kelvara::win32 {

using namespace picker;

FilePickerDialog::FilePickerDialog(FilePicker::Kind kind, std::filesystem::path folder,
                                   Text presetName, FilePicker::Question ask)
    : picker_(kind, std::move(folder), std::move(presetName)), ask_(std::move(ask)) {}

bool FilePickerDialog::Create(HWND owner) {
    const bool open = picker_.kind() == FilePicker::Kind::Open;
    DialogTemplate t(open ? kOpenCaption : kSaveCaption,
                     WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, kPickerWidth,
                     kPickerHeight);
    t.Add(open ? OpenFileControls() : SaveFileControls());
    return Dialog::Create(t, owner);
}

std::optional<Text> FilePickerDialog::Run(HWND owner) {
    if (!Create(owner)) return std::nullopt;
    RunModal(owner);
    if (!accepted_) return std::nullopt;
    return picker_.name();
}

HWND FilePickerDialog::list() const {
    return Item(kFileListId);
}

HWND FilePickerDialog::nameEdit() const {
    return Item(picker_.kind() == FilePicker::Kind::Open ? kOpenNameId : kSaveNameId);
}

Text FilePickerDialog::chosenName() const {
    return WindowText(nameEdit());
}

void FilePickerDialog::OnInit() {
    SetWindowTextW(nameEdit(), W(picker_.name()).c_str());
    Refill();
}

void FilePickerDialog::Refill() {
    picker_.Refill();
    const HWND box = list();
    SendMessageW(box, WM_SETREDRAW, FALSE, 0);
    SendMessageW(box, LB_RESETCONTENT, 0, 0);
    for (const Text& name : picker_.entries()) {
        SendMessageW(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(name).c_str()));
    }
    SendMessageW(box, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(box, nullptr, TRUE);
}

void FilePickerDialog::ActivationChanged() {
    // The list always shows the folder as it is now; the selection clears
    // whenever the picker is activated or deactivated.
    Refill();
}

bool FilePickerDialog::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR&) {
    if (message == WM_ACTIVATE && hwnd()) ActivationChanged();
    return false;
}

void FilePickerDialog::SelectEntry(int index) {
    SendMessageW(list(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    const LRESULT sel = SendMessageW(list(), LB_GETCURSEL, 0, 0);
    picker_.Select(sel == LB_ERR ? -1 : static_cast<int>(sel));
    if (picker_.selection() >= 0) SetWindowTextW(nameEdit(), W(picker_.name()).c_str());
}

void FilePickerDialog::DoubleClick() {
    if (picker_.selection() < 0) return;
    const bool close = picker_.DoubleClick(ask_);
    SetWindowTextW(nameEdit(), W(picker_.name()).c_str());
    if (close) Accept();
}

void FilePickerDialog::PressOk() {
    picker_.SetName(chosenName());
    const bool close =
        picker_.kind() == FilePicker::Kind::Open ? picker_.Accept() : picker_.Save(ask_);
    if (!close) return;
    SetWindowTextW(nameEdit(), W(picker_.name()).c_str());
    Accept();
}

void FilePickerDialog::Accept() {
    accepted_ = true;
    EndModal(IDOK);
}

void FilePickerDialog::OnCommand(int id, int code, HWND) {
    if (id == kFileListId) {
        if (code == LBN_SELCHANGE) {
            const LRESULT sel = SendMessageW(list(), LB_GETCURSEL, 0, 0);
            picker_.Select(sel == LB_ERR ? -1 : static_cast<int>(sel));
            if (picker_.selection() >= 0) SetWindowTextW(nameEdit(), W(picker_.name()).c_str());
        } else if (code == LBN_DBLCLK) {
            DoubleClick();
        }
        return;
    }
    if (id == kOkId && code == BN_CLICKED) {
        PressOk();
    } else if (id == kCancelId && code == BN_CLICKED) {
        accepted_ = false;
        EndModal(IDCANCEL);
    }
}

std::optional<Text> RunOpenPicker(HWND owner, const std::filesystem::path& folder,
                                  FilePicker::Question ask) {
    FilePickerDialog dialog(FilePicker::Kind::Open, folder, {}, std::move(ask));
    return dialog.Run(owner);
}

std::optional<Text> RunSavePicker(HWND owner, const std::filesystem::path& folder,
                                  const Text& suggested, FilePicker::Question ask) {
    FilePickerDialog dialog(FilePicker::Kind::Save, folder, suggested, std::move(ask));
    return dialog.Run(owner);
}

}  // namespace kelvara::win32
