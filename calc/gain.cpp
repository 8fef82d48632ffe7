#include "calc/gain.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace kelvara {

namespace {

inline double GainAt(double x, double Q, double kL) {
    const double a = 1 + (1 - 1 / (x * x)) / kL;
    const double b = Q * (x - 1 / x);
    return 1 / std::sqrt(a * a + b * b);
}

}  // namespace

// The sweep's x values, from 2.0 down to the last one not below 0.3, each
// the previous minus 0.0001 in double precision. Built once.
const std::vector<double>& SweepPoints() {
    static const std::vector<double> points = [] {
        std::vector<double> p;
        p.reserve(17001);
        double x = kSweepStart;
        do {
            p.push_back(x);
            x = x - kSweepStep;
        } while (x >= kSweepEnd);
        return p;
    }();
    return points;
}

double Gain(double x, double Q, double kL) {
    return GainAt(x, Q, kL);
}

GainSweep SweepGain(double Q, double kL, double MreqMin, double MreqMax) {
    GainSweep r;
    const std::vector<double>& xs = SweepPoints();
    double gPrev = GainAt(kSweepStart, Q, kL);
    // The gains are computed a block at a time (a loop the compiler can
    // vectorise; the values are the same as one by one), then scanned in order.
    constexpr size_t kBlock = 512;
    double g[kBlock];
    for (size_t start = 0; start < xs.size(); start += kBlock) {
        const size_t len = std::min(kBlock, xs.size() - start);
        const double* x = xs.data() + start;
        for (size_t k = 0; k < len; ++k) g[k] = GainAt(x[k], Q, kL);
        for (size_t k = 0; k < len; ++k) {
            if (!r.xMinFound && g[k] > MreqMin) {
                r.xMin = x[k];
                r.xMinFound = true;
            }
            if (!r.xMaxFound && g[k] > MreqMax) {
                r.xMax = x[k];
                r.xMaxFound = true;
            }
            if (!r.xPeakFound && gPrev > g[k]) {
                r.xPeak = x[k];
                r.xPeakFound = true;
            }
            // Nothing can change once all three are found.
            if (r.xMinFound && r.xMaxFound && r.xPeakFound) return r;
            gPrev = g[k];
        }
    }
    return r;
}

}  // namespace kelvara
