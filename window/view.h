// The small abstract view through which the main window's behaviour talks to
// its controls. The Qt window implements it; kelvara-calc and the tests
// implement it without a display.
#pragma once

#include <filesystem>
#include <optional>

#include "calc/design_check.h"
#include "refdata/text.h"

namespace kelvara {

class View {
  public:
    virtual ~View() = default;

    // Text of an edit, static text, or the edit part of a combo box.
    virtual Text GetText(int id) const = 0;
    virtual void SetText(int id, const Text& text) = 0;

    // Radio buttons and checkboxes.
    virtual bool IsChecked(int id) const = 0;
    virtual void SetChecked(int id, bool checked) = 0;

    virtual void SetEnabled(int id, bool enabled) = 0;
    virtual bool IsEnabled(int id) const = 0;

    // The two combo boxes (core list 1137, material list 1153).
    virtual void ListClear(int id) = 0;
    virtual void ListAdd(int id, const Text& entry) = 0;
    virtual int ListCount(int id) const = 0;
    virtual Text ListItem(int id, int index) const = 0;
    // Selected index, -1 when none.
    virtual int ListSelection(int id) const = 0;
    // Selects an entry (its text goes into the edit part); -1 clears the
    // selection and empties the edit part. Sends no notification.
    virtual void ListSelect(int id, int index) = 0;

    enum class Buttons { Ok, OkCancel };
    enum class Answer { Ok, Cancel };
    // A modal message box.
    virtual Answer MessageBox(TextView caption, TextView text, Buttons buttons) = 0;

    // Redraw the core-shape picture (its background erased).
    virtual void InvalidatePicture() = 0;
    virtual void FocusControl(int id) = 0;

    // The design check of the calculation just shown (a check that is not
    // done clears the summary). A view without a summary ignores it.
    virtual void ShowCheck(const DesignCheck& check) { (void)check; }
    // The results on show belong to earlier inputs (true) or to the inputs
    // in the controls again (false). Called on every change of that state.
    virtual void ShowResultsStale(bool stale) { (void)stale; }

    // The program's own file pickers over the design files of `folder`.
    // They return the chosen name, or nothing when cancelled.
    virtual std::optional<Text> PickFileToOpen(const std::filesystem::path& folder) = 0;
    virtual std::optional<Text> PickFileToSave(const std::filesystem::path& folder,
                                               const Text& suggested) = 0;
};

}  // namespace kelvara
