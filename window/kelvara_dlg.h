// The main window's behaviour without any toolkit: a presenter over one design
// session. It exchanges the session's inputs with the controls, forwards the
// handlers to the session and shows what comes back, and keeps track of
// results that belong to earlier inputs; it works on the controls only
// through a View.
#pragma once

#include <filesystem>
#include <vector>

#include "refdata/data_files.h"
#include "session/design_session.h"
#include "window/controls.h"
#include "window/view.h"

namespace kelvara {

inline constexpr std::u16string_view kSettingsFileName = files::kSettings;

// The twelve core-data edits, disabled outside the adding modes.
extern const std::array<int, 12> kCoreDataEdits;

class CKelvaraDlg {
  public:
    explicit CKelvaraDlg(View& view);

    // --- Exchanges between the record and the controls -------------------
    void Show();  // record → controls
    void Take();  // controls → record
    // True while an exchange runs: change notifications are then ignored.
    bool Exchanging() const { return exchanging_; }

    // --- Opening the window ----------------------------------------------
    // Runs the opening steps with `currentDir` as the current folder. Returns
    // false when the window must close at once (no "Wire.txt", no material);
    // "Kelvara.ini" is then not rewritten.
    bool Open(const std::filesystem::path& currentDir);

    // Applies the record's design as it stands: shows it, selects and reads
    // its material, then selects its core, which runs the calculation. On
    // opening, the material list is built first (false: no material, the
    // window must close) and the core database is read before the core is
    // selected. The window's opening, "Загрузить" and kelvara-calc share it.
    enum class ApplyMode { Opening, Loading };
    bool ApplyDesign(ApplyMode mode);

    // After opening: loads the design file a command line names, as
    // "Загрузить" does with a picked one. A file that cannot be read or holds
    // no design is said by its path and changes nothing; false then.
    bool OpenDesign(const std::filesystem::path& file);

    // Pieces of the opening road, shared with kelvara-calc.
    void SetFolders(const std::filesystem::path& currentDir);
    void SetDataRoot(const std::filesystem::path& dataRoot);
    bool LoadWireTable();         // message on failure
    bool BuildMaterialList();     // message when the folder holds no material
    void SelectMaterialByName();  // first entry beginning with `mater`, else the first
    bool ReadSelectedMaterial();  // reads `mater`'s file; message on failure
    void LoadCoreDatabase();
    void SelectCoreByName(Text name);
    void ShowGapLabels();          // result label 1012 and unit 1017 by yes_al
    void EnableTransistorEdits();  // edits 1000/1128 by rds

    // --- Operations --------------------------------------------------------
    void FillCoreList();
    void ShowSelectedCore();
    // Runs the design calculation; returns true when it went to its end.
    bool Calculate();

    // --- Control handlers ----------------------------------------------------
    void OnCalculate() { Calculate(); }
    void OnKoChanged();
    void OnRadioUnas();
    void OnRadioRds();
    void OnRadioDC();
    void OnRadioAC();
    void OnShapeChanged();
    void OnUseDiametersClicked();
    void OnCoreTextEdited();
    void OnCoreSelected();
    void OnMaterialSelected();
    // The user ends typing in the material list's edit part (Enter, or the
    // focus leaves it). The text selects the first entry that begins with it,
    // letter case ignored, as a choice from the list does; text that begins
    // no entry (or none at all) gives way to the material in use, so the list
    // never shows a name the calculation does not use. True when a
    // calculation ran.
    bool OnMaterialTextEntered();
    // An input control changed (typing, a radio button or checkbox) without a
    // calculation of its own: the results are marked as belonging to earlier
    // inputs while the inputs differ from those of the last calculation.
    void OnInputChanged();
    void OnGapRadio();
    void OnALRadio();
    // Remembers the inputs; the window then closes (also when the write failed).
    void OnExit();

