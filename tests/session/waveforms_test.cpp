// The waveforms of a finished design: both corners solved at the model's
// frequencies; the CSV's columns and rows; the picture's axes covering every
// trace, its marks at the turn-off instants, the dead-time bands as wide as
// td; a corner the model cannot solve says why and draws nothing.
#include "session/waveforms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "session/design_session.h"
#include "session/waveform_plot.h"
#include "support/data_root.h"

namespace kelvara {
namespace {

class Waveforms : public ::testing::Test {
  protected:
    void SetUp() override {
        s.SetProgramFolder(data.program());
        Messages m;
        ASSERT_TRUE(s.LoadWireTable(m));
        bool selected = false;
        ASSERT_TRUE(s.ApplyDesign(m, selected));
        ASSERT_TRUE(s.lastRun().completed());
    }
    DesignDocument Doc() const { return s.Document(true); }

    testing::DataRoot data;
    DesignSession s;
};

TEST_F(Waveforms, BothCornersAtTheFrequenciesOfTheCheck) {
    const DesignDocument d = Doc();
    const auto corners = WaveformsOf(d, 400);
    for (const CornerWaveform& c : corners) {
        SCOPED_TRACE(c.lowest ? "lowest" : "highest");
        ASSERT_TRUE(c.solved) << ToUtf8(c.problem);
        EXPECT_EQ(c.wave.t.size(), 400u);
        const CheckRow* row = d.check.Row(c.lowest ? "tdmin" : "tdmax");
        ASSERT_NE(row, nullptr);
        EXPECT_DOUBLE_EQ(c.corner.f, row->Number("fTd"));
        EXPECT_EQ(c.Uhb, c.lowest ? d.results.UhbMin : d.results.UhbMax);
        EXPECT_EQ(c.td, 200);
        // One period: the samples run from 0 to just short of 1/f.
        EXPECT_EQ(c.wave.t.front(), 0);
        EXPECT_LT(c.wave.t.back(), 1000 / c.corner.f);
    }
    EXPECT_LT(corners[0].corner.f, corners[1].corner.f);
}

TEST_F(Waveforms, CsvHasItsColumnsAndOneLinePerSampleOfEachCorner) {
    const auto corners = WaveformsOf(Doc(), 50);
    std::istringstream csv(WaveformsCsv(corners));
    std::string line;
    ASSERT_TRUE(std::getline(csv, line));
    EXPECT_EQ(line, "corner,t_us,v_mid_V,i_primary_A,i_magnetizing_A,v_cr_V,i_secondary_A");
    int min = 0, max = 0;
    while (std::getline(csv, line)) {
        EXPECT_EQ(std::count(line.begin(), line.end(), ','), 6) << line;
        EXPECT_EQ(line.find(' '), std::string::npos);
        (line.rfind("min,", 0) == 0 ? min : max) += 1;
        EXPECT_TRUE(line.rfind("min,", 0) == 0 || line.rfind("max,", 0) == 0) << line;
    }
    EXPECT_EQ(min, 50);
    EXPECT_EQ(max, 50);
    // The first line of a corner is its start: t = 0, the midpoint at the low rail.
    const std::string all = WaveformsCsv(corners);
    EXPECT_NE(all.find("\nmin,0,0,"), std::string::npos);
}

TEST_F(Waveforms, ThePictureCoversEveryTraceAndMarksTheTurnOffs) {
    const CornerWaveform c = WaveformsOf(Doc(), 300)[0];
    ASSERT_TRUE(c.solved);
    const WaveformPlot p = BuildWaveformPlot(c, 900, 600, EstimatedWaveMeasure());
    ASSERT_TRUE(p.drawn);
    ASSERT_EQ(p.panels.size(), 3u);
    EXPECT_DOUBLE_EQ(p.tMax, 1000 / c.corner.f);
    // Every point of every trace lies inside its panel: the scales cover the traces.
    ASSERT_EQ(p.curves.size(), 5u);
    for (const WaveCurve& curve : p.curves) {
        SCOPED_TRACE(ToUtf8(curve.name));
        const WavePanel& panel = p.panels[static_cast<size_t>(curve.panel)];
        ASSERT_EQ(curve.points.size(), 300u);
        for (const WavePoint& pt : curve.points) {
            EXPECT_GE(pt.x, panel.left - 1e-9);
            EXPECT_LE(pt.x, panel.right + 1e-9);
            EXPECT_GE(pt.y, panel.top - 1e-9);
            EXPECT_LE(pt.y, panel.bottom + 1e-9);
        }
    }
    // The panels stand one below the other inside the picture, on one time axis.
    for (size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(p.panels[k].left, p.panels[0].left);
        EXPECT_EQ(p.panels[k].right, p.panels[0].right);
        if (k > 0) {
            EXPECT_GT(p.panels[k].top, p.panels[k - 1].bottom);
        }
    }
    EXPECT_LE(p.panels.back().bottom, p.height);
    EXPECT_GT(p.panels[0].y2Max, 0);  // the currents' axis
    // A mark at each turn-off instant: t = 0 and half a period.
    std::vector<double> marks;
    for (const WaveLine& m : p.marks) marks.push_back(p.TimeAt(m.x1));
    ASSERT_EQ(marks.size(), 2u);
    std::sort(marks.begin(), marks.end());
    EXPECT_NEAR(marks[0], 0, 1e-9);
    EXPECT_NEAR(marks[1], p.tMax / 2, 1e-6);
    // The dead time's bands are td wide (200 ns), at the turn-offs.
    const double width = p.XOf(0.2) - p.XOf(0);
    int deadTimes = 0;
    for (const WaveRect& r : p.bands) {
        if (r.colour != wave::kDeadTime) continue;
        ++deadTimes;
        EXPECT_NEAR(r.w, width, 1e-9);
    }
    EXPECT_EQ(deadTimes, 6);  // two dead times in each of three panels
    // The picture in SVG: one polyline per trace, well-formed texts.
    const std::string svg = WaveformPlotSvg(p);
    size_t polylines = 0;
    for (size_t at = svg.find("<polyline"); at != std::string::npos;
         at = svg.find("<polyline", at + 1))
        ++polylines;
    EXPECT_EQ(polylines, 5u);
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
}

TEST_F(Waveforms, TheCursorFindsTheNearestSample) {
    const CornerWaveform c = WaveformsOf(Doc(), 100)[1];
    ASSERT_TRUE(c.solved);
    const double dt = c.wave.t[1] - c.wave.t[0];
    EXPECT_EQ(SampleNearest(c, -5), 0);
    EXPECT_EQ(SampleNearest(c, 10 * dt + 0.4 * dt), 10);
    EXPECT_EQ(SampleNearest(c, 10 * dt + 0.6 * dt), 11);
    EXPECT_EQ(SampleNearest(c, 1e9), 99);
    EXPECT_EQ(SampleNearest(CornerWaveform{}, 1), -1);
}

TEST_F(Waveforms, ACornerTheModelCannotUseSaysWhyAndDrawsNothing) {
    s.inputs().tdead = u"-1";
    s.Calculate();
    const auto corners = WaveformsOf(Doc());
    for (const CornerWaveform& c : corners) {
        EXPECT_FALSE(c.solved);
        EXPECT_NE(c.problem.find(u"Мертвое время td задано неверно"), Text::npos);
        const WaveformPlot p = BuildWaveformPlot(c, 900, 600, EstimatedWaveMeasure());
        EXPECT_FALSE(p.drawn);
        ASSERT_EQ(p.texts.size(), 2u);
        EXPECT_EQ(p.texts[1].text, c.problem);
    }
    EXPECT_EQ(WaveformsCsv(corners),
              "corner,t_us,v_mid_V,i_primary_A,i_magnetizing_A,v_cr_V,i_secondary_A\n");
    EXPECT_EQ(SpiceNetlistOf(Doc()), "");
}

// The picture's first line names the corner in the language on.
TEST_F(Waveforms, TheTitleNamesTheCornerInTheLanguageOn) {
    const auto corners = WaveformsOf(Doc(), 50);
    struct Case {
        size_t corner;
        Language language;
        std::u16string_view title;  // the line up to the frequency's digits
    };
    const Case cases[] = {
        {0, Language::Russian, u"Минимальное напряжение питания: fTd "},
        {1, Language::Russian, u"Максимальное напряжение питания: fTd "},
        {0, Language::English, u"fTd "},
        {1, Language::English, u"fTd "},
    };
    for (const Case& k : cases) {
        SetLanguage(k.language);
        const WaveformPlot p =
            BuildWaveformPlot(corners[k.corner], 900, 600, EstimatedWaveMeasure());
        const Text corner = k.corner == 0 ? Tr(u"Минимальное напряжение питания")
                                          : Tr(u"Максимальное напряжение питания");
        SetLanguage(Language::Russian);
        ASSERT_FALSE(p.texts.empty());
        const Text& title = p.texts[0].text;
        EXPECT_EQ(title.rfind(k.title, 0), 0u) << ToUtf8(title);
        EXPECT_NE(title.find(corner), Text::npos) << ToUtf8(title);
        EXPECT_NE(title.find(FormatFixed(corners[k.corner].corner.f, 2)), Text::npos);
    }
}

// The cursor's line: the values of one sample, in the C locale, at the
// digits of each quantity; nothing for a sample the corner lacks.
TEST(WaveformTexts, TheCursorLineHoldsTheSamplesValues) {
    CornerWaveform c;
    c.solved = true;
    c.wave.t = {0, 1.23456};
    c.wave.vMid = {0, 399.96};
    c.wave.iLr = {0, -1.2346};
    c.wave.iLm = {0, 0.5};
    c.wave.vCr = {0, -123.46};
    c.wave.iSec = {0, 2.0004};
    struct Case {
        int sample;
        Language language;
        std::u16string_view want;
    };
    const Case cases[] = {
        {1, Language::Russian,
         u"t = 1.235 мкс:  Uср.т. 400.0 В,  Iперв. -1.235 А,  Iнамагн. 0.500 А,  UCr -123.5 В,  "
         u"Iвтор. 2.000 А"},
        {1, Language::English,
         u"t = 1.235 µs:  Vmid 400.0 V,  Ipri -1.235 A,  Imag 0.500 A,  VCr -123.5 V,  Isec "
         u"2.000 A"},
        {0, Language::Russian,
         u"t = 0.000 мкс:  Uср.т. 0.0 В,  Iперв. 0.000 А,  Iнамагн. 0.000 А,  UCr 0.0 В,  "
         u"Iвтор. 0.000 А"},
        {-1, Language::Russian, u""},
        {2, Language::Russian, u""},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.sample);
        SetLanguage(k.language);
        const Text text = WaveformCursorText(c, k.sample);
        SetLanguage(Language::Russian);
        EXPECT_EQ(text, k.want);
    }
    // A trace shorter than the time axis gives no line rather than reading past it.
    c.wave.iSec.pop_back();
    EXPECT_EQ(WaveformCursorText(c, 1), u"");
}

TEST(WaveformTexts, TheSummaryTellsTheCornersModeAndSwing) {
    CornerWaveform c;
    c.solved = true;
    c.corner.f = 91.234;
    c.corner.iOff = 0.456;
    c.corner.i1Rms = 1.234;
    c.corner.i1Peak = 2.346;
    c.corner.B = 0.1234;
    struct Case {
        bool above, continuous, swing;
        Language language;
        std::u16string_view want;
    };
    const Case cases[] = {
        {true, true, true, Language::Russian,
         u"fTd 91.23 кГц (выше резонанса, ток выпрямителя непрерывный); ток выключения 0.46 А, "
         u"перезаряд за мертвое время завершается; ток первичной обмотки 1.23 А действ., 2.35 А "
         u"пик; индукция 0.123 T. Серые полосы — мертвое время, розовые — перезаряд средней "
         u"точки; красные линии — выключение транзисторов."},
        {false, false, false, Language::Russian,
         u"fTd 91.23 кГц (ниже резонанса, ток выпрямителя прерывистый); ток выключения 0.46 А, "
         u"перезаряд не завершается: жесткое переключение; ток первичной обмотки 1.23 А действ., "
         u"2.35 А пик; индукция 0.123 T. Серые полосы — мертвое время, розовые — перезаряд "
         u"средней точки; красные линии — выключение транзисторов."},
        {false, true, false, Language::English,
         u"fTd 91.23 kHz (below resonance, rectifier current continuous); turn-off current 0.46 "
         u"A, the midpoint swing does not complete: hard switching; primary current 1.23 A RMS, "
         u"2.35 A peak; flux density 0.123 T. Grey bands: dead time; pink: the midpoint swing; "
         u"red lines: transistor turn-off."},
    };
    for (const Case& k : cases) {
        c.corner.aboveResonance = k.above;
        c.corner.continuous = k.continuous;
        c.corner.swingComplete = k.swing;
        SetLanguage(k.language);
        const Text text = WaveformSummary(c);
        SetLanguage(Language::Russian);
        EXPECT_EQ(text, k.want);
    }
    CornerWaveform unsolved;
    unsolved.problem = u"Мертвое время td задано неверно";
    EXPECT_EQ(WaveformSummary(unsolved), unsolved.problem);
}

}  // namespace
}  // namespace kelvara
