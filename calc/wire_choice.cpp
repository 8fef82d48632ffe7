#include "calc/wire_choice.h"

#include <cmath>

#include "calc/design_rules.h"
#include "calc/messages.h"
#include "calc/result_texts.h"
#include "refdata/physics.h"

namespace kelvara {

namespace {

using phys::kPi;

void StripTrailing(Text& t, char16_t c) {
    while (!t.empty() && t.back() == c) t.pop_back();
}

// Trailing zeros of the decimal part go, then a point left at the end (unless
// it is the only point and stands first). A text without a point keeps its
// zeros, so "10" stays 10 and "0" stays 0.
Text StripDiameterText(Text t) {
    const size_t point = t.rfind(u'.');
    if (point == Text::npos) return t;
    StripTrailing(t, u'0');
    if (t.rfind(u'.') != 0) StripTrailing(t, u'.');
    return t;
}

double CopperArea(double d) {
    return kPi * (d * d) / 4;
}

}  // namespace

Text WireDiameterText(double d) {
    return StripDiameterText(FormatFixed(d, 3));
}

WireNormalisation NormaliseWireDiameter(TextView text, const WireTable& wires) {
    WireNormalisation r;
    Text t = Replaced(text, u',', u'.');
    if (wires.entries.empty()) {
        r.text = t;
        return r;
    }
    double D = ParseDecimal(t);
    const double dLast = wires.entries.back().d;
    if (D > dLast) {
        D = dLast;
        t = FormatFixed(dLast, 3);
    }
    t = StripDiameterText(t);

    int k = wires.size() - 1;
    for (int i = 0; i < wires.size(); ++i) {
        if (wires.entries[i].d >= D) {
            k = i;
            break;
        }
    }
    r.index = k;
    const double dk = wires.entries[k].d;
    if (dk != D) {
        const Text standard = WireDiameterText(dk);
        r.message = TrFormat(msg::kWireReplaced, {t, standard});
        r.text = standard;
    } else {
        r.text = t;
    }
    return r;
}

double ConductingArea(double d, const WireConditions& c) {
    const double copper = CopperArea(d);
    if (copper > c.Adelta) return kPi * (d * c.delta - c.delta * c.delta);
    return copper;
}

WireChoice ChooseWire(double I, const WireConditions& c, int index, const WireTable& wires) {
    WireChoice w;
    if (wires.entries.empty()) {
        w.d = w.diz = w.Awire = w.Aeff = w.strands = std::nan("");
        w.text = u"?";
        return w;
    }
    const double A = I / c.j;
    int k = 0;
    if (c.imposed) {
        k = (index >= 0 && index < wires.size()) ? index : 0;
        w.d = wires.entries[k].d;
        w.Awire = CopperArea(w.d);
        w.Aeff = ConductingArea(w.d, c);
        // An undefined current leaves the count undefined.
        const double s = std::isnan(A) ? A : (A > w.Aeff ? A / w.Aeff : 1);
        const double m = std::trunc(s);
        // m strands stay as long as the need is at most 1.1·m.
        w.strands = s / m > rule::kStrandTolerance ? m + 1 : m;
    } else {
        const double s = A > c.Adelta ? A / c.Adelta : 1;
        w.strands = RoundUpWhole(s);
        const double a = A / w.strands;
        const double dNeeded = std::sqrt(4 * a / kPi);
        k = -1;
        for (int i = 0; i < wires.size(); ++i) {
            if (wires.entries[i].d >= dNeeded) {
                k = i;
                break;
            }
        }
        if (k >= 0) {
            w.d = wires.entries[k].d;
            w.Awire = CopperArea(w.d);
            w.Aeff = ConductingArea(w.d, c);
        } else {
            // Thicker than the largest standard wire: the largest, with enough
            // strands that the current density is still met.
            k = wires.size() - 1;
            w.d = wires.entries[k].d;
            w.Awire = CopperArea(w.d);
            w.Aeff = ConductingArea(w.d, c);
            w.strands = RoundUpWhole(A / w.Aeff);
        }
    }
    w.diz = wires.entries[k].diz;
    w.text = WireDiameterText(w.d);
    w.chosen = true;
    return w;
}

Text WireResultText(const WireChoice& w) {
    if (!w.chosen) return u"?";
    return w.text + u"x" + FormatFixed(w.strands, 0);
}

}  // namespace kelvara
