#include "calc/wire_choice.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "calc_test_support.h"

namespace kelvara {
namespace {

using test::MakeWireTable;
using test::TestWires;
using test::U8;

struct DiameterTextCase {
    double d;
    const char* text;
};

class DiameterText : public testing::TestWithParam<DiameterTextCase> {};

TEST_P(DiameterText, DropsTrailingZerosAndPoint) {
    EXPECT_EQ(U8(WireDiameterText(GetParam().d)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, DiameterText,
                         testing::Values(DiameterTextCase{0.63, "0.63"}, DiameterTextCase{1.0, "1"},
                                         DiameterTextCase{0.315, "0.315"},
                                         DiameterTextCase{2.5, "2.5"},
                                         DiameterTextCase{0.05, "0.05"},
                                         DiameterTextCase{10.0, "10"}, DiameterTextCase{0.0, "0"}));

struct NormaliseCase {
    const char16_t* desired;
    const char* text;     // field afterwards
    double standard;      // chosen table diameter
    const char* message;  // "" when none
};

class Normalise : public testing::TestWithParam<NormaliseCase> {};

TEST_P(Normalise, GivesTheNextStandardDiameter) {
    const NormaliseCase c = GetParam();
    const WireTable wires = TestWires();
    const WireNormalisation r = NormaliseWireDiameter(c.desired, wires);
    EXPECT_EQ(U8(r.text), c.text);
    ASSERT_GE(r.index, 0);
    ASSERT_LT(r.index, wires.size());
    EXPECT_EQ(wires.entries[r.index].d, c.standard);
    EXPECT_EQ(U8(r.message), c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Normalise,
    testing::Values(
        NormaliseCase{u"0,63", "0.63", 0.63, ""}, NormaliseCase{u"0.630", "0.63", 0.63, ""},
        NormaliseCase{u"1.0", "1", 1.0, ""}, NormaliseCase{u"2.50", "2.5", 2.5, ""},
        NormaliseCase{u"0.6", "0.63", 0.63,
                      "Указанный желаемый диаметр 0.6 мм заменен на ближайший стандартный "
                      "диаметр 0.63 мм"},
        NormaliseCase{u"0,60", "0.63", 0.63,
                      "Указанный желаемый диаметр 0.6 мм заменен на ближайший стандартный "
                      "диаметр 0.63 мм"},
        NormaliseCase{u"1.3", "1.4", 1.4,
                      "Указанный желаемый диаметр 1.3 мм заменен на ближайший стандартный "
                      "диаметр 1.4 мм"},
        // Above the largest: the largest, without a message.
        NormaliseCase{u"5", "2.5", 2.5, ""}, NormaliseCase{u"1e308", "2.5", 2.5, ""},
        // Nothing readable: the smallest, with a message.
        NormaliseCase{u"0", "0.05", 0.05,
                      "Указанный желаемый диаметр 0 мм заменен на ближайший стандартный "
                      "диаметр 0.05 мм"},
        NormaliseCase{u"abc", "0.05", 0.05,
                      "Указанный желаемый диаметр abc мм заменен на ближайший стандартный "
                      "диаметр 0.05 мм"}));

TEST(NormaliseWireDiameter, WholeNumberTextsKeepTheirZeros) {
    const WireTable wires = MakeWireTable({0.5, 1.0, 10.0, 20.0});
    const WireNormalisation r = NormaliseWireDiameter(u"10", wires);
    EXPECT_EQ(U8(r.text), "10");
    EXPECT_EQ(r.index, 2);
    EXPECT_TRUE(r.message.empty());
}

TEST(NormaliseWireDiameter, EmptyTableOnlyTakesTheDotForm) {
    const WireNormalisation r = NormaliseWireDiameter(u"0,6", WireTable{});
    EXPECT_EQ(U8(r.text), "0.6");
    EXPECT_EQ(r.index, -1);
    EXPECT_TRUE(r.message.empty());
}

WireConditions At100kHz(bool imposed) {
    WireConditions c;
    c.delta = 2.0871 / std::sqrt(100.0);
    c.Adelta = std::numbers::pi * (c.delta * c.delta);
    c.j = 5;
    c.imposed = imposed;
    return c;
}

TEST(ChooseWire, ImposedDiameterKeepsOneStrandUpToTenPercentMore) {
    const WireTable wires = TestWires();
    const int k = NormaliseWireDiameter(u"0.63", wires).index;
    const WireConditions c = At100kHz(true);
    // 0.63 mm is thicker than twice the skin depth: only a ring conducts.
    const double aeff = ConductingArea(0.63, c);
    EXPECT_NEAR(aeff, std::numbers::pi * (0.63 * 0.20871 - 0.20871 * 0.20871), 1e-15);
    EXPECT_LT(aeff, std::numbers::pi * 0.63 * 0.63 / 4);

    const WireChoice w105 = ChooseWire(1.05 * aeff * c.j, c, k, wires);
    EXPECT_EQ(w105.strands, 1);
    EXPECT_EQ(U8(WireResultText(w105)), "0.63x1");
    const WireChoice w115 = ChooseWire(1.15 * aeff * c.j, c, k, wires);
    EXPECT_EQ(w115.strands, 2);
    EXPECT_EQ(U8(WireResultText(w115)), "0.63x2");
    EXPECT_EQ(ChooseWire(3.2 * aeff * c.j, c, k, wires).strands, 3);
    EXPECT_EQ(ChooseWire(3.4 * aeff * c.j, c, k, wires).strands, 4);
    EXPECT_EQ(ChooseWire(0.01, c, k, wires).strands, 1);
}

TEST(ChooseWire, AutomaticSmallCurrentTakesOneStrandOfTheNextDiameter) {
    const WireConditions c = At100kHz(false);
    // A = π·0.3²/4 mm² is below the skin-depth area: one strand, 0.3 mm → 0.315 mm.
    const double A = std::numbers::pi * 0.3 * 0.3 / 4;
    const WireChoice w = ChooseWire(A * c.j, c, -1, TestWires());
    EXPECT_EQ(w.strands, 1);
    EXPECT_EQ(w.d, 0.315);
    EXPECT_EQ(U8(WireResultText(w)), "0.315x1");
}

TEST(ChooseWire, AutomaticLargeCurrentSplitsIntoSkinDepthStrands) {
    const WireConditions c = At100kHz(false);
    // 5 A at 5 A/mm²: 1 mm² / 0.13685 mm² = 7.3 → 8 strands of 0.125 mm² → 0.399 mm → 0.4 mm.
    const WireChoice w = ChooseWire(5, c, -1, TestWires());
    EXPECT_EQ(w.strands, 8);
    EXPECT_EQ(w.d, 0.4);
    EXPECT_EQ(U8(w.text), "0.4");
    EXPECT_EQ(U8(WireResultText(w)), "0.4x8");
}

TEST(ChooseWire, AutomaticDiameterAboveTheLargestTakesMoreStrandsOfIt) {
    WireConditions c;
    c.delta = 2.0871;  // 1 kHz: the whole copper conducts
    c.Adelta = std::numbers::pi * (c.delta * c.delta);
    c.j = 5;
    // 0.1 mm² needs 0.357 mm; the largest is 0.2 mm (0.0314 mm²): 3.18 → 4 strands.
    const WireChoice w = ChooseWire(0.5, c, -1, MakeWireTable({0.1, 0.2}));
    EXPECT_TRUE(w.chosen);
    EXPECT_EQ(w.d, 0.2);
    EXPECT_EQ(w.strands, 4);
    EXPECT_EQ(U8(WireResultText(w)), "0.2x4");
}

TEST(ChooseWire, EmptyTableChoosesNothing) {
    for (bool imposed : {false, true}) {
        const WireChoice w = ChooseWire(2, At100kHz(imposed), -1, WireTable{});
        EXPECT_FALSE(w.chosen);
        EXPECT_TRUE(std::isnan(w.Awire));
        EXPECT_EQ(U8(WireResultText(w)), "?");
    }
}

TEST(ChooseWire, NonFiniteCurrentShowsUnknownStrands) {
    const WireTable wires = TestWires();
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double I : {inf, nan}) {
        const WireChoice automatic = ChooseWire(I, At100kHz(false), -1, wires);
        EXPECT_EQ(U8(WireResultText(automatic)), "2.5x?");
        const WireChoice imposed = ChooseWire(I, At100kHz(true), 8, wires);
        EXPECT_EQ(U8(WireResultText(imposed)), "0.63x?");
    }
}

}  // namespace
}  // namespace kelvara
