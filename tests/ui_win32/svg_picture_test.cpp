// Reading the SVG subset of the program's pictures and the report's figures.
#include "ui_win32/svg_picture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "session/report.h"
#include "session/winding_picture.h"

namespace kelvara::svg {
namespace {

struct ColourCase {
    const char* text;
    bool ok;
    unsigned rgb;
};

TEST(SvgColour, ReadsHexAndNamedColours) {
    const ColourCase cases[] = {
        {"#1a5cb0", true, 0x1A5CB0}, {"#FFF", true, 0xFFFFFF}, {" #000000 ", true, 0},
        {"red", true, 0xFF0000},     {"#12345", false, 0},     {"#ggg", false, 0},
        {"none", false, 0},          {"", false, 0},
    };
    for (const ColourCase& c : cases) {
        unsigned rgb = 0xABCDEF;
        EXPECT_EQ(ParseColour(c.text, rgb), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(rgb, c.rgb) << c.text;
        }
    }
}

TEST(SvgNumbers, AreReadInTheCLocaleWithAnySeparators) {
    EXPECT_EQ(ParseNumbers("1,2 3.5-4e1 +.5"), (std::vector<double>{1, 2, 3.5, -40, 0.5}));
    EXPECT_EQ(ParseNumbers("  "), std::vector<double>{});
    // Reading stops at what is no number.
    EXPECT_EQ(ParseNumbers("7 8 x 9"), (std::vector<double>{7, 8}));
}

TEST(SvgPath, ReadsAbsoluteAndRelativeCommands) {
    const Path p = ParsePathData("M7,7 H57 V40 h-50 z m10 10 l5 0 5 5 C1,2 3,4 5,6");
    using Op = Path::Op;
    const std::vector<Op> ops = {Op::Move, Op::Line, Op::Line, Op::Line, Op::Close,
                                 Op::Move, Op::Line, Op::Line, Op::Cubic};
    EXPECT_EQ(p.ops, ops);
    const std::vector<double> points = {7,  7,  57, 7,  57, 40, 7, 40,  // the frame
                                        17, 17, 22, 17, 27, 22,         // after "z" from (7, 7)
                                        1,  2,  3,  4,  5,  6};
    EXPECT_EQ(p.points, points);
}

TEST(SvgPath, ArcsBecomeCurvesEndingAtTheirEndPoints) {
    // Half a circle of radius 5 from (0, 0) to (10, 0): two quarter curves
    // whose middle point lies 5 below (sweep 0) the chord.
    const Path p = ParsePathData("M0,0 A5,5 0 0 0 10,0");
    ASSERT_EQ(p.ops.size(), 3u);
    EXPECT_EQ(p.ops[1], Path::Op::Cubic);
    EXPECT_EQ(p.ops[2], Path::Op::Cubic);
    EXPECT_NEAR(p.points[6], 5, 1e-9);  // the first curve's end
    EXPECT_NEAR(std::fabs(p.points[7]), 5, 1e-9);
    EXPECT_DOUBLE_EQ(p.points[12], 10);  // the arc's end, exactly
    EXPECT_DOUBLE_EQ(p.points[13], 0);
    // The other sweep bends to the other side.
    const Path q = ParsePathData("M0,0 a5,5 0 0 1 10,0");
    EXPECT_NEAR(q.points[7], -p.points[7], 1e-9);
    // Radii too small for the points grow; a zero radius is a line.
    const Path r = ParsePathData("M0,0 A1,1 0 0 1 10,0");
    EXPECT_DOUBLE_EQ(r.points[r.points.size() - 2], 10);
    EXPECT_EQ(ParsePathData("M0,0 A0,3 0 0 1 4,0").ops.back(), Path::Op::Line);
}

TEST(SvgDocument, ShapesInheritTheirGroupsAttributes) {
    // clang-format off
    const Picture p = Parse(R"svg(<?xml version="1.0"?>
<svg xmlns="http://www.w3.org/2000/svg" width="150" height="117" viewBox="0 0 150 117">
  <title>t &amp; <ignored/></title>
  <!-- a comment <rect/> -->
  <defs><linearGradient id="g" x1="1" y1="0" x2="9" y2="0">
    <stop offset="0" stop-color="#000000"/><stop offset="50%" stop-color="#ffffff"/>
  </linearGradient></defs>
  <g stroke="#1e2328" stroke-width="1.3" fill="#c8ced5">
    <polygon points="0,0 10,0 10,10"/>
    <rect x="1" y="2" width="3" height="4" fill="url(#g)" stroke="none"/>
    <line x1="0" y1="0" x2="5" y2="5" stroke-dasharray="9,2"/>
  </g>
  <g font-family="DejaVu Sans, 'Liberation Sans', sans-serif" font-size="12" font-weight="bold">
    <text x="67" y="110.5" text-anchor="middle">  A&lt;B
       &#x41f;  </text>
  </g>
  <circle cx="5" cy="5" r="0"/>
</svg>)svg");
    // clang-format on
    ASSERT_TRUE(p.valid);
    EXPECT_EQ(p.width, 150);
    EXPECT_EQ(p.viewHeight, 117);
    ASSERT_EQ(p.gradients.size(), 1u);
    ASSERT_EQ(p.gradients[0].stops.size(), 2u);
    EXPECT_EQ(p.gradients[0].stops[1].offset, 0.5);
    EXPECT_EQ(p.gradients[0].stops[1].rgb, 0xFFFFFFu);
    ASSERT_EQ(p.elements.size(), 4u);  // the empty circle is none
    const Element& polygon = p.elements[0];
    EXPECT_EQ(polygon.style.fill.rgb, 0xC8CED5u);
    EXPECT_EQ(polygon.style.stroke.rgb, 0x1E2328u);
    EXPECT_DOUBLE_EQ(polygon.style.strokeWidth, 1.3);
    EXPECT_EQ(polygon.path.ops.back(), Path::Op::Close);
    const Element& rect = p.elements[1];
    EXPECT_EQ(rect.style.fill.kind, Paint::Kind::Gradient);
    EXPECT_EQ(rect.style.stroke.kind, Paint::Kind::None);
    const Element& line = p.elements[2];
    EXPECT_EQ(line.style.fill.kind, Paint::Kind::None);  // lines are never filled
    EXPECT_EQ(line.style.dashes, (std::vector<double>{9, 2}));
    const Element& text = p.elements[3];
    EXPECT_EQ(text.kind, Element::Kind::Text);
    EXPECT_EQ(text.text, u"A<B П");
    EXPECT_EQ(text.style.anchor, Anchor::Middle);
    EXPECT_TRUE(text.style.bold);
    EXPECT_EQ(text.style.fontFamilies,
              (std::vector<std::string>{"DejaVu Sans", "Liberation Sans", "sans-serif"}));
    EXPECT_DOUBLE_EQ(text.y, 110.5);
}

TEST(SvgDocument, WithoutASizeThereIsNoPicture) {
    EXPECT_FALSE(Parse("").valid);
    EXPECT_FALSE(Parse("<svg></svg>").valid);
    EXPECT_FALSE(Parse("<html><rect width='1' height='1'/></html>").valid);
    const Picture mm = Parse(R"(<svg viewBox="0 0 100 50" width="254mm" height="127mm"/>)");
    ASSERT_TRUE(mm.valid);
    EXPECT_DOUBLE_EQ(mm.width, 960);
}

std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every picture of the program reads whole: a shape or text for each of its
// drawing elements.
TEST(SvgDocument, EveryResourcePictureReadsWhole) {
    const std::filesystem::path dir = std::filesystem::path(KELVARA_SOURCE_DIR) / "resources";
    int pictures = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (entry.path().extension() != ".svg") continue;
        ++pictures;
        SCOPED_TRACE(entry.path().filename().string());
        const std::string text = ReadFile(entry.path());
        const Picture p = Parse(text);
        ASSERT_TRUE(p.valid);
        size_t drawn = 0;
        for (const char* tag :
             {"<rect", "<circle", "<ellipse", "<line", "<polyline", "<polygon", "<path", "<text"}) {
            const size_t n = std::string_view(tag).size();
            for (size_t at = text.find(tag); at != std::string::npos; at = text.find(tag, at + 1)) {
                // "<line" is no "<linearGradient".
                if (at + n < text.size() && (text[at + n] == ' ' || text[at + n] == '\n')) ++drawn;
            }
        }
        EXPECT_EQ(p.elements.size(), drawn);
        for (const Element& e : p.elements) {
            if (e.style.fill.kind == Paint::Kind::Gradient) {
                EXPECT_LT(e.style.fill.gradient, static_cast<int>(p.gradients.size()));
            }
        }
    }
    EXPECT_EQ(pictures, 9);
}

// The report's figures: the transfer characteristic and the windings.
TEST(SvgDocument, TheReportsFiguresRead) {
    DesignResults r;
    r.calculated = true;
    r.kLact = 4.384;
    r.Qact = 0.434;
    r.Fr = 100;
    r.xMinFound = r.xMaxFound = true;
    r.xMin = 0.6721;
    r.xMax = 1.0325;
    const std::string plot = TransferPlotSvg(ReportPlot(r));
    ASSERT_FALSE(plot.empty());
    const Picture p = Parse(plot);
    ASSERT_TRUE(p.valid);
    int texts = 0;
    for (const Element& e : p.elements) {
        if (e.kind != Element::Kind::Text) continue;
        ++texts;
        EXPECT_TRUE(e.style.centralBaseline);
    }
    EXPECT_GT(texts, 10);
}

}  // namespace
}  // namespace kelvara::svg
