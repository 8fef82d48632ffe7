// The program's own file pickers over the design files of the current folder:
// "Открыть файл..." for loading and "Сохранить как..." for saving.
#pragma once

#include <QDialog>
#include <filesystem>
#include <vector>

#include "ui/dialog_layout.h"
#include "window/file_picker.h"
#include "window/file_picker_layout.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace kelvara::ui {

// What the two pickers share: the file list 1009, refilled whenever the
// picker is activated or deactivated, the name edit and the two buttons.
class FileDialogBase : public QDialog {
    Q_OBJECT

  public:
    // The chosen name: what the name edit holds.
    Text chosenName() const;

    QListWidget* fileList() const { return list_; }
    QLineEdit* nameEdit() const { return edit_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    const FilePicker& picker() const { return picker_; }

    // Answers the replace question instead of a message box (for tests).
    void setQuestion(FilePicker::Question question) { question_ = std::move(question); }

  protected:
    FileDialogBase(FilePicker::Kind kind, std::filesystem::path folder, Text presetName,
                   std::span<const ControlDef> controls, QWidget* parent);

    void changeEvent(QEvent* event) override;
    // The list's selection changed (by the user).
    void OnSelectionChanged();
    // "Открыть": closes with OK with a selection, or with the listed file
    // whose name stands in the edit.
    void AcceptSelected();
    // Double-click on an entry: as "Открыть" in the open picker; in the save
    // picker as "Сохранить", replace question included.
    void OnDoubleClicked();
    void Refill();
    // The replace question: the tests' answer, or a message box.
    FilePicker::Question Question();

    FilePicker picker_;
    FilePicker::Question question_;
    QListWidget* list_ = nullptr;
    QLineEdit* edit_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    std::vector<PlacedControl> controls_;
};

class COpenFileDlg : public FileDialogBase {
    Q_OBJECT

  public:
    COpenFileDlg(std::filesystem::path folder, QWidget* parent);
};

class CSaveFileDlg : public FileDialogBase {
    Q_OBJECT

  public:
    CSaveFileDlg(std::filesystem::path folder, Text suggestedName, QWidget* parent);

  private:
    void OnSave();
};

}  // namespace kelvara::ui
