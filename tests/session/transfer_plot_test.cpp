#include "session/transfer_plot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "calc/gain.h"

namespace kelvara {
namespace {

// Every character 20 units wide, every text 35 units high.
TextSize SimpleMeasure(TextView text) {
    return {static_cast<int>(text.size()) * 20, 35};
}

// W = 1250 gives a scale of 1000 units per decade; H = 1100 gives dy = 250
// for a grid up to gain 2 and dy = 50 for a grid up to gain 10.
constexpr int kW = 1250;
constexpr int kH = 1100;

TransferPlot Build(double kL, double Q, double xMin = 0, double xMax = 0, double Fr = 100,
                   int W = kW, int H = kH) {
    return BuildTransferPlot(kL, Q, xMin, xMax, Fr, W, H, SimpleMeasure);
}

const PlotLabel* FindLabel(const TransferPlot& p, TextView text) {
    for (const PlotLabel& l : p.gridLabels) {
        if (l.text == text) return &l;
    }
    for (const PlotMark& m : p.marks) {
        if (m.label.text == text) return &m.label;
    }
    return nullptr;
}

const PlotMark* FindMark(const TransferPlot& p, PlotMark::Kind kind) {
    for (const PlotMark& m : p.marks) {
        if (m.kind == kind) return &m;
    }
    return nullptr;
}

std::vector<std::string> ThickLabels(const TransferPlot& p) {
    // The gain labels are the ones whose right edge is 20 units left of x3.
    std::vector<std::string> out;
    for (const PlotLabel& l : p.gridLabels) {
        if (l.rect.right == p.x3 - 20 && l.align == LabelAlign::Right)
            out.push_back(ToUtf8(l.text));
    }
    return out;
}

void ExpectRect(const PlotLabel* l, int left, int top, int right, int bottom) {
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->rect.left, left) << ToUtf8(l->text);
    EXPECT_EQ(l->rect.top, top) << ToUtf8(l->text);
    EXPECT_EQ(l->rect.right, right) << ToUtf8(l->text);
    EXPECT_EQ(l->rect.bottom, bottom) << ToUtf8(l->text);
}

// --- The default circuit: Q = 0.4, kL = 5, peak gain 1.39 ---------------------

TEST(TransferPlotDefault, GridReachesGainTwoWithFiveThickLabels) {
    const TransferPlot p = Build(5, 0.4);
    ASSERT_TRUE(p.drawn);
    EXPECT_EQ(p.ymax, 2);
    EXPECT_EQ(p.dy, 250);
    EXPECT_EQ(ThickLabels(p), (std::vector<std::string>{"0.0", "0.5", "1.0", "1.5", "2.0"}));
}

TEST(TransferPlotDefault, ControllerMarkAgreesWithTheCalculationsSweep) {
    const TransferPlot p = Build(5, 0.4);
    const GainSweep sweep = SweepGain(0.4, 5, 100, 100);
    ASSERT_TRUE(p.peakFound);
    ASSERT_TRUE(sweep.xPeakFound);
    EXPECT_NEAR(p.xPk, 0.4927, 1e-9);
    EXPECT_NEAR(p.xPk, sweep.xPeak, 0.0001 + 1e-9);
    EXPECT_NEAR(p.GPk, 1.39, 0.005);

    const PlotMark* mark = FindMark(p, PlotMark::Kind::Controller);
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(ToUtf8(mark->label.text), "Частота контроллера не менее 49.27 кГц");
    // Xp = log10(4.927)·1000 = 692.6, Yp = 500·1.3875 = 693.8.
    ASSERT_EQ(mark->lines.size(), 1u);
    const PlotLine& l = mark->lines[0];
    EXPECT_EQ(l.colour, PlotColour::Red);
    EXPECT_EQ(l.width, 5);
    EXPECT_EQ(l.x1, 692);
    EXPECT_EQ(l.x2, 692);
    EXPECT_EQ(l.y1, 693 - 15);
    EXPECT_EQ(l.y2, 693 + 15);
    // Left edge at Xp − 20, bottom at Yp + 15, above the mark.
    const int width = static_cast<int>(mark->label.text.size()) * 20;
    ExpectRect(&mark->label, 672, 708 + 35, 672 + width, 708);
}

TEST(TransferPlotDefault, ControllerFrequencyIsOneStepBelowThePeak) {
    for (double kL : {3.0, 5.0, 8.0}) {
        for (double Q : {0.2, 0.4, 0.7}) {
            const TransferPlot p = Build(kL, Q);
            ASSERT_TRUE(p.peakFound) << kL << " " << Q;
            EXPECT_GT(Gain(p.xPk + 0.0001, Q, kL), p.GPk) << kL << " " << Q;
            const GainSweep sweep = SweepGain(Q, kL, 100, 100);
            if (sweep.xPeakFound) {
                EXPECT_NEAR(p.xPk, sweep.xPeak, 0.0001 + 1e-9);
            }
        }
    }
}

// --- Positions, for a measure of 20 units a character and 35 a text ----------

TEST(TransferPlotPositions, AxesAndVisibleWindow) {
    const TransferPlot p = Build(5, 0.4);
    EXPECT_EQ(p.scale, 1000);
    EXPECT_EQ(p.x3, 477);    // log10(3)·1000
    EXPECT_EQ(p.x5, 698);    // log10(5)·1000
    EXPECT_EQ(p.x30, 1477);  // log10(30)·1000
    EXPECT_EQ(p.window.left, 377);
    EXPECT_EQ(p.window.right, 1627);
    EXPECT_EQ(p.window.bottom, -50);
    EXPECT_EQ(p.window.top, 1050);
}

TEST(TransferPlotPositions, AxisLabels) {
    const TransferPlot p = Build(5, 0.4);
    ExpectRect(FindLabel(p, u"0.3*Fr"), 457, -10, 577, -45);
    ExpectRect(FindLabel(p, u"0.5*Fr"), 638, -10, 758, -45);
    // "Частота" stands on y = −10, right of the grid; at x30 + 20 it would end
    // at 1637, past the picture's right edge (1627), so it ends there.
    ExpectRect(FindLabel(p, u"Частота"), 1487, 25, 1627, -10);
    ExpectRect(FindLabel(p, u"Fr=100.0 кГц"), 880, -10, 1120, -45);
    ExpectRect(FindLabel(p, u"2*Fr"), 1261, -10, 1341, -45);  // log10(20)·1000 = 1301
    ExpectRect(FindLabel(p, u"3*Fr"), 1437, -10, 1517, -45);
    // Gain labels: right edge at x3 − 20, centred on their line.
    ExpectRect(FindLabel(p, u"0.0"), 397, 17, 457, -18);
    ExpectRect(FindLabel(p, u"1.5"), 397, 767, 457, 732);
    ExpectRect(FindLabel(p, u"2.0"), 397, 1017, 457, 982);
    EXPECT_EQ(FindLabel(p, u"0.3*Fr")->align, LabelAlign::Left);
    EXPECT_EQ(FindLabel(p, u"0.5*Fr")->align, LabelAlign::Centre);
    EXPECT_EQ(FindLabel(p, u"2.0")->align, LabelAlign::Right);
}

TEST(TransferPlotPositions, GridLines) {
    const TransferPlot p = Build(5, 0.4);
    int thickH = 0, thinH = 0;
    std::vector<int> thickV, thinV;
    for (const PlotLine& l : p.grid) {
        EXPECT_EQ(l.colour, PlotColour::Black);
        if (l.y1 == l.y2) {
            EXPECT_EQ(l.x1, 477);
            EXPECT_EQ(l.x2, 1477);
            if (l.width == 5) {
                EXPECT_EQ(l.y1, thickH * 250);
                ++thickH;
            } else {
                EXPECT_EQ(l.width, 1);
                EXPECT_EQ(l.y1, thinH * 50);  // (i·250)/5
                ++thinH;
            }
        } else {
            EXPECT_EQ(l.x1, l.x2);
            EXPECT_EQ(l.y1, 0);
            EXPECT_EQ(l.y2, 1000);  // 2·dy·ymax
            (l.width == 5 ? thickV : thinV).push_back(l.x1);
        }
    }
    EXPECT_EQ(thickH, 5);
    EXPECT_EQ(thinH, 21);
    EXPECT_EQ(thickV, std::vector<int>{1000});
    EXPECT_EQ(thinV, (std::vector<int>{477, 602, 698, 778, 845, 903, 954, 1000, 1000, 1301, 1477}));
}

TEST(TransferPlotPositions, CurveRunsFromPointThreeToThreeTimesFr) {
    const TransferPlot p = Build(5, 0.4);
    // The start at the last gain of the search, then x = 0.3, 0.301, … 2.999999….
    ASSERT_EQ(p.curve.size(), 2702u);
    EXPECT_EQ(p.curve.front(), (PlotPoint{477, 315}));  // 500·Gain(0.3) = 315.4
    EXPECT_EQ(p.curve[1].x, 477);
    EXPECT_EQ(p.curve.back(), (PlotPoint{1477, 314}));  // 500·Gain(3) = 314.9
    EXPECT_TRUE(std::is_sorted(p.curve.begin(), p.curve.end(),
                               [](const PlotPoint& a, const PlotPoint& b) { return a.x < b.x; }));
    // Gain 1 at resonance: y = 2·dy = 500 at x = X(Fr) = 1000.
    const auto at = std::find_if(p.curve.begin(), p.curve.end(),
                                 [](const PlotPoint& q) { return q.x == 1000; });
    ASSERT_NE(at, p.curve.end());
    EXPECT_NEAR(at->y, 500, 1);
    // The curve's highest point is the peak, just above the controller mark's centre.
    const int top =
        std::max_element(p.curve.begin(), p.curve.end(),
                         [](const PlotPoint& a, const PlotPoint& b) { return a.y < b.y; })
            ->y;
    EXPECT_NEAR(top, 693, 1);
}

TEST(TransferPlotPositions, OperatingFrequencyCrosses) {
    const TransferPlot p = Build(5, 0.4, 0.8, 1.3);
    const PlotMark* fmin = FindMark(p, PlotMark::Kind::Fmin);
    const PlotMark* fmax = FindMark(p, PlotMark::Kind::Fmax);
    ASSERT_NE(fmin, nullptr);
    ASSERT_NE(fmax, nullptr);
    EXPECT_EQ(ToUtf8(fmin->label.text), "Fmin=80.00 кГц (Минимальное напряжение питания)");
    EXPECT_EQ(ToUtf8(fmax->label.text), "Fmax=130.00 кГц (Максимальное напряжение питания)");
    // Xm = log10(8)·1000 = 903, Ym = 500·Gain(0.8) = 552.
    ASSERT_EQ(fmin->lines.size(), 2u);
    EXPECT_EQ(fmin->lines[0].x1, 903);
    EXPECT_EQ(fmin->lines[0].y1, 552 - 15);
    EXPECT_EQ(fmin->lines[0].y2, 552 + 15);
    EXPECT_EQ(fmin->lines[1].x1, 903 - 15);
    EXPECT_EQ(fmin->lines[1].x2, 903 + 15);
    EXPECT_EQ(fmin->lines[1].y1, 552);
    for (const PlotLine& l : fmin->lines) {
        EXPECT_EQ(l.colour, PlotColour::Red);
        EXPECT_EQ(l.width, 5);
    }
    // Right of the cross (923 … 1863) the label would run past the picture's
    // right edge (1627), and left of it past the left one: it ends at the
    // right edge, one label height and 4 units up, clear of the cross.
    const int w = static_cast<int>(fmin->label.text.size()) * 20;
    ExpectRect(&fmin->label, 1627 - w, 569 + 39, 1627, 534 + 39);
    // Xm = log10(13)·1000 = 1113, Ym = 500·Gain(1.3) = 453.
    EXPECT_EQ(fmax->lines[0].x1, 1113);
    EXPECT_EQ(fmax->lines[1].y1, 453);
    // Drawing order: controller, Fmin, Fmax.
    ASSERT_EQ(p.marks.size(), 3u);
    EXPECT_EQ(p.marks[0].kind, PlotMark::Kind::Controller);
    EXPECT_EQ(p.marks[1].kind, PlotMark::Kind::Fmin);
    EXPECT_EQ(p.marks[2].kind, PlotMark::Kind::Fmax);
}

// --- Grid height -------------------------------------------------------------

TEST(TransferPlotGrid, PeakAboveNineIsCappedAtTen) {
    const TransferPlot p = Build(5, 0.03);  // peak gain 16.3 near x = 0.41
    ASSERT_TRUE(p.peakFound);
    EXPECT_GT(p.GPk, 9);
    EXPECT_EQ(p.ymax, 10);
    EXPECT_EQ(p.dy, 50);
    const std::vector<std::string> labels = ThickLabels(p);
    ASSERT_EQ(labels.size(), 21u);
    EXPECT_EQ(labels.back(), "10.0");
    // The peak (at 100·16.34 = 1633) lies above the grid and the picture:
    // the controller mark stands on the grid's top line, and its label says
    // how high the peak is.
    EXPECT_TRUE(p.peakAboveGrid);
    const PlotMark* mark = FindMark(p, PlotMark::Kind::Controller);
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->lines[0].y1 + 15, 1000);
    EXPECT_EQ(ToUtf8(mark->label.text),
              "Частота контроллера не менее 40.85 кГц (пик усиления 16.34)");
}

