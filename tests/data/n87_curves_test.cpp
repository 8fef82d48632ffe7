// The default material's loss table against the maker's loss curves at 100 °C
// that it is interpolated from.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "refdata/material.h"
#include "shipped_data.h"

namespace kelvara {
namespace {

using testing::DataRoot;

// Two neighbouring digitized points of one curve: loss density p (W/m³) at
// frequency f (Hz). Read from the TDK N87 data-sheet curves of loss density
// over frequency at 100 °C as digitized in upb-lea/materialdatabase,
// materialdatabase/data/datasheet_curves/N87/p_v_over_f_at_b_T.csv (T = 100).
struct CurveSegment {
    double kHz;  // table frequency that lies on the segment
    double mT;   // the curve's peak flux density
    double f0, p0, f1, p1;
};

// The curve's loss density at `kHz`, log-log between the segment's points, in kW/m³.
double OnSegment(const CurveSegment& s) {
    const double t = std::log(s.kHz * 1000 / s.f0) / std::log(s.f1 / s.f0);
    return std::exp(std::log(s.p0) + t * std::log(s.p1 / s.p0)) / 1000;
}

class N87Table : public ::testing::Test {
  protected:
    void SetUp() override {
        Text text;
        ASSERT_TRUE(
            ReadMaterialFile(DataRoot() / "Ferrites_Materials" / "N87 Epcos.txt", data_, text));
    }
    // The cell at (kHz, mT); NaN when the table has no such row or column.
    double Cell(double kHz, double mT) const {
        for (int i = 1; i <= data_.nF; ++i) {
            for (int j = 1; j <= data_.nB; ++j) {
                if (data_.lossTable[i][0] == kHz &&
                    std::abs(data_.lossTable[0][j] - mT / 1000) < 1e-12) {
                    return data_.lossTable[i][j];
                }
            }
        }
        return NAN;
    }
    MaterialLossData data_;
};

TEST_F(N87Table, FollowsTheDataSheetCurvesAt100Celsius) {
    const CurveSegment segments[] = {
        {100, 100, 95682.0939240714, 46459.1959037628, 102986.323057808, 52692.6082297021},
        {100, 200, 99267.0490934022, 373505.048458406, 107633.851679221, 423618.076193193},
        {25, 200, 24354.6262748091, 58113.5003706442, 26798.7795382872, 64994.9641264303},
    };
    for (const CurveSegment& s : segments) {
        SCOPED_TRACE(std::to_string(s.kHz) + " kHz, " + std::to_string(s.mT) + " mT");
        ASSERT_LE(s.f0, s.kHz * 1000);
        ASSERT_GE(s.f1, s.kHz * 1000);
        const double curve = OnSegment(s);
        const double cell = Cell(s.kHz, s.mT);
        ASSERT_FALSE(std::isnan(cell)) << "no such cell";
        EXPECT_NEAR(cell, curve, 0.05 * curve);
    }
}

// The curves run from 24.35 kHz (200 mT) to 489.9 kHz (25 mT) and from 25 to
// 200 mT (same source); no cell lies outside them.
TEST_F(N87Table, HoldsNoValueBeyondTheCurves) {
    for (int i = 1; i <= data_.nF; ++i) {
        for (int j = 1; j <= data_.nB; ++j) {
            if (data_.lossTable[i][j] == 0) continue;
            const double kHz = data_.lossTable[i][0];
            const double tesla = data_.lossTable[0][j];
            EXPECT_GE(kHz, 24.35) << tesla << " T";
            EXPECT_LE(kHz, 489.9) << tesla << " T";
            EXPECT_GE(tesla, 0.025 - 1e-12) << kHz << " kHz";
            EXPECT_LE(tesla, 0.2 + 1e-12) << kHz << " kHz";
        }
    }
}

}  // namespace
}  // namespace kelvara
