// The application layer between the calculation and the front ends: one
// design session holds the folders, the reference data (wire table, material
// files, core database, each read once), the current inputs and the last run,
// and runs the calculation, the design check and the core adviser. It returns
// typed results and the messages to show; it knows nothing of windows or
// controls. The main window, kelvara-calc and the report all work through it.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "calc/calculate.h"
#include "calc/core_adviser.h"
#include "calc/design_check.h"
#include "calc/design_inputs.h"
#include "refdata/core_database.h"
#include "refdata/records.h"
#include "session/design_document.h"

namespace kelvara {

inline constexpr std::u16string_view kDefaultMaterial = u"N87 Epcos";

// The messages a step has to show, in order (only Message events).
using Messages = std::vector<CalcEvent>;

// One finished (or stopped) calculation and its design check.
struct DesignRun {
    CalcReport report;
    DesignCheck check;
    bool completed() const { return report.completed; }
    const DesignResults& results() const { return report.results; }
    // The messages of the run, in order.
    std::vector<CalcEvent> Messages() const;
};

// A core chosen by name: its family's list and the entry taken.
struct CoreChoice {
    int32_t shape = kShapeE;
    std::vector<Text> names;  // the family's list, as the core list shows it
    int index = -1;           // the entry taken; -1 none (the list is empty)
    bool found = false;       // the entry is the name asked for (equal, or beginning with it)
};

// The core adviser's ranking.
struct Ranking {
    std::vector<Candidate> candidates;  // ranked; empty when cancelled
    bool cancelled = false;
};

class DesignSession {
  public:
    // --- Folders ---------------------------------------------------------
    // The program folder (settings and designs); the data root is its parent.
    void SetProgramFolder(const std::filesystem::path& folder);
    // Names the data root itself (kelvara-calc --data-root).
    void SetDataRoot(const std::filesystem::path& dataRoot) { dataRoot_ = dataRoot; }
    // The program folder with a trailing separator.
    const std::filesystem::path& programFolder() const { return programFolder_; }
    const std::filesystem::path& dataRoot() const { return dataRoot_; }

    // --- Reference data ------------------------------------------------------
    // Reads "Wire.txt"; false with a message when it cannot be read.
    bool LoadWireTable(Messages& messages);
    const WireTable& wires() const { return wires_; }

    // Lists the material files; false with a message when there is none.
    bool ListMaterials(Messages& messages);
    const std::vector<Text>& materialNames() const { return materialNames_; }
    // The first listed material whose name begins with `prefix`, letter case
    // ignored; -1 when none does.
    int MaterialEntry(TextView prefix) const;
    // Selects the material that the inputs name by that rule, else the first
    // listed one (said in a message); the inputs then hold the entry's full
    // name. Returns the entry (-1 only when no material is listed).
    int SelectMaterialByName(Messages& messages);
    // Reads the inputs' material (a file read once per session). When it
    // cannot be read: false, a message, and the inputs name the material
    // whose data are loaded again (when there is one).
    bool ReadSelectedMaterial(Messages& messages);
    const MaterialLossData& material() const { return material_; }
    // The material whose data are loaded ("" before the first).
    const Text& loadedMaterial() const { return loadedMaterial_; }

    // Reads both core files (the user's is created empty when missing); a
    // message when the shipped one is missing.
    void LoadCoreDatabase(Messages& messages);
    const CoreDatabase& cores() const { return cores_; }
    // The core list of `name`'s family and the entry for the name, searching
    // from entry `start`: the name itself, else the entry `start` with a
    // message saying so, else none (an empty list).
    CoreChoice ChooseCore(TextView name, int start, Messages& messages) const;
    // The core's data into the inputs' core fields and the core record.
    void UseCore(TextView name);
    const CoreRecord& coreRecord() const { return coreRecord_; }
    CoreRecord& coreRecord() { return coreRecord_; }
    // Appends a core's record to the user's core file, then to the database.
    // False (nothing changed) when the file cannot be written.
    bool AddCore(TextView record);

    // --- Inputs and the calculation --------------------------------------------
    DesignInputs& inputs() { return inputs_; }
    const DesignInputs& inputs() const { return inputs_; }
    // Calculates the inputs (which the run normalises) with the core record,
    // the loaded material and the wire table, and checks the design.
    const DesignRun& Calculate();
    const DesignRun& lastRun() const { return run_; }
    // The last run again in the language now chosen (its numbers are the
    // same): from the inputs it started with, whatever the inputs hold now.
    void RetranslateLastRun();
    int calculationsRun() const { return calculations_; }

    // The whole road for a design without a window (kelvara-calc): the
    // material list, the design's material, the core database, its core
    // (searched from entry 0) and the calculation. False when no material is
    // listed (the message says so). `coreSelected` tells whether a core was
    // taken (and so calculated).
    bool ApplyDesign(Messages& messages, bool& coreSelected);

    // --- The core adviser ------------------------------------------------------
    // The materials to try: the loaded one, or every listed one that can be read.
    std::vector<NamedMaterial> AdviserMaterials(bool allMaterials);
    // Every core (with every material when asked) for `design`, ranked. Long
    // rankings report their progress; `progress` returning false cancels.
    Ranking Rank(const DesignInputs& design, bool allMaterials, const RankProgress& progress = {});

    // --- What the session has read (tests count the reads) -----------------
    struct Reads {
        int wireTable = 0;
        int materialLists = 0;
        int materialFiles = 0;
        int coreFiles = 0;
    };
    const Reads& reads() const { return reads_; }

    // The document of the last run as the session holds it.
    DesignDocument Document(bool coreSelected) const;

  private:
    const MaterialLossData* MaterialData(TextView name);

    std::filesystem::path programFolder_;
    std::filesystem::path dataRoot_;
    WireTable wires_;
    std::vector<Text> materialNames_;
    std::map<Text, MaterialLossData> materialFiles_;  // each read once
    MaterialLossData material_;
    Text loadedMaterial_;
    CoreDatabase cores_;
    CoreRecord coreRecord_;
    DesignInputs inputs_;
    DesignRun run_;
    DesignInputs runInputs_;  // the inputs the last run started from
    int calculations_ = 0;
    Reads reads_;
};

}  // namespace kelvara
