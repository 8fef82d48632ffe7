// The converter calculation: one design's inputs, core, material and wire
// table turned into every result number and text, with its messages.
#pragma once

#include "calc/design_inputs.h"
#include "calc/design_results.h"
#include "refdata/records.h"

namespace kelvara {

inline constexpr std::u16string_view kCaptionWarning = u"Внимание!";
inline constexpr std::u16string_view kCaptionError = u"Ошибка!";

// What the calculation needs from the window it runs in.
class CalcHost {
  public:
    virtual ~CalcHost() = default;
    // Show the record and the result texts in the window.
    virtual void Refresh() = 0;
    // A modal message box with an OK button.
    virtual void Message(std::u16string_view caption, std::u16string_view text) = 0;
};

// Runs the whole calculation on `in` (which it normalises: commas, Q, Unas,
// zazor, d11, d21) and overwrites `res`. Messages go to `host` where the
// steps show them; the window is refreshed through `host` before the closing
// warnings. Returns true when the run went to its end.
bool RunCalculation(DesignInputs& in, DesignResults& res, const CoreRecord& core,
                    const MaterialLossData& material, const WireTable& wires, CalcHost& host);

}  // namespace kelvara