TEST(TransferPlotGrid, NoPeakInRangeTakesTheLargestGainDrawnAndHasNoControllerMark) {
    // With a large kL and a small Q the gain still rises at 0.3·Fr.
    const TransferPlot p = Build(20, 0.1, 0.35, 0.9);
    ASSERT_TRUE(p.drawn);
    EXPECT_FALSE(p.peakFound);
    EXPECT_EQ(FindMark(p, PlotMark::Kind::Controller), nullptr);
    EXPECT_NE(FindMark(p, PlotMark::Kind::Fmin), nullptr);
    const int yTop = 2 * p.dy * p.ymax;
    int highest = 0;
    for (const PlotPoint& q : p.curve) highest = std::max(highest, q.y);
    // The grid holds the curve, and its top line is the first whole gain above it.
    EXPECT_LE(highest, yTop);
    EXPECT_GT(highest, yTop - 2 * p.dy);
    for (const PlotLabel& l : p.gridLabels) {
        EXPECT_EQ(ToUtf8(l.text).find("контроллера"), std::string::npos);
    }
}

// --- Every label inside the picture, none over another -------------------------

// About the proportions of the window's font: 17 units a character.
TextSize WindowMeasure(TextView text) {
    return {static_cast<int>(text.size()) * 17, 36};
}

