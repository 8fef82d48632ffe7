// A steady-state time-domain model of the finished converter: the half bridge
// with its dead time and the switches' output capacitance, the series Cr and
// Lr, Lm across the primary of an ideal transformer, and the secondary
// rectifier clamping the magnetising voltage at ±n·U2d while it conducts.
//
// Each conduction state is linear and is solved in closed form (sinusoids
// and straight lines); the instants at which the state changes (a rectifier
// diode turns on or off, the midpoint reaches a rail in the dead time, a
// body diode stops conducting) are found as the roots of those closed forms.
// The periodic steady state comes from a shooting method: Newton's method on
// the state at the start of a half period, using the half-period symmetry
// x(T/2) = −x(0) of the AC variables. Every loop is bounded: inputs the model
// cannot use come back as "not solved", never as a hang or a crash.
//
// Units as in the calculation: frequencies kHz, inductances µH, Cr nF, Coss
// pF, the dead time ns, times of the waveform µs, voltages V, currents A.
#pragma once

#include <cstdint>
#include <vector>

#include "calc/design_results.h"

namespace kelvara {

// The circuit of one supply corner.
struct TdCircuit {
    double Lr = 0;      // resonant inductance, µH
    double Cr = 0;      // resonant capacitance, nF
    double Lm = 0;      // magnetising inductance, µH
    double n = 0;       // turns ratio N1/N2
    double U2d = 0;     // voltage that clamps one secondary winding (output plus diode drops), V
    double Uhb = 0;     // half-bridge amplitude: the midpoint runs between 0 and 2·Uhb, V
    double Uswing = 0;  // voltage the output capacitances swing through in the dead time, V
    double td = 0;      // dead time, ns
    double Coss = 0;    // output capacitance of one switch, pF
};

// The state when the low switch turns off (the start of a half period, the
// midpoint at its low rail): the primary current (out of the midpoint into
// the tank), the AC part of the Cr voltage and the magnetising current.
struct TdState {
    double iLr = 0;  // A
    double vCr = 0;  // V
    double iLm = 0;  // A
};

// A periodic steady state at one frequency.
struct TdPeriod {
    bool solved = false;
    double f = 0;  // kHz
    TdState start;
    double iOut = 0;  // mean rectified secondary current, A
};

// Solves the periodic steady state at f kHz, starting Newton's method from
// `guess` when given (else from the first-harmonic solution).
TdPeriod SolveTdPeriod(const TdCircuit& c, double f, const TdState* guess = nullptr);

// What happens at an instant of the period.
enum class TdEventKind : int32_t {
    LowSwitchOff,   // the low switch turns off: the dead time begins (t = 0)
    HighSwitchOn,   // the high switch turns on (t = td)
    HighSwitchOff,  // t = T/2
    LowSwitchOn,    // t = T/2 + td
    SwingStart,     // the midpoint leaves a rail in the dead time
    SwingEnd,       // the midpoint reaches the other rail (its body diode takes the current)
    SwingBack,      // a body diode's current ends in the dead time: the midpoint swings back
    RectifierOn,    // a secondary diode starts to conduct
    RectifierOff,   // the secondary current reaches zero
};

struct TdEvent {
    double t = 0;  // µs from the low switch's turn-off
    TdEventKind kind = TdEventKind::LowSwitchOff;
};

// One steady-state period sampled at M evenly spaced instants t = k·T/M.
struct TdWaveform {
    std::vector<double> t;        // µs
    std::vector<double> vMid;     // midpoint voltage, 0 … 2·Uhb, V
    std::vector<double> iLr;      // primary current out of the midpoint, A
    std::vector<double> iLm;      // magnetising current, A
    std::vector<double> vCr;      // Cr voltage, AC part, V
    std::vector<double> iSec;     // rectified secondary current (at the output), A
    std::vector<TdEvent> events;  // every event of the whole period, in time order
};

// The waveform of a solved period (empty when `p` is not solved or M < 2).
TdWaveform SampleTdWaveform(const TdCircuit& c, const TdPeriod& p, int M);

// The model of a finished design: both corners share everything but the supply.
struct TdDesign {
    double Fr = 0;        // resonant frequency, kHz
    double Lr = 0;        // µH
    double Cr = 0;        // nF
    double Lm = 0;        // µH (AL·N1·N1)
    double N1 = 0;        // primary turns
    double N2 = 0;        // turns of one secondary winding
    double U2d = 0;       // output voltage plus the diode drops, V
    double Uout = 0;      // output voltage, V
    double I2 = 0;        // load current (doubled for the two-polarity centre tap), A
    double Ae = 0;        // core cross-section, mm²
    bool bridge = false;  // bridge rectifier (one secondary winding), else centre tap
    double td = 0;        // ns
    double Coss = 0;      // pF
};

TdDesign TdDesignOf(const DesignResults& r, int32_t vypr, double Ae, double tdNs, double cossPf);

// The circuit of one corner: Uhb the half-bridge amplitude the run used,
// Udc the supply the output capacitances swing through.
TdCircuit TdCornerCircuit(const TdDesign& d, double Uhb, double Udc);

// One corner at its operating frequency.
struct TdCorner {
    bool solved = false;          // false: the model could not be solved
    bool found = false;           // a frequency in [0.3, 2]·Fr delivers the load current
    bool tooMuch = false;         // not found: even 2·Fr delivers more than the load current
    double f = 0;                 // the operating frequency, kHz (found only)
    TdPeriod period;              // the steady state at f
    bool aboveResonance = false;  // f ≥ the Lr–Cr resonance
    bool continuous = false;      // the secondary current never rests at zero
    double iOff = 0;             // primary current when a switch turns off, A (> 0 helps the swing)
    double i1Rms = 0;            // primary RMS current, A
    double i1Peak = 0;           // primary peak current, A
    double imPeak = 0;           // magnetising current peak, A
    double vCrPeak = 0;          // Cr voltage peak, AC part, V
    double i2Rms = 0;            // RMS current of one secondary winding, A
    double B = 0;                // flux density peak, T
    bool swingComplete = false;  // the midpoint reaches the rail before the switch turns on
    double margin = 0;  // charge in the dead time over 2·Coss·Udc, minus 1 (NaN when Coss = 0)
};

// Bounds of the search for the operating frequency, as multiples of Fr.
inline constexpr double kTdSearchHigh = 2.0;
inline constexpr double kTdSearchLow = 0.3;

// The operating frequency of a corner: coming down from 2·Fr, the first
// frequency at which the mean rectified current equals the load current (the
// crossing on the inductive side of the gain peak, where a controller
// regulates). Below the peak the current falls again; that second crossing
// is never taken.
TdCorner SolveTdCorner(const TdDesign& d, double Uhb, double Udc);

// The output voltage at f kHz with the resistive load Uout/I2 (NaN when the
// model cannot be solved).
double TdOutputVoltage(const TdDesign& d, double Uhb, double Udc, double f);

}  // namespace kelvara