    // The inputs of the check window (the later design-file keys: the dead
    // time, the output capacitance, the windings), by key: a text field's
    // text, a choice's number. Setting them calculates again; a key that is
    // not one of them changes nothing.
    Text LaterInput(std::u16string_view key) const;

    // "Экспорт SPICE...": the design's netlist (the lowest supply corner at
    // the time-domain model's frequency) written safely to `file`. A message
    // says why when there is none to write or the file cannot be written.
    bool ExportSpice(const std::filesystem::path& file);

    // The language was changed: the results, the check and the labels that
    // the presenter sets are shown again in it. The inputs on show, also
    // edits not yet calculated, stay as they are.
    void OnLanguageChanged();
    void OnLaterInputs(const std::vector<std::pair<Text, Text>>& values);

    // Adding a core to the user's database.
    void OnAddBySize();
    void OnAddByData();
    void OnAddCore();

    // "Загрузить" and "Сохранить".
    void OnLoad();
    void OnSave();
    // The name "Сохранить" suggests for the record as it stands.
    Text SuggestedSaveName() const;

    // --- State -----------------------------------------------------------
    DesignSession& session() { return session_; }
    const DesignSession& session() const { return session_; }
    DesignInputs& inputs() { return session_.inputs(); }
    const DesignInputs& inputs() const { return session_.inputs(); }
    const DesignResults& results() const { return session_.lastRun().results(); }
    // The design check of the last calculation (not done when it stopped early).
    const DesignCheck& check() const { return session_.lastRun().check; }
    // The design file last loaded or saved ("" when none).
    const Text& designFile() const { return designFile_; }
    // The messages of the last calculation, in order.
    std::vector<CalcEvent> lastMessages() const { return session_.lastRun().Messages(); }
    const CoreRecord& coreRecord() const { return session_.coreRecord(); }
    const MaterialLossData& material() const { return session_.material(); }
    const WireTable& wires() const { return session_.wires(); }
    const Text& coreText() const { return session_.cores().text(); }
    const std::filesystem::path& settingsFolder() const { return session_.programFolder(); }
    const std::filesystem::path& dataRoot() const { return session_.dataRoot(); }
    // True when the last calculation started by any road went to its end.
    bool lastRunCompleted() const { return session_.lastRun().completed(); }
    int calculationsRun() const { return session_.calculationsRun(); }
    // The document of the window's state as it stands: the last run, the
    // inputs, the file, and whether the results belong to earlier inputs.
    DesignDocument Document() const;
    // True while the results, the design check and the gain curve on show
    // belong to other inputs than those in the controls: set when an input
    // changes after a calculation, cleared when the next calculation ends.
    bool resultsStale() const { return resultsStale_; }

    View& view() { return view_; }

    // Messages through the view.
    void Warning(TextView text);
    void ErrorMessage(TextView text);
    void WriteFailed(TextView name);

  protected:
    View& view_;
    DesignSession session_;
    // The session's inputs, as every handler works on them.
    DesignInputs& in_;
    Text designFile_;
    bool exchanging_ = false;
    bool resultsStale_ = false;
    // The inputs as the controls showed them when the last calculation ended.
    DesignInputs calculatedInputs_;

  private:
    // Replays a calculation's events: refreshes and message boxes, in order.
    void ShowEvents(const std::vector<CalcEvent>& events);
    // Shows the messages a session step returned.
    void ShowMessages(const Messages& messages);
    int FindListPrefix(int listId, TextView prefix, int start) const;
    // The core list's entries as they stand.
    std::vector<Text> CoreListEntries() const;
    void SelectMaterialEntry(TextView name);
    // Reads the selected entry's material and calculates; false (the list
    // back at the material in use) when nothing was calculated.
    bool ApplySelectedMaterial();
    // The record as the controls show it now, the record itself untouched.
    DesignInputs TakeCopy() const;
    // Marks the results stale, or current, by comparing the controls with
    // the inputs of the last calculation; the view hears of every change.
    void UpdateStale();
    void SetStale(bool stale);
    void ClearCoreFields();
};

}  // namespace kelvara
