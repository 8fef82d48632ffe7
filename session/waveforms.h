// The waveforms of a finished design: one steady-state period of the
// time-domain model at each supply corner, at the frequency the model finds
// there, and the same as CSV.
#pragma once

#include <array>
#include <string>

#include "calc/time_domain.h"
#include "session/design_document.h"

namespace kelvara {

// One corner's period.
struct CornerWaveform {
    bool lowest = true;   // the lowest supply corner (else the highest)
    bool solved = false;  // the model found the corner's operating frequency
    Text problem;         // why not, when not solved (in the language of the run)
    double Uhb = 0;       // half-bridge amplitude, V
    double td = 0;        // dead time, ns
    TdCorner corner;      // fTd, mode, currents, soft switching
    TdWaveform wave;      // the period, sampled
};

// Samples a period takes.
inline constexpr int kWaveformSamples = 1000;

// Both corners of a calculated design (the lowest supply first); not solved
// with the reason when the run did not end or td, Coss cannot be used.
std::array<CornerWaveform, 2> WaveformsOf(const DesignDocument& document,
                                          int samples = kWaveformSamples);

// Both corners' traces as CSV: the header
// "corner,t_us,v_mid_V,i_primary_A,i_magnetizing_A,v_cr_V,i_secondary_A", then
// one line per sample, the lowest supply's ("min") first, then the highest's
// ("max"); C-locale numbers. A corner not solved has no lines.
std::string WaveformsCsv(const std::array<CornerWaveform, 2>& corners);

}  // namespace kelvara
