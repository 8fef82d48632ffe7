// A view without a display: it keeps the controls' state in memory, records
// every message box, and answers them as told. kelvara-calc and the tests use
// it in place of the window.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <vector>

#include "window/view.h"

namespace kelvara {

class HeadlessView : public View {
  public:
    struct ShownMessage {
        Text caption;
        Text text;
        Buttons buttons;
    };

    Text GetText(int id) const override;
    void SetText(int id, const Text& text) override;
    bool IsChecked(int id) const override;
    void SetChecked(int id, bool checked) override;
    void SetEnabled(int id, bool enabled) override;
    bool IsEnabled(int id) const override;
    void ListClear(int id) override;
    void ListAdd(int id, const Text& entry) override;
    int ListCount(int id) const override;
    Text ListItem(int id, int index) const override;
    int ListSelection(int id) const override;
    void ListSelect(int id, int index) override;
    Answer MessageBox(TextView caption, TextView text, Buttons buttons) override;
    void InvalidatePicture() override { ++pictureInvalidations; }
    void FocusControl(int id) override { focus = id; }
    std::optional<Text> PickFileToOpen(const std::filesystem::path& folder) override {
        return openPicker ? openPicker(folder) : std::nullopt;
    }
    std::optional<Text> PickFileToSave(const std::filesystem::path& folder,
                                       const Text& suggested) override {
        lastSuggestedName = suggested;
        return savePicker ? savePicker(folder, suggested) : std::nullopt;
    }

    // What a user's click on a radio button does: checks it and clears the
    // other buttons of its group (given as the group's ids).
    void ClickRadio(int id, std::initializer_list<int> group);
    // What typing does: replaces the text (no notification is sent).
    void Type(int id, const Text& text) { SetText(id, text); }

    std::vector<ShownMessage> messages;
    // The summary line of the last design check shown, and how often one was.
    Text checkSummary;
    int checksShown = 0;
    void ShowCheck(const DesignCheck& check) override {
        checkSummary = CheckSummary(check);
        ++checksShown;
    }
    // Whether the results are shown as belonging to earlier inputs.
    bool resultsShownStale = false;
    void ShowResultsStale(bool stale) override { resultsShownStale = stale; }
    // Called when a message box is shown; returns the answer (default OK).
    std::function<Answer(const ShownMessage&)> answer;
    // The pickers' answers (default: cancelled).
    std::function<std::optional<Text>(const std::filesystem::path&)> openPicker;
    std::function<std::optional<Text>(const std::filesystem::path&, const Text&)> savePicker;
    Text lastSuggestedName;
    int pictureInvalidations = 0;
    int focus = 0;

  private:
    struct List {
        std::vector<Text> entries;
        int selection = -1;
    };
    std::map<int, Text> texts_;
    std::set<int> checked_;
    std::set<int> disabled_;
    std::map<int, List> lists_;
};

}  // namespace kelvara