std::vector<const PlotLabel*> AllLabels(const TransferPlot& p) {
    std::vector<const PlotLabel*> labels;
    for (const PlotLabel& l : p.gridLabels) labels.push_back(&l);
    for (const PlotMark& m : p.marks) labels.push_back(&m.label);
    return labels;
}

bool Inside(const PlotRect& r, const PlotRect& w) {
    return r.left >= w.left && r.right <= w.right && r.bottom >= w.bottom && r.top <= w.top;
}

bool Overlap(const PlotRect& a, const PlotRect& b) {
    return a.left < b.right && b.left < a.right && a.bottom < b.top && b.bottom < a.top;
}

PlotRect Span(const PlotLine& l) {
    return {std::min(l.x1, l.x2), std::max(l.y1, l.y2), std::max(l.x1, l.x2), std::min(l.y1, l.y2)};
}

struct LayoutCase {
    const char* name;
    double kL, Q, xMin, xMax;
    // The window's proportions, else the small test area (where a text of 20
    // units a character can be too long for any free place).
    bool windowSize;
    bool stale = false;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.name;
}

class TransferPlotLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(TransferPlotLayout, LabelsStayInsideThePictureAndApart) {
    const LayoutCase& c = GetParam();
    PlotOptions options;
    options.stale = c.stale;
    const TransferPlot p =
        c.windowSize
            ? BuildTransferPlot(c.kL, c.Q, c.xMin, c.xMax, 100, 2700, 1420, WindowMeasure, options)
            : BuildTransferPlot(c.kL, c.Q, c.xMin, c.xMax, 100, kW, kH, SimpleMeasure, options);
    ASSERT_TRUE(p.drawn);
    const std::vector<const PlotLabel*> labels = AllLabels(p);
    for (const PlotLabel* l : labels) {
        EXPECT_TRUE(Inside(l->rect, p.window)) << ToUtf8(l->text);
        EXPECT_GT(l->rect.Width(), 0) << ToUtf8(l->text);
    }
    for (size_t i = 0; i < labels.size(); ++i) {
        for (size_t j = i + 1; j < labels.size(); ++j) {
            EXPECT_FALSE(Overlap(labels[i]->rect, labels[j]->rect))
                << ToUtf8(labels[i]->text) << " / " << ToUtf8(labels[j]->text);
        }
    }
    // Every mark stands in the picture, and no mark's label lies over
    // another mark.
    EXPECT_EQ(p.marks.size(), 3u);
    for (const PlotMark& m : p.marks) {
        for (const PlotLine& l : m.lines) EXPECT_TRUE(Inside(Span(l), p.window));
        for (const PlotMark& other : p.marks) {
            if (&other == &m) continue;
            for (const PlotLine& l : other.lines) {
                EXPECT_FALSE(Overlap(m.label.rect, Span(l))) << ToUtf8(m.label.text);
            }
        }
    }
    // The gain axis is titled, above the grid.
    const PlotLabel* title = FindLabel(p, kGainAxisTitle);
    ASSERT_NE(title, nullptr);
    EXPECT_GE(title->rect.bottom, 2 * p.dy * p.ymax);
}

