// Formatting rules of the result texts that go beyond a plain "%.Nf".
#pragma once

#include "refdata/text.h"

namespace kelvara {

struct InductanceText {
    Text value;
    Text unit;
};

// An inductance in µH: 1000 µH or more as "%.3f" mH, less as "%.2f" µH; a
// non-finite value shows "?" with the unit µH.
InductanceText FormatInductance(double microHenry);

// Rounding up of turns and strands: the whole part, plus 1 when the whole
// part is below the value. Non-finite values stay as they are.
double RoundUpWhole(double value);

}  // namespace kelvara
