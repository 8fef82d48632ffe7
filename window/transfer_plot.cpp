#include "window/transfer_plot.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "calc/gain.h"

namespace kelvara {
namespace {

// Co-ordinates are held within ±kCoordLimit units (100 m), far outside any
// drawing area. A point further out (a gain that grows without bound) is
// pulled back to the limit: the visible part of a line to it keeps its course
// to within a unit, and no integer ever overflows.
constexpr double kCoordLimit = 1'000'000;
// Largest drawing area side that is drawn at all.
constexpr int kMaxArea = 1'000'000;

// The peak search runs from 3.0 down to 0.3 in steps of 0.0001, the curve
// from 0.3 up to 3.0 in steps of 0.001.
constexpr double kSearchStart = 3.0;
constexpr double kSearchEnd = 0.3;
constexpr double kSearchStep = 0.0001;
constexpr double kCurveStart = 0.3;
constexpr double kCurveEnd = 3.0;
constexpr double kCurveStep = 0.001;

constexpr int kThickPen = 5;
constexpr int kThinPen = 1;
constexpr int kMarkHalf = 15;  // half the length of a mark's strokes
constexpr int kLabelGap = 20;  // distance of a label from what it names
constexpr int kAxisLabelTop = -10;

// The whole part of v (truncation toward zero) as a co-ordinate; nothing
// when v is undefined (NaN).
std::optional<int> Coord(double v) {
    if (std::isnan(v)) return std::nullopt;
    if (v >= kCoordLimit) return static_cast<int>(kCoordLimit);
    if (v <= -kCoordLimit) return -static_cast<int>(kCoordLimit);
    return static_cast<int>(v);
}

bool Usable(double v) {
    return std::isfinite(v) && v > 0;
}

// The grid reaches the whole part of the gain plus 1, at most 10.
int GridTop(double gain) {
    return gain < 9.0 ? static_cast<int>(gain) + 1 : 10;
}

class Builder {
  public:
    Builder(double kL, double Q, double Fr, const TextMeasure& measure, TransferPlot& plot)
        : kL_(kL), Q_(Q), Fr_(Fr), measure_(measure), plot_(plot) {}

    // X(f): the whole part of log10(10·f/Fr)·scale.
    std::optional<int> X(double f) const { return Coord(std::log10(10 * f / Fr_) * plot_.scale); }
    // The height of gain g: the whole part of 2·dy·g.
    std::optional<int> Y(double g) const { return Coord(static_cast<double>(2 * plot_.dy) * g); }
    double Gain(double x) const { return kelvara::Gain(x, Q_, kL_); }

    TextSize Measure(const Text& text) const {
        TextSize s = measure_ ? measure_(text) : TextSize{};
        s.width = std::clamp(s.width, 0, static_cast<int>(kCoordLimit));
        s.height = std::clamp(s.height, 0, static_cast<int>(kCoordLimit));
        return s;
    }

    // Labels, named by the edges their placement fixes (y up).
    PlotLabel LeftTop(Text text, int left, int top) const {
        const TextSize s = Measure(text);
        return {std::move(text), {left, top, left + s.width, top - s.height}, LabelAlign::Left};
    }
    PlotLabel LeftBottom(Text text, int left, int bottom) const {
        const TextSize s = Measure(text);
        return {
            std::move(text), {left, bottom + s.height, left + s.width, bottom}, LabelAlign::Left};
    }
    PlotLabel CentreTop(Text text, int centre, int top) const {
        const TextSize s = Measure(text);
        const int left = centre - s.width / 2;
        return {std::move(text), {left, top, left + s.width, top - s.height}, LabelAlign::Centre};
    }
    PlotLabel LeftMiddle(Text text, int left, int middle) const {
        const TextSize s = Measure(text);
        const int top = middle + s.height / 2;
        return {std::move(text), {left, top, left + s.width, top - s.height}, LabelAlign::Left};
    }
    PlotLabel RightMiddle(Text text, int right, int middle) const {
        const TextSize s = Measure(text);
        const int top = middle + s.height / 2;
        return {std::move(text), {right - s.width, top, right, top - s.height}, LabelAlign::Right};
    }

