// The design check: the finished design looked at in its two operating
// corners (the lowest and the highest supply) with the first-harmonic model
// of the calculation, and at the end with the time-domain model
// (calc/time_domain.h): the operating frequencies it finds against the
// first-harmonic ones, and soft switching in the dead time. Each row says whether one quantity is
// fine, doubtful or wrong, with its numbers and what to change. It never changes an input or a
// result of the calculation.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "calc/design_inputs.h"
#include "calc/design_results.h"
#include "refdata/records.h"

namespace kelvara {

enum class CheckStatus { Ok, Warning, Error, Unknown };

// The keys of the rows of a check, in their order.
inline constexpr std::array<std::string_view, 19> kCheckRowKeys = {
    "ratio", "kl",     "gap",  "gain", "zvs",  "fctl", "bfr",   "bpk",   "pcore", "currents",
    "vcr",   "copper", "wind", "leak", "temp", "fill", "tdmin", "tdmax", "zvstd"};

// "ok", "warning", "error", "unknown".
std::string_view StatusKey(CheckStatus s);

// One number of a row: a value (not finite = unknown) or a yes/no flag.
struct CheckNumber {
    std::string_view name;
    double value = 0;
    bool isFlag = false;
    bool flag = false;
    bool known() const;
};

struct CheckRow {
    explicit CheckRow(std::string_view k = {}) : key(k) {}

    std::string_view key;
    CheckStatus status = CheckStatus::Unknown;
    Text label;  // what is checked
    Text value;  // the design's numbers
    Text limit;  // what they are held against
    Text note;   // what it means and what to change (empty when nothing to say)
    std::vector<CheckNumber> numbers;

    // The value of a number by name (NaN when the row has no such number).
    double Number(std::string_view name) const;
};

struct DesignCheck {
    bool done = false;  // false: the run did not go to its end, no rows
    std::vector<CheckRow> rows;
    int errors = 0;
    int warnings = 0;

    const CheckRow* Row(std::string_view key) const;
};

// Numbers of the check besides the run's.
namespace check {
// Copper resistivity at 100 °C, Ω·mm.
double CopperResistivityHot();
// The dead time the time-domain rows accept is below a quarter of the
// resonant period, ns (Fr kHz); Coss at most 1 µF (in pF).
double MaxDeadTime(double Fr);
// The dead time (ns) and Coss (pF) as the check reads them (like the other
// inputs: "," as ".", the leading number), and what is wrong with them.
struct SwitchInputs {
    double td = 0;    // ns
    double coss = 0;  // pF
    Text problem;     // empty when both can be used
};
SwitchInputs ReadSwitchInputs(const DesignInputs& in, double Fr);
inline constexpr double kMaxCoss = 1e6;
// Still-air thermal resistance estimate of a core set of Ve cm³, K/W.
double ThermalResistanceEstimate(double Ve);
// The zero-phase point x of the tank at full load (k = Lm/Lr, q = its Q):
// NaN when there is none in (0, 1] or k, q are not finite and positive.
double ZeroPhasePoint(double k, double q);
}  // namespace check

// What a check may leave out where nobody reads it.
struct CheckOptions {
    // The output voltage the time-domain model gives at the FHA frequencies
    // (a further steady state per corner): only the rows' texts and the
    // number "uAtFha" say it, no status depends on it. The core adviser,
    // which keeps the counts and the frequencies only, goes without.
    bool outputAtFhaFrequency = true;
};

// Checks the design of a finished run: `in` and `res` as the run left them,
// the core and material it used.
DesignCheck CheckDesign(const DesignInputs& in, const DesignResults& res, const CoreRecord& core,
                        const MaterialLossData& material, const CheckOptions& options = {});

// The counts: "1 ошибка, 2 предупреждения", or "замечаний нет".
Text CheckCounts(const DesignCheck& check);
// One line for the window: "Проверка проекта: 1 ошибка, 2 предупреждения" or
// "Проверка проекта: замечаний нет"; empty for a run that did not end.
Text CheckSummary(const DesignCheck& check);

}  // namespace kelvara
