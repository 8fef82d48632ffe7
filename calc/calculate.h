// The converter calculation: one design's inputs, core, material and wire
// table turned into every result number and text, with its messages.
#pragma once

#include <vector>

#include "calc/design_inputs.h"
#include "calc/design_results.h"
#include "refdata/i18n.h"
#include "refdata/records.h"

namespace kelvara {

inline constexpr std::u16string_view kCaptionWarning = KELVARA_TR_NOOP(u"Внимание!");
inline constexpr std::u16string_view kCaptionError = KELVARA_TR_NOOP(u"Ошибка!");

// One thing a run asks of whoever shows it, in order: show the record and the
// result texts as they stand (Refresh), or a message box with an OK button.
struct CalcEvent {
    enum class Kind { Refresh, Message };
    Kind kind = Kind::Refresh;
    Text caption;  // messages only, in the language of the run
    Text text;     // messages only, in the language of the run
};

// What one run did.
struct CalcReport {
    bool completed = false;  // the run went to its end
    DesignResults results;   // every number and result text
    std::vector<CalcEvent> events;

    // The messages, in order.
    std::vector<const CalcEvent*> Messages() const;
};

// Runs the whole calculation on `in` (which it normalises: choices, commas,
// Q, Unas, zazor, d11, d21). The report's events say when a window showing the
// run is refreshed (before the closing warnings, and before the message of a
// run that stops early) and which messages it shows.
CalcReport RunCalculation(DesignInputs& in, const CoreRecord& core,
                          const MaterialLossData& material, const WireTable& wires);

}  // namespace kelvara
