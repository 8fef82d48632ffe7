// The program's own file pickers over the design files of the current
// folder: "Открыть файл..." for loading and "Сохранить как..." for saving,
// built from their tables; their behaviour is window/file_picker.h's.
#pragma once

#include <filesystem>
#include <optional>

#include "ui_win32/dialog.h"
#include "window/file_picker.h"

namespace kelvara::win32 {

class FilePickerDialog : public Dialog {
  public:
    FilePickerDialog(FilePicker::Kind kind, std::filesystem::path folder, Text presetName,
                     FilePicker::Question ask);

    // Makes the window (hidden) over `owner`.
    bool Create(HWND owner);
    // Runs it modally; the chosen name, or nothing when cancelled.
    std::optional<Text> Run(HWND owner);

    const FilePicker& picker() const { return picker_; }
    HWND list() const;
    HWND nameEdit() const;
    // The chosen name: what the name edit holds.
    Text chosenName() const;
    // Closed with OK.
    bool accepted() const { return accepted_; }

    // What the user's actions do (the tests drive them): selecting an entry
    // of the list, a double-click on it, the OK button ("Открыть" or
    // "Сохранить"), and another window taking or giving back the activation.
    void SelectEntry(int index);
    void DoubleClick();
    void PressOk();
    void ActivationChanged();

  protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void OnInit() override;
    void OnCommand(int id, int code, HWND control) override;

  private:
    void Refill();
    void Accept();

    FilePicker picker_;
    FilePicker::Question ask_;
    bool accepted_ = false;
};

// "Загрузить"'s and "Сохранить"'s pickers, run modally over `owner`.
std::optional<Text> RunOpenPicker(HWND owner, const std::filesystem::path& folder,
                                  FilePicker::Question ask);
std::optional<Text> RunSavePicker(HWND owner, const std::filesystem::path& folder,
                                  const Text& suggested, FilePicker::Question ask);

}  // namespace kelvara::win32
