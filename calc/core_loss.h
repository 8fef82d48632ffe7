// Core loss from the material's loss table: log-log interpolation between
// the four table points around (f, B), extrapolating the first or last
// interval outside the table.
#pragma once

#include <string_view>

#include "refdata/records.h"

namespace kelvara {

struct CoreLossEstimate {
    bool ok = false;         // false: no data around (f, B); the caller shows "?????"
    double lossDensity = 0;  // kW/m³ (the table's unit)
    double lossW = 0;        // W
};

// Shown instead of the loss when it cannot be estimated.
inline constexpr std::u16string_view kLossUnknownText = u"?????";

// f in kHz, B in T, Ve in cm³. A table with fewer than two frequencies or
// fewer than two flux densities, or a zero (missing) value at one of the four
// corners, gives ok = false.
CoreLossEstimate EstimateCoreLoss(double f, double B, const MaterialLossData& material, double Ve);

}  // namespace kelvara
