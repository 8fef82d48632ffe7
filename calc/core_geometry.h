// The effective data of a core estimated from its drawing dimensions, for
// adding a core to the database by its sizes.
#pragma once

#include <cstdint>
#include <optional>

namespace kelvara {

// Drawing dimensions in mm (I only for EI cores).
struct CoreDimensions {
    double A = 0, B = 0, C = 0, D = 0, h = 0, H = 0, I = 0;
};

struct CoreGeometry {
    double Ae = 0;  // centre-leg cross-section, mm²
    double An = 0;  // usable winding window, mm²
    double le = 0;  // magnetic path length, mm
};

// Ae, An and le of an E (shape 0), EI (1), ER (2) or ETD (3) core set; no
// formula applies to any other shape.
std::optional<CoreGeometry> CoreFromDimensions(int32_t shape, const CoreDimensions& d);

}  // namespace kelvara
