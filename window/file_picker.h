// The behaviour of the program's two file pickers ("Открыть файл...",
// "Сохранить как..."), without any toolkit: the list of design files of the
// current folder, the selection, the name edit and the buttons.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "refdata/text.h"

namespace kelvara {

// The "*.sav" and "*.ini" files of a folder (ordinary files, names only), in
// one alphabetical order ignoring letter case. A name that is not valid text
// is left out: it could be neither shown nor opened by what is shown.
std::vector<Text> ListDesignFiles(const std::filesystem::path& folder);

// The file name "Сохранить" writes for a chosen name: ".sav" is appended when
// the name does not contain ".sav" anywhere (letter case included). Nothing
// when the name names no file: empty, or ".sav" alone (also after a folder).
std::optional<Text> SaveFileName(TextView chosen);

class FilePicker {
  public:
    enum class Kind { Open, Save };
    // Answers the replace question (text, caption); true for OK.
    using Question = std::function<bool(TextView caption, TextView text)>;

    FilePicker(Kind kind, std::filesystem::path folder, Text presetName = {});

    // Fills the list from the folder as it is now; the selection clears.
    // Runs when the picker opens and on every activation change.
    void Refill();
    // The user selects an entry: its name goes into the name edit.
    void Select(int index);

    // "Открыть": true when the picker closes with OK: with a selection, or
    // when the name in the edit is one of the listed files.
    bool Accept();
    // "Сохранить": works out the file that will be written from the name in
    // the edit and asks the replace question whenever that file exists; true
    // when the picker closes with OK. A name that names no file keeps it open.
    bool Save(const Question& ask);
    // Double-click on an entry: its name goes into the edit, then the open
    // picker closes with OK, and the save picker acts as "Сохранить" does.
    bool DoubleClick(const Question& ask);

    const std::vector<Text>& entries() const { return entries_; }
    int selection() const { return selection_; }
    const Text& name() const { return name_; }
    void SetName(const Text& name) { name_ = name; }  // typing into the name edit
    Kind kind() const { return kind_; }

  private:
    Kind kind_;
    std::filesystem::path folder_;
    Text name_;
    std::vector<Text> entries_;
    int selection_ = -1;
};

}  // namespace kelvara