INSTANTIATE_TEST_SUITE_P(
    Designs, TransferPlotLayout,
    ::testing::Values(LayoutCase{"Default", 4.384, 0.4, 0.85, 1.1, true},
                      LayoutCase{"DefaultSmall", 4.384, 0.4, 0.85, 1.1, false},
                      // Peak gain 16.3 near 0.41·Fr, far above the grid's top at 10.
                      LayoutCase{"PeakAboveTheGrid", 5, 0.03, 0.8, 1.3, true},
                      LayoutCase{"PeakAboveTheGridStale", 5, 0.03, 0.8, 1.3, true, true},
                      LayoutCase{"CloseOperatingFrequencies", 4.384, 0.4, 0.95, 0.96, true},
                      LayoutCase{"CloseOperatingFrequenciesSmall", 4.384, 0.4, 0.95, 0.96, false},
                      LayoutCase{"EqualOperatingFrequencies", 4.384, 0.4, 1.0, 1.0, true},
                      LayoutCase{"MinimumNextToThePeak", 5, 0.4, 0.5, 0.52, true},
                      LayoutCase{"MaximumNearThreeTimesFr", 5, 0.4, 0.9, 2.95, true},
                      LayoutCase{"MaximumNearThreeTimesFrStale", 5, 0.4, 2.9, 2.95, true, true}),
    [](const ::testing::TestParamInfo<LayoutCase>& info) { return info.param.name; });

