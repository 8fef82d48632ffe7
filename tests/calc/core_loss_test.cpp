#include "calc/core_loss.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc_test_support.h"

namespace kelvara {
namespace {

using test::TestMaterial;

constexpr double kVe = 11.473;

TEST(EstimateCoreLoss, OnTablePointsGivesTheTableValue) {
    const MaterialLossData m = TestMaterial();
    const auto r = EstimateCoreLoss(100, 0.1, m, kVe);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.lossDensity, 70);
    EXPECT_EQ(r.lossW, 70.0 / 1000 * kVe);
    const auto first = EstimateCoreLoss(25, 0.05, m, kVe);
    ASSERT_TRUE(first.ok);
    EXPECT_EQ(first.lossDensity, 3);
    // The last point lies at the end of the last interval.
    const auto last = EstimateCoreLoss(200, 0.3, m, kVe);
    ASSERT_TRUE(last.ok);
    EXPECT_NEAR(last.lossDensity, 2500, 1e-9);
}

struct LossCase {
    double f, B, density;
};

class LossExtrapolation : public testing::TestWithParam<LossCase> {};

// Outside the table the first or last interval's slope goes on.
TEST_P(LossExtrapolation, FollowsTheEdgeSlope) {
    const LossCase c = GetParam();
    const auto r = EstimateCoreLoss(c.f, c.B, TestMaterial(), kVe);
    ASSERT_TRUE(r.ok);
    EXPECT_NEAR(r.lossDensity, c.density, c.density * 1e-12);
    EXPECT_NEAR(r.lossW, c.density / 1000 * kVe, c.density * 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LossExtrapolation,
    testing::Values(LossCase{400, 0.1,
                             70 * (180.0 / 70) * (180.0 / 70)},  // above: slope of 100..200
                    LossCase{12.5, 0.1, 7.5},                    // below: 15·(1/2)^1
                    LossCase{100, 0.025, 15 * 15.0 / 70},        // flux below 0.05
                    LossCase{100, 0.45, 380 * (1000.0 / 380) * (1000.0 / 380)}));  // flux above

// A table that is exactly a power law P = 0.02·f^1.3·(1000B)^2.4 is reproduced
// everywhere, inside and outside the table.
TEST(EstimateCoreLoss, ReproducesAPowerLawTable) {
    MaterialLossData m;
    m.mu = 2000;
    const double b[] = {0.025, 0.05, 0.1, 0.2, 0.3};
    const double f[] = {20, 50, 100, 300, 500, 800};
    auto law = [](double fk, double bt) {
        return 0.02 * std::pow(fk, 1.3) * std::pow(1000 * bt, 2.4);
    };
    m.nB = 5;
    m.nF = 6;
    for (int j = 0; j < m.nB; ++j) m.lossTable[0][j + 1] = b[j];
    for (int i = 0; i < m.nF; ++i) {
        m.lossTable[i + 1][0] = f[i];
        for (int j = 0; j < m.nB; ++j) m.lossTable[i + 1][j + 1] = law(f[i], b[j]);
    }
    for (double fk : {10.0, 33.3, 70.7, 150.0, 777.0, 1200.0}) {
        for (double bt : {0.01, 0.042, 0.123, 0.25, 0.45}) {
            const auto r = EstimateCoreLoss(fk, bt, m, 2.0);
            ASSERT_TRUE(r.ok);
            EXPECT_NEAR(r.lossDensity / law(fk, bt), 1.0, 1e-9) << fk << " kHz " << bt << " T";
        }
    }
}

TEST(EstimateCoreLoss, MissingUpperCornerIsNoData) {
    MaterialLossData m = TestMaterial();
    m.lossTable[4][4] = 0;  // 200 kHz, 0.3 T
    EXPECT_FALSE(EstimateCoreLoss(150, 0.25, m, kVe).ok);
    EXPECT_FALSE(EstimateCoreLoss(500, 0.9, m, kVe).ok);  // extrapolation uses the same corner
    EXPECT_TRUE(EstimateCoreLoss(150, 0.15, m, kVe).ok);  // lower corners complete
    EXPECT_TRUE(EstimateCoreLoss(70, 0.25, m, kVe).ok);
}

TEST(EstimateCoreLoss, FewerThanTwoPointsOnAnAxisIsNoData) {
    MaterialLossData m = TestMaterial();
    m.nB = 1;
    EXPECT_FALSE(EstimateCoreLoss(100, 0.1, m, kVe).ok);
    m = TestMaterial();
    m.nF = 1;
    EXPECT_FALSE(EstimateCoreLoss(100, 0.1, m, kVe).ok);
    EXPECT_FALSE(EstimateCoreLoss(100, 0.1, MaterialLossData{}, kVe).ok);
}

TEST(EstimateCoreLoss, CountsBeyondTheTableStayInsideIt) {
    MaterialLossData m;
    for (int k = 1; k < 10; ++k) {
        m.lossTable[0][k] = 0.03 * k;
        m.lossTable[k][0] = 20.0 * k;
    }
    for (int i = 1; i < 10; ++i)
        for (int j = 1; j < 10; ++j) m.lossTable[i][j] = i * j;
    m.nB = 40;
    m.nF = 1000;
    const auto r = EstimateCoreLoss(1e6, 5, m, kVe);  // far beyond the last points
    EXPECT_TRUE(r.ok);
    m.nB = -3;
    EXPECT_FALSE(EstimateCoreLoss(100, 0.1, m, kVe).ok);
}

}  // namespace
}  // namespace kelvara
