// The records that the reference-data readers fill and the calculation reads.
#pragma once

#include <cstdint>
#include <vector>

#include "refdata/text.h"

namespace kelvara {

// The selected core's data as the calculation reads them.
struct CoreRecord {
    Text name;
    double Ae = 0;  // mm²
    double An = 0;  // mm²
    double le = 0;  // mm
    double Ve = 0;  // cm³, le·Ae/1000
    double mu = 0;  // effective permeability, a whole number
    double k1 = 0;  // AL law AL = k1·g^k2 (nH/turn², g in mm); 0 when absent
    double k2 = 0;
    double Rth = 0;  // still-air thermal resistance of the set, K/W; 0 when absent
    // The bobbin made for the core, mm; 0 when absent: winding width between
    // the flanges, winding height from the tube to the flange rim, mean turn length.
    double bw = 0;
    double bh = 0;
    double lw = 0;
};

// The selected ferrite material: loss table (at most 9 × 9 points),
// saturation limits and permeability.
struct MaterialLossData {
    static constexpr int kMaxPoints = 9;
    int32_t nB = 0;  // flux-density points read
    int32_t nF = 0;  // frequencies read
    // Row 0: flux densities in T (columns 1..nB); column 0: frequencies in kHz
    // (rows 1..nF); cell [i][j]: loss density in kW/m³ at (Fi, Bj); 0 = no data.
    double lossTable[10][10] = {};
    double Bmax = 0;
    double Bmmax = 0;
    double mu = 0;
};

// One standard winding wire.
struct WireEntry {
    double d = 0;     // bare diameter, mm
    double diz = 0;   // diameter over the insulation, mm
    double area = 0;  // copper cross-section π/4·d², mm²
};

// The standard wire diameters, ascending, at most 100.
struct WireTable {
    static constexpr int kMaxEntries = 100;
    std::vector<WireEntry> entries;
    int size() const { return static_cast<int>(entries.size()); }
};

}  // namespace kelvara