TEST(TransferPlotLayout, TheNoteOnEarlierInputsIsRedAndOnlyWhenAsked) {
    const Text note = u"Результаты не соответствуют исходным данным — нажмите «Рассчитать»";
    PlotOptions options;
    EXPECT_EQ(
        FindLabel(BuildTransferPlot(5, 0.4, 0.8, 1.3, 100, 2700, 1420, WindowMeasure, options),
                  note),
        nullptr);
    options.stale = true;
    const TransferPlot p =
        BuildTransferPlot(5, 0.4, 0.8, 1.3, 100, 2700, 1420, WindowMeasure, options);
    const PlotLabel* l = FindLabel(p, note);
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->colour, PlotColour::Red);
    // At the top right, above the grid.
    EXPECT_EQ(l->rect.right, p.window.right - 10);
    EXPECT_GT(l->rect.bottom, 2 * p.dy * p.ymax);
}

// --- Thin gain lines ---------------------------------------------------------------

struct ThinLineCase {
    int H;
    int minLineGap;
    int parts;  // thin lines per 0.5 of gain
};

class TransferPlotThinLines : public ::testing::TestWithParam<ThinLineCase> {};

TEST_P(TransferPlotThinLines, NeverLieCloserThanTheLeastGap) {
    const ThinLineCase& c = GetParam();
    PlotOptions options;
    options.minLineGap = c.minLineGap;
    // A grid up to gain 10: the thin lines lie closest.
    const TransferPlot p = BuildTransferPlot(5, 0.03, 0, 0, 100, kW, c.H, SimpleMeasure, options);
    ASSERT_TRUE(p.drawn);
    ASSERT_EQ(p.ymax, 10);
    EXPECT_EQ(p.thinParts, c.parts);
    std::vector<int> ys;
    for (const PlotLine& l : p.grid) {
        if (l.y1 == l.y2 && l.width == 1) ys.push_back(l.y1);
    }
    EXPECT_EQ(ys.size(), c.parts > 1 ? static_cast<size_t>(2 * 10 * c.parts + 1) : 0u);
    for (size_t i = 1; i < ys.size(); ++i) EXPECT_GE(ys[i] - ys[i - 1], c.minLineGap) << i;
}

