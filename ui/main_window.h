// The main window: the controls of the design calculator, laid out from its
// table, shown through the View that the window's behaviour (CKelvaraDlg)
// works on. It maps control ids to widgets, forwards every notification to
// the matching handler and paints the core-shape picture.
#pragma once

#include <QDialog>
#include <functional>
#include <map>
#include <vector>

#include "session/report.h"
#include "ui/dialog_layout.h"
#include "window/kelvara_dlg.h"
#include "window/view.h"

class QAction;
class QKeyEvent;
class QLabel;
class QMenu;
class QMenuBar;

namespace kelvara::ui {

class ShapePicture;

class MainWindow : public QDialog, public View {
    Q_OBJECT

  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The opening steps with `currentDir` as the current folder; false when
    // the window must not be shown (the message was shown already).
    bool Open(const std::filesystem::path& currentDir);

    CKelvaraDlg& dialog() { return dlg_; }
    const CKelvaraDlg& dialog() const { return dlg_; }

    // The widget of a control id (nullptr when there is none).
    QWidget* control(int id) const;
    const std::vector<PlacedControl>& controls() const { return controls_; }
    QAction* menuCommand(int id) const;
    QMenuBar* menuBar() const { return menuBar_; }
    ShapePicture* picture() const { return picture_; }
    // The design check's summary line below the controls.
    QLabel* checkStrip() const { return checkStrip_; }
    // "Проверка проекта": the check of the last calculation in its window.
    void OpenCheckWindow();

    // "Отчёт...": the design report as HTML or PDF, by the system's save
    // dialog; "Печать...": the report through the system's print dialog.
    void SaveReport();
    void PrintReport();
    // Writes the report to `file` (".pdf" → PDF, anything else HTML); false
    // when it cannot be written (the message was shown).
    bool WriteReport(const QString& file);
    // The report of the window's state as it stands.
    ReportDocument CurrentReport() const;
    // Ctrl+C and "Копировать результаты": the results table as tab-separated
    // lines on the clipboard.
    void CopyResults();
    // "Экспорт SPICE...": the netlist, by the system's save dialog.
    void ExportSpice();
    // "Осциллограммы...": one period at each supply corner.
    void OpenWaveforms();

    // Answers message boxes instead of showing them (for tests); the answers
    // come at once, also while the window is not shown yet.
    using MessageHook = std::function<Answer(TextView caption, TextView text, Buttons buttons)>;
    void setMessageHook(MessageHook hook) { messageHook_ = std::move(hook); }

    // --- View ------------------------------------------------------------------
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
    // Greys the result values and says so in the summary strip.
    void ShowResultsStale(bool stale) override;
    std::optional<Text> PickFileToOpen(const std::filesystem::path& folder) override;
    std::optional<Text> PickFileToSave(const std::filesystem::path& folder,
                                       const Text& suggested) override;

  public:
    // The interface language chosen in the menu: remembered, applied, and
    // every text of the window shown again in it.
    void ChooseLanguage(Language language);
    QMenu* languageMenu() const { return languageMenu_; }

    // "Выход", Esc and the close box: the inputs are remembered, then the
    // window closes.
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // The window's texts in the language now chosen.
    void Retranslate();
    void ConnectNotifications();
    void BuildMenu();
    void AttachTooltips();
    // The summary strip for a check, and for results of earlier inputs.
    void ShowStrip(const DesignCheck& check);
    // The messages held back until the window was shown, in their order.
    void ShowHeldMessages();
    Answer ShowMessageBox(TextView caption, TextView text, Buttons buttons);
    // The menu bar opened for the keyboard (F10), and a key pressed in it.
    void OpenMenuBar();
    bool MenuKey(const QKeyEvent& key);
    void SetUpCopying();

    CKelvaraDlg dlg_;
    std::vector<PlacedControl> controls_;
    std::map<int, QWidget*> byId_;
    std::map<int, QAction*> commands_;
    QMenuBar* menuBar_ = nullptr;
    QMenu* languageMenu_ = nullptr;
    QMenu* resultsMenu_ = nullptr;
    QAction* languageActions_[2] = {nullptr, nullptr};
    ShapePicture* picture_ = nullptr;
    QLabel* checkStrip_ = nullptr;
    MessageHook messageHook_;
    struct HeldMessage {
        Text caption;
        Text text;
    };
    std::vector<HeldMessage> heldMessages_;
    bool shownOnce_ = false;
};

}  // namespace kelvara::ui