    void GridLine(int x1, int y1, int x2, int y2, int width) {
        plot_.grid.push_back({x1, y1, x2, y2, width, PlotColour::Black});
    }
    // A vertical grid line at frequency f from gain 0 to the top of the grid.
    std::optional<int> FrequencyLine(double f, int width, int yTop) {
        const std::optional<int> x = X(f);
        if (x) GridLine(*x, 0, *x, yTop, width);
        return x;
    }

  private:
    double kL_, Q_, Fr_;
    const TextMeasure& measure_;
    TransferPlot& plot_;
};

PlotLine RedLine(int x1, int y1, int x2, int y2) {
    return {x1, y1, x2, y2, kThickPen, PlotColour::Red};
}

}  // namespace

TransferPlot BuildTransferPlot(double kL, double Q, double xMin, double xMax, double Fr, int W,
                               int H, const TextMeasure& measure) {
    TransferPlot plot;
    const bool areaUsable = W > 0 && H > 0 && W <= kMaxArea && H <= kMaxArea;
    Builder b(kL, Q, Fr, measure, plot);

    // Horizontal scale: W − 250 units per decade (log10(10) = 1).
    if (areaUsable) plot.scale = Coord((W - 250) / std::log10(10.0)).value_or(0);
    // Before any calculation (kL, Q or Fr zero) nothing but the white area has
    // a position: every frequency position needs Fr and every height needs the
    // gain. A calculation that went to its end always gives positive, finite
    // values. A drawing area narrower than 250 units has no scale.
    const bool positionsExist = areaUsable && Usable(Fr) && plot.scale > 0;
    if (positionsExist) {
        plot.x3 = b.X(0.3 * Fr).value_or(0);
        plot.x5 = b.X(0.5 * Fr).value_or(0);
        plot.x30 = b.X(3 * Fr).value_or(0);
    }
    plot.window = {plot.x3 - 100, H - 50, plot.x3 - 100 + W, -50};
    if (!positionsExist || !Usable(kL) || !Usable(Q)) return plot;

    // Peak search over [0.3, 3], going down from 3: the first x at which the
    // gain falls again is the step just below the peak.
    double gPrev = b.Gain(kSearchStart);
    double x = kSearchStart;
    do {
        const double g = b.Gain(x);
        if (!plot.peakFound && gPrev > g) {
            plot.xPk = x;
            plot.GPk = g;
            plot.peakFound = true;
        }
        gPrev = g;
        plot.GLast = g;
        x = x - kSearchStep;
    } while (x >= kSearchEnd);

    // The curve's gains: from the last gain of the search, then 0.3 … 3.0.
    std::vector<std::pair<double, double>> curve;  // x, gain
    curve.reserve(2702);
    curve.emplace_back(0.0, plot.GLast);
    for (double xc = kCurveStart; xc <= kCurveEnd; xc = xc + kCurveStep) {
        curve.emplace_back(xc, b.Gain(xc));
    }

    // Gain scale. Without a peak in [0.3, 3] (the gain still rises at 0.3·Fr)
    // the grid is made to hold the largest gain drawn, and there is no
    // controller mark.
    double top = plot.GPk;
    if (!plot.peakFound) {
        top = 0;
        for (const auto& p : curve) top = std::max(top, p.second);
    }
    plot.ymax = GridTop(top);
    plot.dy = 5 * ((((H - 100) / 2) / plot.ymax) / 5);
    // A drawing area too low for a grid step shows nothing.
    if (plot.dy <= 0) return plot;
    plot.drawn = true;
    const int yTop = 2 * plot.dy * plot.ymax;

    // The resonant frequency, thick.
    b.FrequencyLine(Fr, kThickPen, yTop);

    // Axis labels.
    plot.gridLabels.push_back(
        b.LeftTop(FormatFixed(0.3, 1) + u"*Fr", plot.x3 - kLabelGap, kAxisLabelTop));
    plot.gridLabels.push_back(b.CentreTop(u"0.5*Fr", plot.x5, kAxisLabelTop));
    plot.gridLabels.push_back(b.LeftBottom(u"Частота", plot.x30 + kLabelGap, kAxisLabelTop));

    // Thick lines every 0.5 of gain, with their values.
    for (int i = 0; i <= 2 * plot.ymax; ++i) {
        const int y = i * plot.dy;
        b.GridLine(plot.x3, y, plot.x30, y, kThickPen);
        plot.gridLabels.push_back(b.RightMiddle(FormatFixed(0.5 * i, 1), plot.x3 - kLabelGap, y));
    }
    // Thin lines every 0.1 of gain.
    for (int i = 0; i <= 10 * plot.ymax; ++i) {
        const int y = (i * plot.dy) / 5;
        b.GridLine(plot.x3, y, plot.x30, y, kThinPen);
    }
    // Thin frequency lines at 0.3 … 1.0 ·Fr, then at 1, 2 and 3 ·Fr with labels.
    for (int v = 3; v <= 10; ++v) b.FrequencyLine(v * 0.1 * Fr, kThinPen, yTop);
    for (int v = 1; v <= 3; ++v) {
        const std::optional<int> xv = b.FrequencyLine(v * Fr, kThinPen, yTop);
        if (!xv) continue;
        Text text = v == 1 ? u"Fr=" + FormatFixed(Fr, 1) + u" кГц" : FormatFixed(v, 0) + u"*Fr";
        plot.gridLabels.push_back(b.CentreTop(std::move(text), *xv, kAxisLabelTop));
    }

    // The curve. A point without a defined height (never for positive,
    // finite kL and Q) is left out.
    plot.curve.reserve(curve.size());
    bool first = true;
    for (const auto& [xc, g] : curve) {
        const std::optional<int> px = first ? std::optional<int>(plot.x3) : b.X(xc * Fr);
        first = false;
        const std::optional<int> py = b.Y(g);
        if (px && py) plot.curve.push_back({*px, *py});
    }

    // The controller frequency: the lowest frequency the controller may reach.
    if (plot.peakFound) {
        const std::optional<int> xp = b.X(plot.xPk * Fr);
        const std::optional<int> yp = b.Y(plot.GPk);
        if (xp && yp) {
            PlotMark mark;
            mark.kind = PlotMark::Kind::Controller;
            mark.lines.push_back(RedLine(*xp, *yp - kMarkHalf, *xp, *yp + kMarkHalf));
            mark.label = b.LeftBottom(
                u"Частота контроллера не менее " + FormatFixed(plot.xPk * Fr, 2) + u" кГц",
                *xp - kLabelGap, *yp + kMarkHalf);
            plot.marks.push_back(std::move(mark));
        }
    }

    // The operating frequencies at the lowest and the highest supply; a
    // frequency the calculation did not find (0) has no mark.
    const auto cross = [&](double xf, PlotMark::Kind kind, std::u16string_view name,
                           std::u16string_view supply) {
        if (!Usable(xf)) return;
        const std::optional<int> xm = b.X(xf * Fr);
        const std::optional<int> ym = b.Y(b.Gain(xf));
        if (!xm || !ym) return;
        PlotMark mark;
        mark.kind = kind;
        mark.lines.push_back(RedLine(*xm, *ym - kMarkHalf, *xm, *ym + kMarkHalf));
        mark.lines.push_back(RedLine(*xm - kMarkHalf, *ym, *xm + kMarkHalf, *ym));
        mark.label =
            b.LeftMiddle(Text(name) + FormatFixed(xf * Fr, 2) + u" кГц (" + Text(supply) + u")",
                         *xm + kLabelGap, *ym);
        plot.marks.push_back(std::move(mark));
    };
    cross(xMin, PlotMark::Kind::Fmin, u"Fmin=", u"Минимальное напряжение питания");
    cross(xMax, PlotMark::Kind::Fmax, u"Fmax=", u"Максимальное напряжение питания");
    return plot;
}

}  // namespace kelvara