INSTANTIATE_TEST_SUITE_P(Heights, TransferPlotThinLines,
                         ::testing::Values(ThinLineCase{kH, 10, 5},  // dy 50: every 0.1
                                           ThinLineCase{kH, 11, 2},  // every 0.25
                                           ThinLineCase{kH, 26, 1},  // thick lines only
                                           ThinLineCase{600, 10, 2}, ThinLineCase{350, 10, 1}));

// --- Marks that the calculation did not find ------------------------------------

TEST(TransferPlotMarks, MissingOperatingFrequencyHasNoMark) {
    const TransferPlot noMin = Build(5, 0.4, 0, 1.3);
    EXPECT_EQ(FindMark(noMin, PlotMark::Kind::Fmin), nullptr);
    EXPECT_NE(FindMark(noMin, PlotMark::Kind::Fmax), nullptr);
    EXPECT_NE(FindMark(noMin, PlotMark::Kind::Controller), nullptr);

    const TransferPlot noMax = Build(5, 0.4, 0.8, 0);
    EXPECT_NE(FindMark(noMax, PlotMark::Kind::Fmin), nullptr);
    EXPECT_EQ(FindMark(noMax, PlotMark::Kind::Fmax), nullptr);

    const TransferPlot neither = Build(5, 0.4, std::nan(""), -1);
    EXPECT_EQ(neither.marks.size(), 1u);
    EXPECT_FALSE(neither.curve.empty());
}

// --- No calculation yet, and other values without positions -------------------

struct DegenerateCase {
    const char* name;
    double kL, Q, xMin, xMax, Fr;
    int W, H;
};

void PrintTo(const DegenerateCase& c, std::ostream* os) {
    *os << c.name;
}

class TransferPlotDegenerate : public ::testing::TestWithParam<DegenerateCase> {};

bool Sane(int v) {
    return v > -2'000'000 && v < 2'000'000;
}

