// The core adviser: every core of the database (with the selected material,
// or with every material) calculated for the current requirements with its
// gap or AL settled, and ranked by the design check.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <span>
#include <vector>

#include "calc/calculate.h"
#include "calc/design_check.h"
#include "refdata/core_database.h"

namespace kelvara {

// A material by its list name, with its data.
struct NamedMaterial {
    Text name;
    MaterialLossData data;
};

// One core with one material, calculated for the requirements with its gap
// settled: what ranking and showing it need, kept small, for a ranking may
// hold tens of thousands of them.
struct Candidate {
    Text core;
    Text material;
    size_t order = 0;        // position in database order (cores, then materials)
    Text zazor;              // the settled gap (mm) or AL (nH/turn²) the run ended with
    bool alMode = false;     // zazor is an AL
    CoreRecord record;       // the core's data as the window would show them
    bool completed = false;  // the run went to its end
    DesignResults results;   // every number and result text of the run
    int errors = 0;          // the design check's counts
    int warnings = 0;
    double Ve = 0;       // core volume, cm³
    double losses = 0;   // the check's estimated losses (core + copper), W; NaN unknown
    double rise = 0;     // the check's temperature rise, K; NaN unknown
    double bAtFMin = 0;  // the check's flux density at fMin, T; NaN unknown
    // The time-domain model: the operating frequencies at the lowest and the
    // highest supply (kHz; NaN when not found), and whether the half bridge
    // switches softly at both (unknown when the model was not solved).
    double fTdMin = 0;
    double fTdMax = 0;
    enum class Soft { Yes, No, Unknown };
    Soft soft = Soft::Unknown;
    // The model was solved and found both frequencies, and the switching is soft.
    bool timeDomainPasses() const;

    bool calculated() const { return completed; }
};

// How a long evaluation tells its progress: `report` is called on the calling
// thread about every `every` with the candidates done and their number;
// returning false cancels the evaluation.
struct RankProgress {
    std::function<bool(size_t done, size_t total)> report;
    std::chrono::milliseconds every{100};
};

// Calculates every candidate: a fresh copy of `current` with the core and the
// material set, and the gap settled (gap mode starts from "0", so the run
// raises it to the gap the core needs; AL mode from "100000", so the run
// lowers it to the largest usable AL). The cores are those of the database in
// database order (AllNames). `threads` 0: one per processor. When the
// progress report cancels, `cancelled` (if given) is set and the candidates
// not reached stay uncalculated.
std::vector<Candidate> EvaluateCandidates(const DesignInputs& current, const CoreDatabase& cores,
                                          std::span<const NamedMaterial> materials,
                                          const WireTable& wires, unsigned threads = 0,
                                          const RankProgress& progress = {},
                                          bool* cancelled = nullptr);

// Orders the candidates: runs that went to their end first; among them those
// whose time-domain model passes (solved, both frequencies found, soft
// switching) before those whose model fails or switches hard; then by the
// check's errors, then warnings, then the core volume, then the estimated
// losses (unknown last); ties and the runs that stopped keep database order.
void RankCandidates(std::vector<Candidate>& candidates);

// The settled zazor a candidate starts from.
inline constexpr std::u16string_view kAdviserStartGap = u"0";
inline constexpr std::u16string_view kAdviserStartAL = u"100000";

}  // namespace kelvara
