// A SPICE netlist of the finished converter, the circuit of the time-domain
// model as ngspice runs it: the half bridge with its dead time, the
// switches' output capacitances and body diodes, Cr, Lr, the transformer as
// windings coupled with K = 1 (the primary inductance is Lm), the rectifier
// and the output.
//
// Choices: the midpoint runs between 0 and vbus = udc − 2·udrop (the supply
// less the two transistor drops the calculation subtracts), so the switches
// are near-ideal (1 mΩ); every diode is a near-ideal diode model (emission
// coefficient 0.01, a few mV forward; the rectifier's with 10 pF, which keeps
// ngspice's steps from collapsing when they all block) and each rectifier
// diode has a DC source of the forward drop Ud in series. The simulation starts from the
// model's steady state (uic) so that it settles within a few periods.
#pragma once

#include <cstdint>
#include <string>

#include "calc/design_results.h"
#include "calc/time_domain.h"

namespace kelvara {

enum class SpiceLoad {
    Resistor,  // an output capacitor and the load resistance U2_1/I2 (the export)
    Source,    // the output held by a voltage source at U2_1
};

// How the transformer is written: windings coupled with K = 1 (the primary
// inductance is Lm, each secondary winding Lm/n²), or Lm across the primary
// and an ideal transformer of controlled sources (E for each winding's
// voltage, F for its current seen at the primary). Both are the same circuit;
// ngspice runs the second reliably, while the first often stops with
// "timestep too small" where the rectifier commutates.
enum class SpiceTransformer { Controlled, Coupled };

struct SpiceOptions {
    bool highestSupply = false;  // the corner: the lowest supply, or the highest
    double f = 0;                // kHz; 0: the model's operating frequency there (else Fr)
    SpiceLoad load = SpiceLoad::Resistor;
    SpiceTransformer transformer = SpiceTransformer::Controlled;
    double cout = 0;            // output capacitance, µF; 0: about 1 % ripple at f
    bool steadyStart = true;    // start from the model's steady state when it solves
    int periods = 0;            // simulated periods; 0: six output time constants, at least 40
    int measuredPeriods = 10;   // the last periods, over which .meas averages
    int stepsPerPeriod = 1000;  // the largest time step is the period over this
};

// The netlist of one corner of a model's design: Uhb the half-bridge
// amplitude, Udc the supply (udrop = Udc/2 − Uhb). Plain text with LF line
// ends, numbers in the C locale; empty when the design's numbers cannot make
// a circuit (not finite or not positive).
//
// Its .meas results: uout_avg (mean output voltage, V), iout_avg (mean output
// current, A), i1_rms (primary RMS current, A), i_off (primary current when
// the high switch turns off, A), i_off_low (the same as the low switch turns
// off, the same magnitude with the other sign in a symmetric steady state),
// v_mid_on (midpoint voltage just before the high switch turns on: vbus when
// the swing completed, V), v_mid_on_low (just before the low switch turns on:
// 0 when it completed); the averages over the last measuredPeriods periods,
// the instants within the last period.
std::string SpiceNetlist(const TdDesign& d, double Uhb, double Udc, const SpiceOptions& o);

// The same for a finished run (its lowest or highest supply corner).
std::string SpiceNetlist(const DesignResults& r, int32_t vypr, double tdNs, double cossPf,
                         const SpiceOptions& o = {});

}  // namespace kelvara
