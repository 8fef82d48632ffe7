#include "calc/gain.h"

#include <gtest/gtest.h>

#include <random>

namespace kelvara {
namespace {

TEST(Gain, IsOneAtResonanceForAnyCircuit) {
    for (double Q : {0.05, 0.4, 1.0, 3.0}) {
        for (double kL : {1.0, 5.0, 12.0}) EXPECT_DOUBLE_EQ(Gain(1.0, Q, kL), 1.0);
    }
}

TEST(SweepGain, PeakOfTheDefaultCircuitIsTheStepBelowIt) {
    const GainSweep s = SweepGain(0.4, 5, 100, 100);
    ASSERT_TRUE(s.xPeakFound);
    EXPECT_NEAR(s.xPeak, 0.4927, 1e-9);
    EXPECT_NEAR(Gain(s.xPeak + kSweepStep, 0.4, 5), 1.39, 0.005);
    // The peak is the step above xPeak: the gain there is higher.
    EXPECT_GT(Gain(s.xPeak + kSweepStep, 0.4, 5), Gain(s.xPeak, 0.4, 5));
    EXPECT_FALSE(s.xMinFound);
    EXPECT_FALSE(s.xMaxFound);
    EXPECT_EQ(s.xMin, 0);
    EXPECT_EQ(s.xMax, 0);
}

TEST(SweepGain, FirstPointIsNeverAPeak) {
    // With a negative ratio the gain falls from x = 2 on; the previous gain
    // starts as the gain at x = 2, so the first fall is seen at the second step.
    const GainSweep s = SweepGain(0, -5, 100, 100);
    ASSERT_TRUE(s.xPeakFound);
    EXPECT_EQ(s.xPeak, 2.0 - 0.0001);
}

TEST(SweepGain, GainNeededBelowTheGainAtTwoIsFoundAtTwo) {
    const double g2 = Gain(2.0, 0.4, 5);
    const GainSweep s = SweepGain(0.4, 5, g2 * 0.99, g2);
    ASSERT_TRUE(s.xMinFound);
    EXPECT_EQ(s.xMin, 2.0);
    // Strict comparison: a gain needed equal to the gain at x = 2 is met one step lower.
    ASSERT_TRUE(s.xMaxFound);
    EXPECT_EQ(s.xMax, 2.0 - 0.0001);
}

TEST(SweepGain, GainAboveThePeakIsNeverFound) {
    const GainSweep s = SweepGain(0.4, 5, 1.2, 1.5);
    EXPECT_TRUE(s.xMinFound);
    EXPECT_FALSE(s.xMaxFound);
    EXPECT_EQ(s.xMax, 0);
}

TEST(SweepGain, LargeRatioWithSmallQHasNoPeakInRange) {
    EXPECT_FALSE(SweepGain(0.1, 20, 100, 100).xPeakFound);
    EXPECT_FALSE(SweepGain(0.1, 15, 100, 100).xPeakFound);
}

TEST(SweepGain, RunsDownToTheLastAccumulatedStepNotBelowPointThree) {
    double last = 2.0;
    int count = 1;
    while (last - 0.0001 >= 0.3) {
        last = last - 0.0001;
        ++count;
    }
    EXPECT_EQ(count, 17001);
    // Q = 0 and a large ratio: the gain keeps rising downward, so a gain
    // needed between the last two points is met exactly at the last one.
    const double need = (Gain(last, 0, 1000) + Gain(last + 0.0001, 0, 1000)) / 2;
    ASSERT_GT(Gain(last, 0, 1000), need);
    const GainSweep s = SweepGain(0, 1000, need, 100);
    ASSERT_TRUE(s.xMinFound);
    EXPECT_EQ(s.xMin, last);
}

TEST(SweepGain, SameResultsAsTheFullSweepWithoutEarlyEnd) {
    std::mt19937 rng(12345);
    std::uniform_real_distribution<double> q(0.01, 2.0), k(0.5, 30.0), m(0.3, 2.5);
    for (int n = 0; n < 200; ++n) {
        const double Q = q(rng), kL = k(rng), m1 = m(rng), m2 = m(rng);
        GainSweep full;
        double prev = Gain(2.0, Q, kL);
        for (double x = 2.0; x >= 0.3; x = x - 0.0001) {
            const double g = Gain(x, Q, kL);
            if (!full.xMinFound && g > m1) full.xMin = x, full.xMinFound = true;
            if (!full.xMaxFound && g > m2) full.xMax = x, full.xMaxFound = true;
            if (!full.xPeakFound && prev > g) full.xPeak = x, full.xPeakFound = true;
            prev = g;
        }
        const GainSweep s = SweepGain(Q, kL, m1, m2);
        EXPECT_EQ(s.xMinFound, full.xMinFound);
        EXPECT_EQ(s.xMaxFound, full.xMaxFound);
        EXPECT_EQ(s.xPeakFound, full.xPeakFound);
        EXPECT_EQ(s.xMin, full.xMin);
        EXPECT_EQ(s.xMax, full.xMax);
        EXPECT_EQ(s.xPeak, full.xPeak);
    }
}

}  // namespace
}  // namespace kelvara
