#include "session/waveform_plot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "refdata/i18n.h"
#include "session/design_document.h"
#include "session/messages.h"

namespace kelvara {

namespace {

// Spacing in picture units.
constexpr double kMargin = 8;     // around the picture
constexpr double kTickGap = 4;    // between a tick label and its axis
constexpr double kPanelGap = 10;  // between a panel and the next legend
constexpr int kTicks = 5;         // about this many ticks on an axis

struct Scale {
    double min = 0, max = 1, step = 1;
    int decimals = 0;
};

// A scale from lo to hi in round steps of 1, 2 or 5 times a power of ten.
Scale NiceScale(double lo, double hi, int ticks = kTicks) {
    if (!(std::isfinite(lo) && std::isfinite(hi))) lo = 0, hi = 1;
    if (hi - lo < 1e-12 * std::max(1.0, std::abs(hi))) {
        const double pad = std::max(std::abs(hi) * 0.1, 1e-6);
        lo -= pad;
        hi += pad;
    }
    const double raw = (hi - lo) / ticks;
    const double mag = std::pow(10.0, std::floor(std::log10(raw)));
    const double f = raw / mag;
    Scale s;
    s.step = (f < 1.5 ? 1 : f < 3 ? 2 : f < 7 ? 5 : 10) * mag;
    s.min = std::floor(lo / s.step + 1e-9) * s.step;
    s.max = std::ceil(hi / s.step - 1e-9) * s.step;
    s.decimals = std::max(0, static_cast<int>(-std::floor(std::log10(s.step) + 1e-9)));
    return s;
}

std::vector<double> Ticks(const Scale& s) {
    std::vector<double> t;
    const int n = static_cast<int>(std::lround((s.max - s.min) / s.step));
    for (int i = 0; i <= n && i <= 100; ++i) t.push_back(s.min + i * s.step);
    return t;
}

std::pair<double, double> RangeOf(const std::vector<double>& v) {
    double lo = 0, hi = 0;  // every range holds 0
    for (double x : v) {
        if (!std::isfinite(x)) continue;
        lo = std::min(lo, x);
        hi = std::max(hi, x);
    }
    return {lo, hi};
}

Text Fix(double v, int digits) {
    return FormatFixed(v, digits);
}

}  // namespace

double WaveformPlot::XOf(double t) const {
    if (panels.empty() || !(tMax > 0)) return 0;
    const WavePanel& p = panels.front();
    return p.left + t / tMax * (p.right - p.left);
}

double WaveformPlot::TimeAt(double x) const {
    if (panels.empty() || !(tMax > 0)) return 0;
    const WavePanel& p = panels.front();
    return std::clamp((x - p.left) / (p.right - p.left), 0.0, 1.0) * tMax;
}

int SampleNearest(const CornerWaveform& c, double t) {
    const std::vector<double>& ts = c.wave.t;
    if (ts.empty()) return -1;
    const auto it = std::lower_bound(ts.begin(), ts.end(), t);
    if (it == ts.end()) return static_cast<int>(ts.size()) - 1;
    if (it == ts.begin()) return 0;
    const auto before = it - 1;
    return static_cast<int>((t - *before <= *it - t ? before : it) - ts.begin());
}

WaveMeasure EstimatedWaveMeasure() {
    return [](TextView text) { return WavePoint{static_cast<double>(text.size()) * 6.5, 14}; };
}

WaveformPlot BuildWaveformPlot(const CornerWaveform& c, double width, double height,
                               const WaveMeasure& measure, bool stale) {
    WaveformPlot p;
    p.width = width;
    p.height = height;
    const double lineH = measure(u"0").y;
    const Text cornerName =
        (c.lowest ? Tr(u"Минимальное напряжение питания") : Tr(u"Максимальное напряжение питания"));
    double y = kMargin + lineH / 2;
    if (!c.solved) {
        p.texts.push_back({cornerName, kMargin, y});
        p.texts.push_back({c.problem, kMargin, y + lineH * 1.5});
        return p;
    }
    const TdWaveform& w = c.wave;
    p.drawn = true;
    p.tMax = 1000 / c.corner.f;  // µs
    // Title: the corner, its frequency, the half-bridge amplitude, the dead time.
    p.texts.push_back({TrFormat(u"{1}: fTd {2} кГц, Uhb {3} В, td {4} нс",
                                {cornerName, Fix(c.corner.f, 2), Fix(c.Uhb, 1), Fix(c.td, 0)}),
                       kMargin, y});
    y += lineH * 1.2;
    if (stale) {
        p.texts.push_back({Tr(msg::kResultsStale), kMargin, y, WaveText::Align::Left, 0xc61c1c});
        y += lineH * 1.2;
    }

    // The scales, and the margins their labels need.
    const auto [vLo, vHi] = RangeOf(w.vMid);
    const auto [primaryLo, primaryHi] = RangeOf(w.iLr);
    const auto [magnetisingLo, magnetisingHi] = RangeOf(w.iLm);
    const double iMax = std::max({std::abs(primaryLo), std::abs(primaryHi), std::abs(magnetisingLo),
                                  std::abs(magnetisingHi)});
    const auto [cLo, cHi] = RangeOf(w.vCr);
    const double cMax = std::max(std::abs(cLo), std::abs(cHi));
    const auto [sLo, sHi] = RangeOf(w.iSec);
    const Scale scales[3] = {NiceScale(vLo, vHi), NiceScale(-cMax, cMax), NiceScale(sLo, sHi)};
    const Scale currents = NiceScale(-iMax, iMax);
    double leftW = 0;
    for (const Scale& s : scales)
        for (double t : Ticks(s)) leftW = std::max(leftW, measure(Fix(t, s.decimals)).x);
    double rightW = 0;
    for (double t : Ticks(currents))
        rightW = std::max(rightW, measure(Fix(t, currents.decimals)).x);
    const double left = kMargin + leftW + kTickGap;
    const double right = width - kMargin - rightW - kTickGap;
    const double bottomSpace = lineH * 2 + kMargin;
    const double legendH = lineH * 1.3;
    const double available = height - y - bottomSpace - 3 * legendH - 2 * kPanelGap;
    const double shares[3] = {0.44, 0.26, 0.30};

    // The panels with their legends.
    struct Trace {
        const std::vector<double>* v;
        std::u16string_view name;
        std::u16string_view unit;
        unsigned colour;
        int panel;
        bool rightAxis;
    };
    const Trace traces[] = {
        {&w.vMid, KELVARA_TR_NOOP(u"средняя точка"), KELVARA_TR_NOOP(u"В"), wave::kMidpoint, 0,
         false},
        {&w.iLr, KELVARA_TR_NOOP(u"ток первичной обмотки"), KELVARA_TR_NOOP(u"А"), wave::kPrimary,
         0, true},
        {&w.iLm, KELVARA_TR_NOOP(u"ток намагничивания"), KELVARA_TR_NOOP(u"А"), wave::kMagnetizing,
         0, true},
        {&w.vCr, KELVARA_TR_NOOP(u"напряжение на Cr (переменная составляющая)"),
         KELVARA_TR_NOOP(u"В"), wave::kCr, 1, false},
        {&w.iSec, KELVARA_TR_NOOP(u"ток вторичной обмотки (выпрямленный)"), KELVARA_TR_NOOP(u"А"),
         wave::kSecondary, 2, false},
    };
    for (int k = 0; k < 3; ++k) {
        // The legend line: each trace of the panel, its colour and unit.
        double x = left;
        for (const Trace& t : traces) {
            if (t.panel != k) continue;
            const Text item = Tr(t.name) + u", " + Tr(t.unit);
            p.grid.push_back({x, y, x + 14, y, t.colour, 2});
            p.texts.push_back({item, x + 18, y, WaveText::Align::Left, t.colour});
            x += 18 + measure(item).x + 16;
        }
        y += legendH - lineH / 2;
        WavePanel panel;
        panel.left = left;
        panel.right = right;
        panel.top = y;
        panel.bottom = y + available * shares[k];
        panel.yMin = scales[k].min;
        panel.yMax = scales[k].max;
        if (k == 0) {
            panel.rightAxis = true;
            panel.y2Min = currents.min;
            panel.y2Max = currents.max;
        }
        p.panels.push_back(panel);
        y = panel.bottom + kPanelGap + lineH / 2;
    }
    const auto yOf = [&](const WavePanel& panel, double v, bool rightAxis) {
        const double lo = rightAxis ? panel.y2Min : panel.yMin;
        const double hi = rightAxis ? panel.y2Max : panel.yMax;
        return panel.bottom - (v - lo) / (hi - lo) * (panel.bottom - panel.top);
    };

    // Dead times and swings, behind everything.
    const double td = c.td / 1000;  // µs
    for (double tOff : {0.0, p.tMax / 2}) {
        for (const WavePanel& panel : p.panels) {
            p.bands.push_back({p.XOf(tOff), panel.top,
                               p.XOf(std::min(tOff + td, p.tMax)) - p.XOf(tOff),
                               panel.bottom - panel.top, wave::kDeadTime});
        }
    }
    double swingStart = -1;
    for (const TdEvent& e : w.events) {
        if (e.kind == TdEventKind::SwingStart) swingStart = e.t;
        if (e.kind == TdEventKind::SwingEnd && swingStart >= 0) {
            for (const WavePanel& panel : p.panels) {
                p.bands.push_back({p.XOf(swingStart), panel.top, p.XOf(e.t) - p.XOf(swingStart),
                                   panel.bottom - panel.top, wave::kSwing});
            }
            swingStart = -1;
        }
    }

    // Grid, frames and tick labels.
    const Scale time = NiceScale(0, p.tMax);
    for (int k = 0; k < 3; ++k) {
        const WavePanel& panel = p.panels[static_cast<size_t>(k)];
        for (double t : Ticks(time)) {
            if (t > p.tMax + 1e-9) continue;
            p.grid.push_back({p.XOf(t), panel.top, p.XOf(t), panel.bottom, wave::kGrid});
        }
        for (double v : Ticks(scales[k])) {
            const double yy = yOf(panel, v, false);
            p.grid.push_back({panel.left, yy, panel.right, yy, v == 0 ? 0x909090 : wave::kGrid});
            p.texts.push_back(
                {Fix(v, scales[k].decimals), panel.left - kTickGap, yy, WaveText::Align::Right});
        }
        if (panel.rightAxis) {
            for (double v : Ticks(currents)) {
                p.texts.push_back({Fix(v, currents.decimals), panel.right + kTickGap,
                                   yOf(panel, v, true), WaveText::Align::Left, wave::kPrimary});
            }
        }
        for (const WaveLine& edge : {WaveLine{panel.left, panel.top, panel.right, panel.top},
                                     WaveLine{panel.left, panel.bottom, panel.right, panel.bottom},
                                     WaveLine{panel.left, panel.top, panel.left, panel.bottom},
                                     WaveLine{panel.right, panel.top, panel.right, panel.bottom}}) {
            p.grid.push_back(edge);
        }
    }
    const WavePanel& last = p.panels.back();
    for (double t : Ticks(time)) {
        if (t > p.tMax + 1e-9) continue;
        p.texts.push_back({Fix(t, time.decimals), p.XOf(t), last.bottom + kTickGap + lineH / 2,
                           WaveText::Align::Centre});
    }
    p.texts.push_back(
        {Tr(u"t, мкс"), last.right, last.bottom + kTickGap + lineH * 1.5, WaveText::Align::Right});

    // The traces.
    for (const Trace& t : traces) {
        const WavePanel& panel = p.panels[static_cast<size_t>(t.panel)];
        WaveCurve curve;
        curve.name = Tr(t.name);
        curve.unit = Tr(t.unit);
        curve.colour = t.colour;
        curve.panel = t.panel;
        curve.rightAxis = t.rightAxis;
        for (size_t i = 0; i < w.t.size() && i < t.v->size(); ++i) {
            curve.points.push_back({p.XOf(w.t[i]), yOf(panel, (*t.v)[i], t.rightAxis)});
        }
        p.curves.push_back(std::move(curve));
    }

    // The turn-off instants across all panels, labelled above the first.
    const WavePanel& first = p.panels.front();
    for (const TdEvent& e : w.events) {
        const bool low = e.kind == TdEventKind::LowSwitchOff;
        if (!low && e.kind != TdEventKind::HighSwitchOff) continue;
        const double x = p.XOf(e.t);
        p.marks.push_back({x, first.top, x, last.bottom, wave::kTurnOff, 1.5, true});
        p.texts.push_back({(low ? Tr(u"выкл. VT2") : Tr(u"выкл. VT1")), x + 3,
                           first.top + lineH / 2 + 2, WaveText::Align::Left, wave::kTurnOff});
    }
    return p;
}

std::string WaveformPlotSvg(const WaveformPlot& p) {
    const auto num = [](double v) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.1f", v);
        return std::string(buf);
    };
    const auto escaped = [](TextView t) {
        std::string out;
        for (char ch : ToUtf8(t)) {
            if (ch == '<')
                out += "&lt;";
            else if (ch == '&')
                out += "&amp;";
            else if (ch == '>')
                out += "&gt;";
            else
                out.push_back(ch);
        }
        return out;
    };
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " + num(p.width) +
                      " " + num(p.height) + "\" width=\"" + num(p.width) + "\" height=\"" +
                      num(p.height) +
                      "\" font-family=\"Liberation Sans, Arial, sans-serif\" font-size=\"11\">\n";
    svg += "<rect x=\"0\" y=\"0\" width=\"" + num(p.width) + "\" height=\"" + num(p.height) +
           "\" fill=\"#ffffff\"/>\n";
    for (const WaveRect& r : p.bands) {
        svg += "<rect x=\"" + num(r.x) + "\" y=\"" + num(r.y) + "\" width=\"" + num(r.w) +
               "\" height=\"" + num(r.h) + "\" fill=\"" + ColourHex(r.colour) + "\"/>\n";
    }
    const auto line = [&](const WaveLine& l) {
        svg += "<line x1=\"" + num(l.x1) + "\" y1=\"" + num(l.y1) + "\" x2=\"" + num(l.x2) +
               "\" y2=\"" + num(l.y2) + "\" stroke=\"" + ColourHex(l.colour) +
               "\" stroke-width=\"" + num(l.width) + "\"" +
               (l.dashed ? " stroke-dasharray=\"4 3\"" : "") + "/>\n";
    };
    for (const WaveLine& l : p.grid) line(l);
    for (const WaveCurve& c : p.curves) {
        svg += "<polyline fill=\"none\" stroke=\"" + ColourHex(c.colour) +
               "\" stroke-width=\"1.5\" points=\"";
        for (const WavePoint& pt : c.points) svg += num(pt.x) + "," + num(pt.y) + " ";
        svg += "\"/>\n";
    }
    for (const WaveLine& l : p.marks) line(l);
    for (const WaveText& t : p.texts) {
        const char* anchor = t.align == WaveText::Align::Left    ? "start"
                             : t.align == WaveText::Align::Right ? "end"
                                                                 : "middle";
        svg += "<text x=\"" + num(t.x) + "\" y=\"" + num(t.y) + "\" text-anchor=\"" + anchor +
               "\" dominant-baseline=\"central\" fill=\"" + ColourHex(t.colour) + "\">" +
               escaped(t.text) + "</text>\n";
    }
    svg += "</svg>\n";
    return svg;
}

