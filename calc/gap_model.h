// The relations between the core's non-magnetic gap and its inductance
// factor AL: the core's own AL law AL = k1·g^k2 when the database gives one,
// otherwise a reluctance model with a residual gap and gap fringing.
#pragma once

#include "refdata/records.h"

namespace kelvara {

// The core's AL law applies when both coefficients are set.
bool HasALLaw(const CoreRecord& core);

// Built-in gap of the ungapped core, mm: le/µc − le/µm.
double ResidualGap(const CoreRecord& core, double materialMu);

// Fringing factor of a gap g > 0 (mm): 1 + (g/√Ae)·ln(le/(3g)).
double Fringing(const CoreRecord& core, double g);

struct ALAtGap {
    double AL = 0;  // µH/turn²
    double fring = 1;
};

// AL of the core with a gap of z mm.
ALAtGap ALFromGap(double z, const CoreRecord& core, double materialMu, double gapRes);

struct GapForAL {
    double gap = 0;  // mm
    double fring = 1;
};

// The gap (mm) that gives AL = A µH/turn², iterating ten rounds from the
// fringing factor F0 (no convergence test). A gap that would have to be
// negative is 0.
GapForAL GapFromAL(double A, double F0, const CoreRecord& core, double materialMu, double gapRes);

}  // namespace kelvara
