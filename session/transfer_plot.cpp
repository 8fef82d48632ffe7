#include "session/transfer_plot.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>

#include "calc/gain.h"
#include "session/messages.h"

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
constexpr int kNoteMargin = 10;   // between the note and the picture's corner
constexpr int kLabelSpacing = 4;  // between labels moved out of each other's way
constexpr int kTitleGap = 8;      // between the gain axis's title and the grid's top line
// How far a mark's label may be moved up or down, in label heights, and how
// far it goes to keep clear of the curve.
constexpr int kMaxLabelSteps = 8;
constexpr int kNearSteps = 2;

bool Overlap(const PlotRect& a, const PlotRect& b) {
    return a.left < b.right && b.left < a.right && a.bottom < b.top && b.bottom < a.top;
}

PlotRect Moved(PlotRect r, int dx, int dy) {
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

// Finds the labels their places: inside the room (the shown part) and clear
// of every place taken before.
class Placer {
  public:
    explicit Placer(const PlotRect& shown) : room_(shown) {}

    // Keeps labels off a place (a mark's strokes).
    void Take(const PlotRect& r) { taken_.push_back(r); }

    // A label with one place of its own: that place, moved sideways into the
    // room when it sticks out; nothing when it would then cover a label
    // placed before or stick out above or below.
    std::optional<PlotRect> Fixed(const PlotRect& r) {
        const PlotRect in = Sideways(r);
        if (!Inside(in) || !Free(in)) return std::nullopt;
        taken_.push_back(in);
        return in;
    }

    // With `ownPlace`, the first candidate (the label's own place) when it
    // lies inside the room and clear of the places taken; the curve may
    // cross it, as it is drawn over the labels. Else, of the first `near`
    // candidates, the first that does and is not crossed by the curve
    // (`crossed`); else the first that does so once moved sideways into the
    // room. Then of all candidates the same with the curve across it; else
    // the first one moved into the room.
    PlotRect Best(const std::vector<PlotRect>& candidates,
                  const std::function<bool(const PlotRect&)>& crossed = {}, size_t near = SIZE_MAX,
                  bool ownPlace = true) {
        if (ownPlace && Inside(candidates.front()) && Free(candidates.front())) {
            taken_.push_back(candidates.front());
            return candidates.front();
        }
        for (int pass = 0; pass < 4; ++pass) {
            const bool shift = pass % 2 == 1;
            const bool avoidCurve = pass < 2;
            if (avoidCurve && !crossed) continue;
            const size_t count = avoidCurve ? std::min(near, candidates.size()) : candidates.size();
            for (size_t i = 0; i < count; ++i) {
                const PlotRect& c = candidates[i];
                const PlotRect r = shift ? Sideways(c) : c;
                if (Inside(r) && Free(r) && !(avoidCurve && crossed(r))) {
                    taken_.push_back(r);
                    return r;
                }
            }
        }
        PlotRect r = Sideways(candidates.front());
        if (r.top > room_.top) r = Moved(r, 0, room_.top - r.top);
        if (r.bottom < room_.bottom) r = Moved(r, 0, room_.bottom - r.bottom);
        taken_.push_back(r);
        return r;
    }

  private:
    bool Inside(const PlotRect& r) const {
        return r.left >= room_.left && r.right <= room_.right && r.bottom >= room_.bottom &&
               r.top <= room_.top;
    }
    bool Free(const PlotRect& r) const {
        return std::none_of(taken_.begin(), taken_.end(),
                            [&](const PlotRect& t) { return Overlap(r, t); });
    }
    // Moved sideways into the room; one wider than the room keeps its left
    // edge at the room's.
    PlotRect Sideways(const PlotRect& r) const {
        if (r.right > room_.right) return Sideways(Moved(r, room_.right - r.right, 0));
        if (r.left < room_.left) return Moved(r, room_.left - r.left, 0);
        return r;
    }

    PlotRect room_;
    std::vector<PlotRect> taken_;
};

// Whether the line from a to b passes through the rectangle's inside.
bool SegmentCrosses(const PlotPoint& a, const PlotPoint& b, const PlotRect& r) {
    if ((a.x <= r.left && b.x <= r.left) || (a.x >= r.right && b.x >= r.right) ||
        (a.y <= r.bottom && b.y <= r.bottom) || (a.y >= r.top && b.y >= r.top)) {
        return false;
    }
    // Clip the line's parameter t in [0, 1] to the rectangle's slabs.
    double t0 = 0, t1 = 1;
    const auto clip = [&](double p, double q) {
        if (p == 0) return q > 0;
        const double t = q / p;
        if (p < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        return t0 < t1;
    };
    const double dx = b.x - a.x, dy = b.y - a.y;
    return clip(-dx, a.x - r.left) && clip(dx, r.right - a.x) && clip(-dy, a.y - r.bottom) &&
           clip(dy, r.top - a.y);
}

// Whether the curve (points in increasing x) passes through a rectangle.
bool CurveCrosses(const std::vector<PlotPoint>& curve, const PlotRect& r) {
    auto it = std::lower_bound(curve.begin(), curve.end(), r.left,
                               [](const PlotPoint& p, int x) { return p.x < x; });
    if (it != curve.begin()) --it;
    for (; it != curve.end() && std::next(it) != curve.end() && it->x <= r.right; ++it) {
        if (SegmentCrosses(*it, *std::next(it), r)) return true;
    }
    return false;
}

// The rectangle a mark's strokes span (a label may touch their ends, as the
// controller's does).
PlotRect MarkBox(const std::vector<PlotLine>& lines) {
    PlotRect box{lines.front().x1, lines.front().y1, lines.front().x1, lines.front().y1};
    for (const PlotLine& l : lines) {
        box.left = std::min({box.left, l.x1, l.x2});
        box.right = std::max({box.right, l.x1, l.x2});
        box.bottom = std::min({box.bottom, l.y1, l.y2});
        box.top = std::max({box.top, l.y1, l.y2});
    }
    return box;
}

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
                               int H, const TextMeasure& measure, const PlotOptions& options) {
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

    // Every label goes where the rules put it, moved sideways into the shown
    // part when it sticks out; an axis label that would cover another one is
    // left out.
    Placer placer(plot.window);
    const auto fixed = [&](PlotLabel label) {
        if (const std::optional<PlotRect> r = placer.Fixed(label.rect)) {
            label.rect = *r;
            plot.gridLabels.push_back(std::move(label));
        }
    };

    // Axis labels.
    fixed(b.LeftTop(FormatFixed(0.3, 1) + u"*Fr", plot.x3 - kLabelGap, kAxisLabelTop));
    fixed(b.CentreTop(u"0.5*Fr", plot.x5, kAxisLabelTop));
    fixed(b.LeftBottom(Tr(u"Частота"), plot.x30 + kLabelGap, kAxisLabelTop));

    // Thick lines every 0.5 of gain, with their values; where the lines lie
    // closer than a label is high, only every second (fourth, …) is labelled.
    const int labelHeight = b.Measure(u"0.0").height;
    int labelEvery = 1;
    while (labelEvery * plot.dy < labelHeight + kLabelSpacing && labelEvery < 2 * plot.ymax)
        labelEvery *= 2;
    for (int i = 0; i <= 2 * plot.ymax; ++i) {
        const int y = i * plot.dy;
        b.GridLine(plot.x3, y, plot.x30, y, kThickPen);
        if (i % labelEvery == 0)
            fixed(b.RightMiddle(FormatFixed(0.5 * i, 1), plot.x3 - kLabelGap, y));
    }
    // Thin lines every 0.1 of gain; every 0.25, or none, where they would lie
    // closer than the least gap and run together.
    const int minGap = std::max(options.minLineGap, 1);
    plot.thinParts = 5;
    while (plot.thinParts > 1 && plot.dy / plot.thinParts < minGap)
        plot.thinParts = plot.thinParts == 5 ? 2 : 1;
    if (plot.thinParts > 1) {
        for (int i = 0; i <= 2 * plot.thinParts * plot.ymax; ++i) {
            const int y = (i * plot.dy) / plot.thinParts;
            b.GridLine(plot.x3, y, plot.x30, y, kThinPen);
        }
    }
    // Thin frequency lines at 0.3 … 1.0 ·Fr, then at 1, 2 and 3 ·Fr with labels.
    for (int v = 3; v <= 10; ++v) b.FrequencyLine(v * 0.1 * Fr, kThinPen, yTop);
    for (int v = 1; v <= 3; ++v) {
        const std::optional<int> xv = b.FrequencyLine(v * Fr, kThinPen, yTop);
        if (!xv) continue;
        Text text =
            v == 1 ? TrFormat(u"Fr={1} кГц", {FormatFixed(Fr, 1)}) : FormatFixed(v, 0) + u"*Fr";
        fixed(b.CentreTop(std::move(text), *xv, kAxisLabelTop));
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

    // The texts placed from here on keep clear of the curve where they can.
    // The curve may pass through a text's box above and below the letters.
    const auto crossed = [&plot](const PlotRect& r) {
        const int margin = r.Height() / 4;
        return CurveCrosses(plot.curve, {r.left, r.top - margin, r.right, r.bottom + margin});
    };

    // The gain axis's title, over the grid's top left corner; further right
    // where a high peak runs through it.
    {
        PlotLabel title = b.LeftBottom(Tr(kGainAxisTitle), plot.x3, yTop + kTitleGap);
        std::vector<PlotRect> candidates;
        for (int k = 0; k <= 4 * kMaxLabelSteps; ++k)
            candidates.push_back(Moved(title.rect, k * title.rect.Height(), 0));
        // Not a place of its own: the first one clear of the curve.
        title.rect = placer.Best(candidates, crossed, candidates.size(), false);
        plot.gridLabels.push_back(std::move(title));
    }
    // Results of earlier inputs: said at the top right, or as near it as
    // there is room.
    if (options.stale) {
        PlotLabel note = b.LeftTop(Tr(msg::kResultsStale), 0, 0);
        note.align = LabelAlign::Right;
        note.colour = PlotColour::Red;
        const int w = note.rect.Width(), h = note.rect.Height();
        const int right = plot.window.right - kNoteMargin;
        const int top = plot.window.top - kNoteMargin;
        std::vector<PlotRect> candidates;
        for (int k = 0; k <= kMaxLabelSteps; ++k) {
            const int t = top - k * (h + kLabelSpacing);
            candidates.push_back({right - w, t, right, t - h});
        }
        note.rect = placer.Best(candidates, crossed, candidates.size(), false);
        plot.gridLabels.push_back(std::move(note));
    }

    // The marks first, so that no label covers another mark's strokes; then
    // each label at the first place, in its own order of places, that lies
    // inside the picture and clear of every other label.
    // Each label's places in order of preference; the first `near` of them
    // are tried clear of the curve first.
    struct Places {
        std::vector<PlotRect> rects;
        size_t near = 0;
    };
    std::vector<Places> places;
    // The places of a label set right of its mark: right of it, then left of
    // it; level with it, then a label height up, down, two up, …; near the
    // mark first.
    const auto besideMark = [](const PlotRect& right) {
        const PlotRect left = Moved(right, -2 * kLabelGap - right.Width(), 0);
        const int step = right.Height() + kLabelSpacing;
        Places p;
        for (const auto& [from, to] :
             {std::pair{0, kNearSteps}, {kNearSteps + 1, kMaxLabelSteps}}) {
            for (const PlotRect& side : {right, left}) {
                for (int k = from; k <= to; ++k) {
                    p.rects.push_back(Moved(side, 0, k * step));
                    if (k > 0) p.rects.push_back(Moved(side, 0, -k * step));
                }
            }
            if (from == 0) p.near = p.rects.size();
        }
        return p;
    };

    // The controller frequency: the lowest frequency the controller may
    // reach. A peak above the grid is marked on the grid's top line, so the
    // mark stays in the picture; its label then gives the peak's gain.
    if (plot.peakFound) {
        const std::optional<int> xp = b.X(plot.xPk * Fr);
        std::optional<int> yp = b.Y(plot.GPk);
        if (xp && yp) {
            if (*yp > yTop) {
                yp = yTop;
                plot.peakAboveGrid = true;
            }
            PlotMark mark;
            mark.kind = PlotMark::Kind::Controller;
            mark.lines.push_back(RedLine(*xp, *yp - kMarkHalf, *xp, *yp + kMarkHalf));
            Text text = plot.peakAboveGrid
                            ? TrFormat(u"Частота контроллера не менее {1} кГц (пик усиления {2})",
                                       {FormatFixed(plot.xPk * Fr, 2), FormatFixed(plot.GPk, 2)})
                            : TrFormat(u"Частота контроллера не менее {1} кГц",
                                       {FormatFixed(plot.xPk * Fr, 2)});
            // Above the mark, then below it; its left edge 20 units left of
            // it, or its right edge 20 units right of it; then further up or down.
            mark.label = b.LeftBottom(std::move(text), *xp - kLabelGap, *yp + kMarkHalf);
            const PlotRect above = mark.label.rect;
            const int w = above.Width(), h = above.Height();
            const PlotRect aboveRight = Moved(above, 2 * kLabelGap - w, 0);
            const int down = -(2 * kMarkHalf + h);
            Places p;
            p.rects = {above, aboveRight, Moved(above, 0, down), Moved(aboveRight, 0, down)};
            // Right of a narrow peak, below the mark, where the curve has
            // fallen away.
            for (int k = 0; k <= kNearSteps; ++k) {
                for (int j = 1; j <= 4 * kNearSteps; ++j) {
                    p.rects.push_back(
                        Moved(above, 2 * kLabelGap + j * h, down - k * (h + kLabelSpacing)));
                }
            }
            p.near = p.rects.size();
            for (int k = 1; k <= kMaxLabelSteps; ++k) {
                const int step = k * (h + kLabelSpacing);
                p.rects.push_back(Moved(above, 0, step));
                p.rects.push_back(Moved(above, 0, down - step));
            }
            places.push_back(std::move(p));
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
            b.LeftMiddle(TrFormat(u"{1}{2} кГц ({3})", {name, FormatFixed(xf * Fr, 2), Tr(supply)}),
                         *xm + kLabelGap, *ym);
        places.push_back(besideMark(mark.label.rect));
        plot.marks.push_back(std::move(mark));
    };
    cross(xMin, PlotMark::Kind::Fmin, u"Fmin=", KELVARA_TR_NOOP(u"Минимальное напряжение питания"));
    cross(xMax, PlotMark::Kind::Fmax, u"Fmax=",
          KELVARA_TR_NOOP(u"Максимальное напряжение питания"));

    // The time-domain model's opinion: a green diamond on the curve at each
    // corner's fTd, labelled like the crosses.
    const auto diamond = [&](double xf, PlotMark::Kind kind, std::u16string_view text) {
        if (!Usable(xf)) return;
        const std::optional<int> xm = b.X(xf * Fr);
        const std::optional<int> ym = b.Y(b.Gain(xf));
        if (!xm || !ym) return;
        PlotMark mark;
        mark.kind = kind;
        const int d = kMarkHalf;
        for (const auto& [x1, y1, x2, y2] :
             {std::array{0, d, d, 0}, {d, 0, 0, -d}, {0, -d, -d, 0}, {-d, 0, 0, d}}) {
            mark.lines.push_back(
                {*xm + x1, *ym + y1, *xm + x2, *ym + y2, kThickPen, PlotColour::Green});
        }
        mark.label = b.LeftMiddle(TrFormat(text, {FormatFixed(xf * Fr, 2)}), *xm + kLabelGap, *ym);
        mark.label.colour = PlotColour::Green;
        places.push_back(besideMark(mark.label.rect));
        plot.marks.push_back(std::move(mark));
    };
    diamond(options.xTdMin, PlotMark::Kind::FtdMin,
            KELVARA_TR_NOOP(u"fTd={1} кГц (модель во времени, мин. питание)"));
    diamond(options.xTdMax, PlotMark::Kind::FtdMax,
            KELVARA_TR_NOOP(u"fTd={1} кГц (модель во времени, макс. питание)"));

    for (const PlotMark& mark : plot.marks) placer.Take(MarkBox(mark.lines));
    for (size_t i = 0; i < plot.marks.size(); ++i)
        plot.marks[i].label.rect = placer.Best(places[i].rects, crossed, places[i].near);
    return plot;
}

}  // namespace kelvara
