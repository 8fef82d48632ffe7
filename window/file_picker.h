// The behaviour of the program's two file pickers ("Открыть файл...",
// "Сохранить как..."), without any toolkit: the list of design files of the
// current folder, the selection, the name edit and the buttons.
#pragma once

#include <filesystem>
#include <functional>
#include <vector>

#include "refdata/text.h"

namespace kelvara {

// The "*.sav" and "*.ini" files of a folder (ordinary files, names only), in
// one alphabetical order ignoring letter case.
std::vector<Text> ListDesignFiles(const std::filesystem::path& folder);

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

    // Double-click on an entry, or "Открыть": true when the picker closes with
    // OK (only with a selection).
    bool Accept();
    // "Сохранить": asks the replace question when the name in the edit is
    // listed exactly; true when the picker closes with OK.
    bool Save(const Question& ask);

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
