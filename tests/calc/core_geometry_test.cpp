// The core data estimated from a core's drawing dimensions. Expected values
// are worked out by hand from the dimension formulas of each shape family.
#include "calc/core_geometry.h"

#include <gtest/gtest.h>

#include "refdata/core_database.h"

namespace kelvara {
namespace {

struct GeometryCase {
    const char* name;
    int32_t shape;
    CoreDimensions dims;  // A, B, C, D, h, H, I
    double Ae, An, le;
};

class Geometry : public testing::TestWithParam<GeometryCase> {};

TEST_P(Geometry, GivesAeAnAndLe) {
    const GeometryCase& c = GetParam();
    const auto g = CoreFromDimensions(c.shape, c.dims);
    ASSERT_TRUE(g.has_value());
    EXPECT_NEAR(g->Ae, c.Ae, 1e-9 * c.Ae);
    EXPECT_NEAR(g->An, c.An, 1e-9 * c.An);
    EXPECT_NEAR(g->le, c.le, 1e-9 * c.le);
}

// E 40/16/12-like drawing: A 40, B 28, C 12, D 12, h 10, H 16.
//   Ae = 12·12 = 144; An = (28−12)·10·0.8 = 128;
//   le = 16 + 6 + 6 + 40 + 6 = 74.
// EI with I 5: An = 16·10·0.5·0.8 = 64; le = 16 + 6 + 6 + 20 + (6 + 5)/2 = 53.5.
// ETD 34-like: A 34, B 25.6, D 11.1, h 11.8, H 17.3:
//   Ae = 11.1²·π/4 = 96.76890771…; An = 14.5·11.8·0.8 = 136.88;
//   le = 14.5 + 4.2 + 5.55 + 47.2 + 5.5 = 76.95.
INSTANTIATE_TEST_SUITE_P(
    Shapes, Geometry,
    testing::Values(
        GeometryCase{"E", kShapeE, {40, 28, 12, 12, 10, 16, 0}, 144, 128, 74},
        GeometryCase{"EI", kShapeEI, {40, 28, 12, 12, 10, 16, 5}, 144, 64, 53.5},
        GeometryCase{
            "ER", kShapeER, {34, 25.6, 0, 11.1, 11.8, 17.3, 0}, 96.76890771219959, 136.88, 76.95},
        GeometryCase{"ETD",
                     kShapeETD,
                     {34, 25.6, 0, 11.1, 11.8, 17.3, 0},
                     96.76890771219959,
                     136.88,
                     76.95}),
    [](const testing::TestParamInfo<GeometryCase>& info) { return std::string(info.param.name); });

TEST(Geometry, NoFormulaForOtherShapes) {
    const CoreDimensions d{40, 28, 12, 12, 10, 16, 5};
    EXPECT_FALSE(CoreFromDimensions(kShapeOther, d).has_value());
    EXPECT_FALSE(CoreFromDimensions(-1, d).has_value());
    EXPECT_FALSE(CoreFromDimensions(7, d).has_value());
}

}  // namespace
}  // namespace kelvara