Text WaveformCursorText(const CornerWaveform& corner, int sample) {
    const TdWaveform& w = corner.wave;
    if (sample < 0 || static_cast<size_t>(sample) >= w.t.size() || w.vMid.size() != w.t.size() ||
        w.iLr.size() != w.t.size() || w.iLm.size() != w.t.size() || w.vCr.size() != w.t.size() ||
        w.iSec.size() != w.t.size()) {
        return {};
    }
    const size_t i = static_cast<size_t>(sample);
    return TrFormat(
        u"t = {1} мкс:  Uср.т. {2} В,  Iперв. {3} А,  Iнамагн. {4} А,  UCr {5} В,  "
        u"Iвтор. {6} А",
        {FormatFixed(w.t[i], 3), FormatFixed(w.vMid[i], 1), FormatFixed(w.iLr[i], 3),
         FormatFixed(w.iLm[i], 3), FormatFixed(w.vCr[i], 1), FormatFixed(w.iSec[i], 3)});
}

Text WaveformSummary(const CornerWaveform& corner) {
    if (!corner.solved) return corner.problem;
    const TdCorner& k = corner.corner;
    const Text swing = k.swingComplete ? Tr(u"перезаряд за мертвое время завершается")
                                       : Tr(u"перезаряд не завершается: жесткое переключение");
    const Text side = k.aboveResonance ? Tr(u"выше резонанса") : Tr(u"ниже резонанса");
    const Text mode = k.continuous ? Tr(u"непрерывный") : Tr(u"прерывистый");
    return TrFormat(
        u"fTd {1} кГц ({2}, ток выпрямителя {3}); ток выключения {4} А, {5}; ток "
        u"первичной обмотки {6} А действ., {7} А пик; индукция {8} T. Серые полосы — "
        u"мертвое время, розовые — перезаряд средней точки; красные линии — "
        u"выключение транзисторов.",
        {FormatFixed(k.f, 2), side, mode, FormatFixed(k.iOff, 2), swing, FormatFixed(k.i1Rms, 2),
         FormatFixed(k.i1Peak, 2), FormatFixed(k.B, 3)});
}

}  // namespace kelvara
