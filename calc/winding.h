// The windings as they will be wound on the core's bobbin: the build-up layer
// by layer (primary first, then the secondary, or the primary split around
// the secondary), the AC resistance factors of both windings with the skin and
// the proximity effect (round wire or litz), and the leakage inductance.
#pragma once

#include <vector>

#include "refdata/records.h"

namespace kelvara {

namespace winding {
// Between two windings: three layers of 0.05 mm polyester tape, mm. The layers
// of one winding lie directly on each other.
inline constexpr double kTapeThickness = 0.15;
// Litz bundle: the insulated strands fill this share of the bundle's circle
// (the makers' rule of thumb: bundle diameter ≈ 1.155·√n·strand diameter).
inline constexpr double kLitzPacking = 0.75;
// The secondary current of a one-polarity centre tap is taken up to this
// harmonic (DC, the fundamental and the even harmonics).
inline constexpr int kHighestHarmonic = 40;
// More layers than this are not laid one by one: such windings fit no bobbin
// (the height is still given, the factors and the leakage are not).
inline constexpr double kMaxLayers = 1000;
// A bobbin estimated from the core window An with w = √(An/3) (a window three
// times as high as wide): winding width this share of 3w, winding height this
// share of w (the medians over the published bobbins of the shipped cores).
inline constexpr double kBobbinWidthShare = 0.9;
inline constexpr double kBobbinHeightShare = 0.75;
}  // namespace winding

// The bobbin's winding space, mm.
struct Bobbin {
    double bw = 0;           // width between the flanges
    double bh = 0;           // height from the tube to the flange rim
    double lw = 0;           // mean turn length; 0 when not given
    bool estimated = false;  // bw and bh estimated from the core window
};

// The core's bobbin: its "bw" and "bh" when the database gives both, else the
// estimate from An; "lw" as given.
Bobbin BobbinOf(const CoreRecord& core);

// What one turn is made of.
struct Conductor {
    bool litz = false;
    double d = 0;      // bare diameter of one wire, or of one litz strand, mm
    double outer = 0;  // round wire: insulated diameter of one wire; litz: the bundle's, mm
    double count = 1;  // round wire: wires side by side in a turn; litz: strands in the bundle
};

// A round-wire turn of `strands` wires of bare diameter d and insulated diameter diz.
Conductor RoundConductor(double d, double diz, double strands);
// A litz bundle of n strands of bare diameter d: each strand insulated as the
// standard wire of the next diameter not below d (its diz − d added; beyond the
// table, as the largest), the bundle diameter √(n/kLitzPacking) strands wide.
// Not usable (outer NaN) when d or n is not positive or the table is empty.
Conductor LitzConductor(double d, double n, const WireTable& wires);

// One layer of the build-up. x and width run across the bobbin (x from one
// flange), y and height from the tube outwards, mm. The magnetomotive force
// (MMF) at the layer's tube side and rim side is in units of N1·I1.
struct WindingLayer {
    int winding = 0;  // 1 primary, 2 secondary
    double x = 0, y = 0, width = 0, height = 0;
    double turns = 0;  // turns in the layer (a bifilar centre tap: of both halves)
    double mmfIn = 0, mmfOut = 0;
};

// What is wound.
struct WindingSpec {
    Conductor primary, secondary;
    double N1 = 0;
    double N2 = 0;             // per half for a centre tap
    bool centreTap = false;    // two halves of N2 turns, wound bifilar (side by side)
    bool interleaved = false;  // primary halves around the secondary (P/S/P)
};

struct WindingBuild {
    bool built = false;  // the windings and the bobbin were usable
    bool fits = false;   // a turn fits across the bobbin width (both windings)
    Bobbin bobbin;
    WindingSpec spec;
    double turnsPerLayer1 = 0, turnsPerLayer2 = 0;  // NaN when a turn is wider than bw
    double layers1 = 0, layers2 = 0;                // all sections of the winding
    std::vector<WindingLayer> layers;               // from the tube outwards
    double height = 0;                              // build-up: layers and tapes, mm
    double heightFill = 0;                          // height / bh
};

// The build-up: primary (or its first half, ⌈N1/2⌉ turns), tape, secondary
// (a centre tap: both halves side by side, 2·N2 turns), tape, second primary
// half. Each section fills layers of ⌊bw/(count·outer)⌋ turns from the tube
// out; its last layer holds the rest.
WindingBuild BuildWinding(const Bobbin& bobbin, const WindingSpec& spec);

// Skin depth of copper at 100 °C at f kHz, mm.
double SkinDepthHot(double f);

// Dowell's AC resistance factor of m foil layers of normalised thickness
// Δ = h·√η/δ with the field zero on one side: Δ·[ς1 + (2/3)(m²−1)·ς2].
double DowellFactor(double Delta, double m);
// The factor of one layer whose faces see the fields a and b, in units of the
// layer's own current sheet (b − a = ±1): Δ·[ς1 + 2·a·b·ς2] (a = m − 1, b = m
// gives the m-th layer of Dowell's winding).
double DowellLayerFactor(double Delta, double a, double b);

// Skin and proximity functions of a round wire (Kelvin functions of
// ξ = d/(√2·δ)): the skin factor F_R (1 at low frequency), and G_R, which gives
// the proximity loss per length R_dc·(π·d²/4)·G_R·H² in a field of amplitude H.
double RoundSkinFactor(double xi);
double RoundProximityFactor(double xi);

// The AC factor (AC over DC resistance at 100 °C) of a winding (1 primary,
// 2 secondary) at f kHz when all its turns carry one sinusoidal current.
double SineFactor(const WindingBuild& b, int winding, double f);
// The factor of the secondary of a one-polarity centre tap: each half carries
// a half-wave rectified sine. Its fundamental flows as the transformer's
// current (SineFactor); DC and the even harmonics flow in opposite directions
// in the two bifilar halves, so their field does not build up from layer to
// layer (one layer each). The harmonics up to kHighestHarmonic, weighted by
// their share of the RMS current.
double HalfWaveFactor(const WindingBuild& b, double f);

// The leakage inductance referred to the primary, µH (MLT in mm): the field
// energy over the winding space, μ0·N1²·MLT/bw·Σ, Σ over the layers of
// height·(a² + a·b + b²)/3 and over the tapes of thickness·F² (MMF in units of N1·I1).
double LeakageInductance(const WindingBuild& b, double MLT);

}  // namespace kelvara
