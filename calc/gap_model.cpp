#include "calc/gap_model.h"

#include <cmath>

#include "refdata/physics.h"

namespace kelvara {

using phys::kMu0;

bool HasALLaw(const CoreRecord& core) {
    return core.k1 != 0 && core.k2 != 0;
}

double ResidualGap(const CoreRecord& core, double materialMu) {
    return core.le / core.mu - core.le / materialMu;
}

double Fringing(const CoreRecord& core, double g) {
    return 1 + (g / std::sqrt(core.Ae)) * std::log(core.le / (3 * g));
}

ALAtGap ALFromGap(double z, const CoreRecord& core, double materialMu, double gapRes) {
    ALAtGap r;
    if (z <= 0) {
        r.AL = materialMu * kMu0 * core.Ae / core.le / 1000;
    } else if (HasALLaw(core)) {
        r.AL = core.k1 * std::pow(z, core.k2) / 1000;
    } else {
        r.fring = Fringing(core, z);
        const double G = (z + gapRes) / r.fring;
        const double Leq = G + (core.le - G) / materialMu;
        r.AL = kMu0 * core.Ae / Leq / 1000;
    }
    return r;
}

GapForAL GapFromAL(double A, double F0, const CoreRecord& core, double materialMu, double gapRes) {
    GapForAL r;
    r.fring = F0;
    if (HasALLaw(core)) {
        r.gap = std::pow(1000 * A / core.k1, 1 / core.k2);
        return r;
    }
    const double t = kMu0 * core.Ae / (1000 * A) - core.le / materialMu - gapRes;
    double F = F0;
    double g = 0;
    for (int round = 0; round < 10; ++round) {
        g = F * t;
        if (g < 0) {
            g = 0;
            F = 1;
        } else if (g == 0) {
            F = 1;
        } else {
            F = Fringing(core, g);
        }
    }
    r.gap = g;
    r.fring = F;
    return r;
}

}  // namespace kelvara