TEST_P(TransferPlotDegenerate, OnlyTheWhiteAreaWithSaneContent) {
    const DegenerateCase& c = GetParam();
    const TransferPlot p =
        BuildTransferPlot(c.kL, c.Q, c.xMin, c.xMax, c.Fr, c.W, c.H, SimpleMeasure);
    EXPECT_FALSE(p.drawn);
    EXPECT_TRUE(p.grid.empty());
    EXPECT_TRUE(p.gridLabels.empty());
    EXPECT_TRUE(p.curve.empty());
    EXPECT_TRUE(p.marks.empty());
    EXPECT_EQ(p.window.Width(), c.W);
    EXPECT_EQ(p.window.Height(), c.H);
    EXPECT_TRUE(Sane(p.window.left) && Sane(p.window.right));
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Cases, TransferPlotDegenerate,
    ::testing::Values(DegenerateCase{"NothingCalculated", 0, 0, 0, 0, 0, kW, kH},
                      DegenerateCase{"NoFr", 5, 0.4, 0.8, 1.3, 0, kW, kH},
                      DegenerateCase{"NoQ", 5, 0, 0.8, 1.3, 100, kW, kH},
                      DegenerateCase{"NoKL", 0, 0.4, 0.8, 1.3, 100, kW, kH},
                      DegenerateCase{"NaNKL", kNaN, 0.4, 0.8, 1.3, 100, kW, kH},
                      DegenerateCase{"InfiniteQ", 5, kInf, 0.8, 1.3, 100, kW, kH},
                      DegenerateCase{"NaNFr", 5, 0.4, 0.8, 1.3, kNaN, kW, kH},
                      DegenerateCase{"NegativeFr", 5, 0.4, 0.8, 1.3, -100, kW, kH},
                      DegenerateCase{"AreaNarrowerThanTheMargin", 5, 0.4, 0.8, 1.3, 100, 200, kH},
                      DegenerateCase{"AreaTooLowForAGridStep", 5, 0.4, 0.8, 1.3, 100, kW, 110},
                      DegenerateCase{"EmptyArea", 5, 0.4, 0.8, 1.3, 100, 0, 0}),
    [](const ::testing::TestParamInfo<DegenerateCase>& info) { return info.param.name; });

TEST(TransferPlotExtremes, HugeGainsStayFiniteAndLabelsShowNumbers) {
    // A vanishing Q makes the gain near 0.41 enormous; values near zero and
    // far beyond the range must still give sane co-ordinates and texts.
    for (double Q : {1e-12, 1e-300, 1e300}) {
        for (double kL : {1e-300, 5.0, 1e300}) {
            const TransferPlot p = Build(kL, Q, 1e-300, 1e300, 1e-300);
            for (const PlotPoint& q : p.curve) {
                ASSERT_TRUE(Sane(q.x) && Sane(q.y)) << Q << " " << kL;
            }
            for (const PlotLine& l : p.grid) {
                ASSERT_TRUE(Sane(l.x1) && Sane(l.y1) && Sane(l.x2) && Sane(l.y2));
            }
            std::vector<const PlotLabel*> labels;
            for (const PlotLabel& l : p.gridLabels) labels.push_back(&l);
            for (const PlotMark& m : p.marks) {
                labels.push_back(&m.label);
                for (const PlotLine& l : m.lines) ASSERT_TRUE(Sane(l.x1) && Sane(l.y1));
            }
            for (const PlotLabel* l : labels) {
                const std::string t = ToUtf8(l->text);
                EXPECT_EQ(t.find("nan"), std::string::npos) << t;
                EXPECT_EQ(t.find("inf"), std::string::npos) << t;
                EXPECT_TRUE(Sane(l->rect.left) && Sane(l->rect.top)) << t;
            }
            if (p.drawn) {
                EXPECT_LE(p.ymax, 10);
            }
        }
    }
}

}  // namespace
}  // namespace kelvara
