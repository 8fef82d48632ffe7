// One finished design as every front end shows it: the inputs, the core and
// material, every result with its label and unit, the messages, the design
// check. The text table of kelvara-calc, its JSON, the HTML/PDF report and
// the check window all render this one model; the rows are built here once.
#pragma once

#include <string_view>
#include <vector>

#include "calc/calculate.h"
#include "calc/design_check.h"

namespace kelvara {

// One row of a table: what, its value, its unit ("" for none).
struct DocumentRow {
    Text label;
    Text value;
    Text unit;
};

struct DesignDocument {
    DesignInputs inputs;    // as the run left them (the core fields as the window shows them)
    DesignResults results;  // every number and result text of the run
    CoreRecord core;        // the core the run used
    bool coreSelected = false;
    // The messages to show with the design, in order.
    std::vector<CalcEvent> messages;
    DesignCheck check;
    bool calculated = false;  // the run went to its end
    bool stale = false;       // the inputs were changed after the run
    Text designFile;          // the design file's name, if any
    Text date;                // "2026-12-08 10:45", when the document says it

    // "Исходные данные": every input with its label.
    std::vector<DocumentRow> InputRows() const;
    // "Сердечник и материал": the core fields as the window shows them.
    std::vector<DocumentRow> CoreRows() const;
    // The required gap or AL row, then the 20 rows of the results group.
    std::vector<DocumentRow> ResultRows() const;
    // The label and unit of the required gap or AL by the gap/AL choice.
    Text GapLabel() const;
    Text GapUnit() const;
};

// How a check status is shown, the same in every front end.
struct StatusStyle {
    std::u16string_view mark;    // "✓", "!", "✗", "?"
    std::string_view plainMark;  // "ok", "!!", "XX", "??" for text that may not show symbols
    std::u16string_view word;    // "в порядке", "предупреждение", …
    unsigned colour;             // 0xRRGGBB
};
const StatusStyle& StyleOf(CheckStatus status);
// The status a check shows as a whole: error, else warning, else ok.
CheckStatus WorstStatus(const DesignCheck& check);
// "#rrggbb".
std::string ColourHex(unsigned colour);

// The time-domain model's operating frequencies at the lowest and the
// highest supply as the check found them, divided by Fr (0 where none).
struct TdMarks {
    double xMin = 0;
    double xMax = 0;
};
TdMarks TdMarksOf(const DesignCheck& check, double Fr);

// The SPICE netlist of a calculated design at its lowest (or highest) supply
// and the time-domain model's frequency there; empty when the run did not end
// or the dead time or Coss cannot be used.
std::string SpiceNetlistOf(const DesignDocument& document, bool highestSupply = false);

// The results group as tab-separated lines "label<TAB>value<TAB>unit".
Text ResultsTable(const DesignDocument& document);

}  // namespace kelvara
