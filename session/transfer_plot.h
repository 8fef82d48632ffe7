// The picture of the transfer-characteristic window ("Передаточная
// характеристика") as a list of drawing primitives, without any toolkit:
// the gain grid on a logarithmic frequency axis from 0.3·Fr to 3·Fr, the
// gain curve, and the marks of the controller, minimum and maximum
// frequencies. The window only converts the primitives to pixels.
//
// Co-ordinates are logical units of 0.1 mm with y pointing up. x = 0 is where
// 0.1·Fr would lie and y = 0 is gain 0. Every position is a whole number of
// units, truncated toward zero.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "refdata/i18n.h"
#include "refdata/text.h"

namespace kelvara {

enum class PlotColour { Black, Blue, Red, Green };

struct PlotPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PlotPoint&, const PlotPoint&) = default;
};

struct PlotLine {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int width = 1;  // pen width, logical units
    PlotColour colour = PlotColour::Black;
};

// A rectangle in logical units with y up: top >= bottom.
struct PlotRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return top - bottom; }
};

// Which edge of its rectangle the placement rule fixes. The rectangle is
// exactly as large as the text, so the text fills it; the window aligns the
// text to this edge (and centres it vertically) so that a text rendered a
// pixel wider or narrower than measured still keeps the fixed edge.
enum class LabelAlign { Left, Centre, Right };

// Texts are drawn on an opaque white background, in the one font of the
// picture; black but for the note on results of earlier inputs.
struct PlotLabel {
    Text text;
    PlotRect rect;
    LabelAlign align = LabelAlign::Centre;
    PlotColour colour = PlotColour::Black;
};

// One red frequency mark: its lines (a short vertical stroke, or a cross) and
// its label, drawn in this order.
struct PlotMark {
    enum class Kind { Controller, Fmin, Fmax, FtdMin, FtdMax };
    Kind kind = Kind::Controller;
    std::vector<PlotLine> lines;
    PlotLabel label;
};

struct TextSize {
    int width = 0;   // logical units
    int height = 0;  // logical units
};
// Measures a text in the picture's font, in logical units.
using TextMeasure = std::function<TextSize(TextView text)>;

struct TransferPlot {
    // The part of the co-ordinate system shown in the drawing area:
    // x from x3 − 100 to x3 − 100 + W, y from −50 to H − 50.
    PlotRect window;

    // Drawing order: grid lines, grid labels, curve, marks. Every label lies
    // inside the shown part and no two labels overlap.
    std::vector<PlotLine> grid;         // black
    std::vector<PlotLabel> gridLabels;  // axis and gain labels, the gain title, the note
    std::vector<PlotPoint> curve;       // blue polyline, width kCurveWidth
    std::vector<PlotMark> marks;        // controller, Fmin, Fmax, then the time-domain fTd

    // False when there is nothing to draw but the white area: no calculation
    // yet (kL, Q or Fr zero, negative or not finite) or a drawing area too
    // small for a scale.
    bool drawn = false;

    // The computed values.
    int scale = 0;                // logical units per decade of frequency
    int x3 = 0, x5 = 0, x30 = 0;  // positions of 0.3·Fr, 0.5·Fr and 3·Fr
    int ymax = 0;                 // the grid reaches gain ymax
    int dy = 0;                   // height of 0.5 gain units
    double xPk = 0, GPk = 0;      // the step just below the gain peak and its gain
    double GLast = 0;             // gain at the last x of the peak search
    bool peakFound = false;
    // The peak lies above the top of the grid: the controller mark stands on
    // the grid's top line and its label gives the peak's gain.
    bool peakAboveGrid = false;
    // Thin gain lines per thick step of 0.5: 5 (every 0.1), 2 (every 0.25)
    // or 1 (none between the thick ones).
    int thinParts = 0;
};

// How the picture is to be made beyond its data.
struct PlotOptions {
    // The least distance of two thin gain lines, logical units; finer steps
    // are left out, so the lines never run together.
    int minLineGap = 10;
    // The results belong to earlier inputs: the picture says so.
    bool stale = false;
    // The operating frequencies of the time-domain model at the lowest and
    // the highest supply, divided by Fr (0: none): green marks on the curve
    // beside the first-harmonic Fmin and Fmax.
    double xTdMin = 0;
    double xTdMax = 0;
};

inline constexpr PlotColour kCurveColour = PlotColour::Blue;
inline constexpr int kCurveWidth = 3;
// Height of the picture's font, logical units.
inline constexpr int kPlotFontHeight = 35;
// The title of the gain axis, above the grid's top left corner.
inline constexpr std::u16string_view kGainAxisTitle = KELVARA_TR_NOOP(u"Коэффициент передачи");

// Builds the picture for the inductance ratio kL and quality factor Q of the
// last calculation, its normalised operating frequencies xMin and xMax (0 when
// not found) and its resonant frequency Fr (kHz), in a drawing area of W × H
// logical units.
TransferPlot BuildTransferPlot(double kL, double Q, double xMin, double xMax, double Fr, int W,
                               int H, const TextMeasure& measure, const PlotOptions& options = {});

}  // namespace kelvara
