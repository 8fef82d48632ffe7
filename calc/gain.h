// The gain of the resonant circuit against the normalised frequency
// x = f/Fr (first-harmonic approximation) and the downward frequency sweep
// that finds the operating frequencies.
#pragma once

#include <vector>

namespace kelvara {

// Voltage gain at x for quality factor Q and inductance ratio kL = Lm/Lr.
// Gain(1, Q, kL) = 1 for every Q and kL.
double Gain(double x, double Q, double kL);

struct GainSweep {
    double xMin = 0;   // highest x whose gain exceeds the gain needed at the lowest supply
    double xMax = 0;   // the same for the gain needed at the highest supply
    double xPeak = 0;  // first x below the gain peak
    bool xMinFound = false;
    bool xMaxFound = false;
    bool xPeakFound = false;
};

// First and last x of the sweep and its step.
inline constexpr double kSweepStart = 2.0;
inline constexpr double kSweepEnd = 0.3;
inline constexpr double kSweepStep = 0.0001;

// Sweeps x from 2.0 downward in steps of 0.0001 (accumulated by subtraction)
// while x >= 0.3 and records the first x at which the gain exceeds MreqMin,
// the first at which it exceeds MreqMax, and the first at which it falls
// below the gain of the step before (all comparisons strict).
GainSweep SweepGain(double Q, double kL, double MreqMin, double MreqMax);

// The sweep's x values, from 2.0 down to the last one not below 0.3, each the
// previous minus 0.0001 in double precision (17 001 points).
const std::vector<double>& SweepPoints();

}  // namespace kelvara
