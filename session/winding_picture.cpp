#include "session/winding_picture.h"

#include <cmath>
#include <cstdio>

#include "refdata/i18n.h"
#include "session/design_document.h"

namespace kelvara {

namespace {

Text Fix(double v, int digits) {
    return FormatFixed(v, digits);
}

Text WindingLine(const WindingBuild& b, int winding) {
    const bool primary = winding == 1;
    const Conductor& c = primary ? b.spec.primary : b.spec.secondary;
    const Text turns = primary ? Fix(b.spec.N1, 0)
                               : (b.spec.centreTap ? u"2×" + Fix(b.spec.N2, 0) : Fix(b.spec.N2, 0));
    const Text wire = c.litz ? TrFormat(u"литцендрат {1}×{2} мм", {Fix(c.count, 0), Fix(c.d, 3)})
                             : TrFormat(u"провод {1} мм × {2}", {Fix(c.d, 3), Fix(c.count, 0)});
    const double layers = primary ? b.layers1 : b.layers2;
    return TrFormat(primary ? KELVARA_TR_NOOP(u"Первичная: {1} вит., {2}, слоев {3}")
                            : KELVARA_TR_NOOP(u"Вторичная: {1} вит., {2}, слоев {3}"),
                    {turns, wire, Fix(layers, 0)});
}

std::string Number(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    return buf;
}

}  // namespace

unsigned WindingColour(WindingShape::Kind kind) {
    switch (kind) {
        case WindingShape::Kind::Primary:
            return 0x2f6fc4;
        case WindingShape::Kind::Secondary:
            return 0xd2691e;
        case WindingShape::Kind::Tape:
            return 0xe8d9a0;
        case WindingShape::Kind::Overflow:
            return 0xc61c1c;
        case WindingShape::Kind::Space:
            break;
    }
    return 0xf4f4f4;
}

WindingPicture BuildWindingPicture(const WindingBuild& b) {
    WindingPicture p;
    if (!b.built || !b.fits || b.layers.empty() || !(b.bobbin.bw > 0) || !(b.bobbin.bh > 0))
        return p;
    p.drawn = true;
    p.width = b.bobbin.bw;
    p.height = std::max(b.bobbin.bh, b.height);
    p.shapes.push_back({WindingShape::Kind::Space, 0, 0, b.bobbin.bw, b.bobbin.bh});
    // The tapes lie in the gaps between sections: where one layer's top is
    // below the next layer's bottom.
    for (size_t i = 1; i < b.layers.size(); ++i) {
        const WindingLayer& below = b.layers[i - 1];
        const WindingLayer& above = b.layers[i];
        const double gap = above.y - (below.y + below.height);
        if (gap > 1e-9) {
            p.shapes.push_back(
                {WindingShape::Kind::Tape, 0, below.y + below.height, b.bobbin.bw, gap});
        }
    }
    for (const WindingLayer& l : b.layers) {
        p.shapes.push_back(
            {l.winding == 1 ? WindingShape::Kind::Primary : WindingShape::Kind::Secondary, l.x, l.y,
             l.width, l.height});
    }
    // What rises above the flanges.
    if (b.height > b.bobbin.bh) {
        p.shapes.push_back(
            {WindingShape::Kind::Overflow, 0, b.bobbin.bh, b.bobbin.bw, b.height - b.bobbin.bh});
    }
    p.legend.push_back(WindingLine(b, 1));
    p.legend.push_back(WindingLine(b, 2));
    p.legend.push_back(TrFormat(
        b.bobbin.estimated ? KELVARA_TR_NOOP(u"Каркас {1} × {2} мм (оценка по окну), "
                                             u"заполнено {3} % высоты")
                           : KELVARA_TR_NOOP(u"Каркас {1} × {2} мм, заполнено {3} % высоты"),
        {Fix(b.bobbin.bw, 2), Fix(b.bobbin.bh, 2), Fix(b.heightFill * 100, 0)}));
    return p;
}

std::string WindingPictureSvg(const WindingPicture& p, double scale) {
    if (!p.drawn) return {};
    const double margin = 10;
    const double lineHeight = 18;
    const double w = p.width * scale;
    const double h = p.height * scale;
    const double width = std::max(w + 2 * margin, 420.0);
    const double height = h + 2 * margin + lineHeight * static_cast<double>(p.legend.size()) + 4;
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " + Number(width) +
                      " " + Number(height) + "\" width=\"" + Number(width) + "\" height=\"" +
                      Number(height) +
                      "\" font-family=\"Liberation Sans, Arial, sans-serif\" font-size=\"13\">\n";
    // y grows downwards in SVG: the tube at the bottom of the picture.
    const auto X = [&](double x) { return Number(margin + x * scale); };
    const auto Y = [&](double y) { return Number(margin + h - y * scale); };
    for (const WindingShape& s : p.shapes) {
        svg += "<rect x=\"" + X(s.x) + "\" y=\"" + Y(s.y + s.height) + "\" width=\"" +
               Number(s.width * scale) + "\" height=\"" + Number(s.height * scale) + "\" fill=\"" +
               ColourHex(WindingColour(s.kind)) + "\" stroke=\"" +
               (s.kind == WindingShape::Kind::Space ? std::string("#707070")
                                                    : std::string("#ffffff")) +
               "\" stroke-width=\"1\"/>\n";
    }
    double y = margin + h + 4 + lineHeight * 0.75;
    for (const Text& line : p.legend) {
        std::string text;
        for (char c : ToUtf8(line)) {
            if (c == '<')
                text += "&lt;";
            else if (c == '&')
                text += "&amp;";
            else
                text.push_back(c);
        }
        svg += "<text x=\"" + Number(margin) + "\" y=\"" + Number(y) + "\">" + text + "</text>\n";
        y += lineHeight;
    }
    svg += "</svg>\n";
    return svg;
}

}  // namespace kelvara
