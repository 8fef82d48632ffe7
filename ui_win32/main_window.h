// The main window on Windows: a dialog built from the main window's table in
// dialog units, with the menu bar, the tooltips and the design check's
// summary strip below the controls. It implements the View that the window's
// behaviour (CKelvaraDlg) works on, forwards every notification to the
// matching handler and draws the core-shape picture.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "session/report.h"
#include "ui_win32/dialog.h"
#include "window/kelvara_dlg.h"
#include "window/view.h"

namespace kelvara::win32 {

// Controls of the window beyond the table.
inline constexpr int kPictureId = 2001;     // the core-shape picture
inline constexpr int kCheckStripId = 2002;  // the design check's summary
// The strip below the 324 units of the controls.
inline constexpr int kStripTop = 324, kStripHeight = 14;
// The items of "Язык / Language".
inline constexpr int kCmdRussian = 32790, kCmdEnglish = 32791;

class MainWindow : public Dialog, public View {
  public:
    MainWindow();
    ~MainWindow() override;

    // Makes the window (hidden) with its menu, tooltips and icon.
    bool Create();
    // The opening steps with `currentDir` as the current folder; false when
    // the window must not be shown (the message was shown already).
    bool Open(const std::filesystem::path& currentDir);
    // Shows the window; the messages of its opening follow, over it.
    void Show();
    // Runs the program's loop until the window closes.
    int Run();

    CKelvaraDlg& dialog() { return dlg_; }
    const CKelvaraDlg& dialog() const { return dlg_; }
    HMENU menu() const { return menu_; }
    HWND tooltip() const { return tooltip_; }
    Text Caption() const;
    bool closed() const { return closed_; }

    // Answers message boxes instead of showing them (for --start-check and
    // the tests); the answers come at once, also before the window is shown.
    using MessageHook = std::function<Answer(TextView caption, TextView text, Buttons buttons)>;
    void SetMessageHook(MessageHook hook) { messageHook_ = std::move(hook); }
    // Answers the file pickers instead of showing them (for the tests).
    using OpenHook = std::function<std::optional<Text>(const std::filesystem::path&)>;
    using SaveHook =
        std::function<std::optional<Text>(const std::filesystem::path&, const Text& suggested)>;
    void SetPickerHooks(OpenHook open, SaveHook save) {
        openHook_ = std::move(open);
        saveHook_ = std::move(save);
    }

    // A menu command, as when chosen (the language items included).
    void Command(int id);
    // "Язык / Language": the choice is remembered and every text of the
    // window is shown again in it at once.
    void ChooseLanguage(Language language);
    // Whether the menu offers a command (false: no window for it yet).
    bool CommandAvailable(int id) const;
    // The strip's text as shown, its parts joined.
    Text StripText() const;
    // The resource name of the picture painted last ("" when none).
    const std::wstring& paintedPicture() const { return paintedPicture_; }
    // The results table as the clipboard gets it.
    void CopyResults();
    // The report of the window's state as it stands.
    ReportDocument CurrentReport() const;

    // --- View ---------------------------------------------------------------
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
    void InvalidatePicture() override;
    void FocusControl(int id) override;
    void ShowCheck(const DesignCheck& check) override;
    void ShowResultsStale(bool stale) override;
    std::optional<Text> PickFileToOpen(const std::filesystem::path& folder) override;
    std::optional<Text> PickFileToSave(const std::filesystem::path& folder,
                                       const Text& suggested) override;

  protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void OnInit() override;
    void OnCommand(int id, int code, HWND control) override;

  private:
    void BuildMenu();
    // The texts of the menu bar in the current language, the language
    // checked.
    void SetMenuTexts();
    // Every text of the window again, in the current language.
    void Retranslate();
    void AttachTooltips();
    void SetTooltipTexts();
    // Calls f(tool, text) for every control with a tooltip (a combo box's
    // edit part too), the text in the current language.
    template <typename F>
    void ForEachTool(F&& f);
    void SetIcons();
    // Makes the client area the layout's size below the menu bar, however
    // many lines the menu bar takes.
    void FitToLayout();
    // A one-line label whose text needs more room than the layout gives it
    // (in a font drawn wider than the one the layout was measured with)
    // takes it from the left of the value on its row, whose text stands at
    // the value's right end.
    void FitLabelsBesideValues();
    void MakeFonts();
    void OnButton(int id);
    void OnEditChange(int id);
    void OnComboNotification(int id, int code);
    // "Выход", Esc and the close box: the inputs are remembered, then the
    // window closes.
    void Exit();
    void DrawPicture(const DRAWITEMSTRUCT& item);
    void DrawStrip(const DRAWITEMSTRUCT& item);
    void OnStripClicked();
    void ShowHeldMessages();
    Answer ShowMessageBox(TextView caption, TextView text, Buttons buttons);
    bool ProgramKey(const MSG& msg);
    // The secondary windows.
    void OpenTransfer();
    void OpenHelp();
    void OpenCheckWindow();
    void OpenAdviser();
    void SaveReport();
    void PrintReport();
    void OpenWaveforms();
    void ExportSpice();

    CKelvaraDlg dlg_;
    HMENU menu_ = nullptr;
    HMENU resultsMenu_ = nullptr;
    HMENU languageMenu_ = nullptr;
    // The controls of the main window's table, in its order.
    std::vector<HWND> tableControls_;
    HWND tooltip_ = nullptr;
    HFONT boldFont_ = nullptr;
    HFONT linkFont_ = nullptr;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    // Notifications from the window's own changes to a combo box are not
    // the user's (a count, as changes nest).
    int quiet_ = 0;
    bool ready_ = false;
    bool shown_ = false;
    bool closed_ = false;
    MessageHook messageHook_;
    OpenHook openHook_;
    SaveHook saveHook_;
    struct HeldMessage {
        Text caption;
        Text text;
    };
    std::vector<HeldMessage> heldMessages_;
    // The menu commands with a window, by id.
    std::map<int, std::function<void()>> commands_;
    std::wstring paintedPicture_;
    RECT stripLink_{};  // where "Подробно..." stands, strip pixels
};

}  // namespace kelvara::win32
