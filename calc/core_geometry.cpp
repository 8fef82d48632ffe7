#include "calc/core_geometry.h"

#include "calc/design_rules.h"
#include "refdata/core_database.h"
#include "refdata/physics.h"

namespace kelvara {

std::optional<CoreGeometry> CoreFromDimensions(int32_t shape, const CoreDimensions& d) {
    const double A = d.A, B = d.B, C = d.C, D = d.D, h = d.h, H = d.H, I = d.I;
    CoreGeometry g;
    switch (shape) {
        case kShapeE:
            // Rectangular centre leg C × D; path: across the window, the outer
            // legs' half, the centre leg's half, four window heights and the yokes.
            g.Ae = C * D;
            g.An = (B - D) * h * rule::kWindowUsableShare;
            g.le = (B - D) + (A - B) * 0.5 + D * 0.5 + 4 * h + (H - h);
            return g;
        case kShapeEI:
            // One E core and one I core: half the window height of an E pair.
            g.Ae = C * D;
            g.An = (B - D) * h * rule::kEIWindowShare * rule::kWindowUsableShare;
            g.le = (B - D) + (A - B) * 0.5 + D * 0.5 + 2 * h + (H - h + I) * 0.5;
            return g;
        case kShapeER:
        case kShapeETD:
            // Round centre leg of diameter D.
            g.Ae = D * D * 0.25 * phys::kPi;
            g.An = (B - D) * h * rule::kWindowUsableShare;
            g.le = (B - D) + (A - B) * 0.5 + D * 0.5 + 4 * h + (H - h);
            return g;
        default:
            return std::nullopt;
    }
}

}  // namespace kelvara
