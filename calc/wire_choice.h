// Choice of the standard winding wire and of the number of parallel strands
// for one winding, and the normalisation of a desired wire diameter to the
// next standard one.
#pragma once

#include <string_view>

#include "calc/design_results.h"
#include "refdata/records.h"
#include "refdata/text.h"

namespace kelvara {

// "%.3f" of d without trailing zeros and without a trailing point
// (0.630 → "0.63", 1.000 → "1").
Text WireDiameterText(double d);

struct WireNormalisation {
    Text text;       // replaces the desired-diameter field
    int index = -1;  // the standard diameter chosen; -1 when the table is empty
    Text message;    // shown with the caption "Внимание!"; empty when none
};

// Normalises a desired diameter text (mm) to the next standard diameter not
// below it; a diameter above the largest takes the largest. With an empty
// table the text only takes the dot form and no index is chosen.
WireNormalisation NormaliseWireDiameter(TextView text, const WireTable& wires);

// What the choice needs besides the current: the skin depth at the resonant
// frequency and the current density.
struct WireConditions {
    double delta = 0;      // skin depth, mm
    double Adelta = 0;     // π·delta², mm²
    double j = 0;          // current density, A/mm²
    bool imposed = false;  // the desired diameters are used
};

// Cross-section of a strand of diameter d that conducts at the resonant
// frequency: the whole copper, or a ring of one skin depth when the copper is
// larger than Adelta.
double ConductingArea(double d, const WireConditions& c);

// Chooses the wire for a winding carrying the RMS current I (A). When the
// desired diameters are imposed, `index` is the one that the normalisation of
// the winding's desired diameter just chose. With an empty table nothing is
// chosen (`chosen` false, text "?").
WireChoice ChooseWire(double I, const WireConditions& c, int index, const WireTable& wires);

// The result text of a wire: "<diameter>x<strands>", or "?" when none was chosen.
Text WireResultText(const WireChoice& w);

}  // namespace kelvara
