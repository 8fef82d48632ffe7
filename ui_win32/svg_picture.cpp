#include "ui_win32/svg_picture.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
#include <optional>

namespace kelvara::svg {

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
    return s;
}

// Reads a number at `at` (C locale: sign, digits, point, exponent); moves
// `at` past it. Nothing when none stands there.
std::optional<double> ReadNumber(std::string_view s, size_t& at) {
    size_t i = at;
    const size_t start = i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    bool digits = false;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        ++i;
        digits = true;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            ++i;
            digits = true;
        }
    }
    if (!digits) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t e = i + 1;
        if (e < s.size() && (s[e] == '+' || s[e] == '-')) ++e;
        if (e < s.size() && s[e] >= '0' && s[e] <= '9') {
            while (e < s.size() && s[e] >= '0' && s[e] <= '9') ++e;
            i = e;
        }
    }
    // from_chars takes no leading "+".
    size_t from = start;
    if (s[from] == '+') ++from;
    double value = 0;
    const auto r = std::from_chars(s.data() + from, s.data() + i, value);
    if (r.ec != std::errc()) return std::nullopt;
    at = i;
    return value;
}

void SkipSeparators(std::string_view s, size_t& at) {
    while (at < s.size() && (IsSpace(s[at]) || s[at] == ',')) ++at;
}

// A length: a number with an optional unit; mm and cm at 96 pixels per inch.
double ParseLength(std::string_view text, double otherwise = 0) {
    const std::string_view t = Trim(text);
    size_t at = 0;
    const std::optional<double> v = ReadNumber(t, at);
    if (!v) return otherwise;
    const std::string_view unit = t.substr(at);
    if (unit == "mm") return *v * 96 / 25.4;
    if (unit == "cm") return *v * 96 / 2.54;
    if (unit == "in") return *v * 96;
    if (unit == "pt") return *v * 96 / 72;
    return *v;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x110000) {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// XML's five entities and character references.
std::string Decoded(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '&') {
            out += s[i];
            continue;
        }
        const size_t end = s.find(';', i);
        if (end == std::string_view::npos) {
            out += s[i];
            continue;
        }
        const std::string_view name = s.substr(i + 1, end - i - 1);
        if (name == "amp") {
            out += '&';
        } else if (name == "lt") {
            out += '<';
        } else if (name == "gt") {
            out += '>';
        } else if (name == "quot") {
            out += '"';
        } else if (name == "apos") {
            out += '\'';
        } else if (name.size() > 1 && name[0] == '#') {
            unsigned code = 0;
            const bool hex = name[1] == 'x' || name[1] == 'X';
            const std::string_view digits = name.substr(hex ? 2 : 1);
            const auto r =
                std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
            if (r.ec != std::errc() || r.ptr != digits.data() + digits.size()) {
                out += s.substr(i, end - i + 1);
            } else {
                AppendUtf8(out, code);
            }
        } else {
            out += s.substr(i, end - i + 1);
        }
        i = end;
    }
    return out;
}

struct Attribute {
    std::string_view name;
    std::string value;
};

class Reader {
  public:
    explicit Reader(std::string_view document) : s_(document) {}

    Picture Read();

  private:
    void StartElement(std::string_view name, const std::vector<Attribute>& attrs, bool empty);
    void EndElement(std::string_view name);
    void ApplyAttribute(Style& style, std::string_view name, std::string_view value) const;
    Paint ParsePaint(std::string_view value, const Paint& inherited) const;
    void AddShape(std::string_view name, const std::vector<Attribute>& attrs, const Style& style);

    std::string_view s_;
    Picture picture_;
    std::vector<Style> styles_;  // the presentation attributes of the open elements
    std::vector<std::string> open_;
    // The text element being read.
    bool inText_ = false;
    Element text_;
    std::string textContent_;
    int gradient_ = -1;  // the gradient whose stops are being read
};

const std::string* Find(const std::vector<Attribute>& attrs, std::string_view name) {
    for (const Attribute& a : attrs)
        if (a.name == name) return &a.value;
    return nullptr;
}

double Number(const std::vector<Attribute>& attrs, std::string_view name, double otherwise = 0) {
    const std::string* v = Find(attrs, name);
    return v ? ParseLength(*v, otherwise) : otherwise;
}

// The path of an ellipse's quarter arcs (four cubic curves).
void AddEllipse(Path& path, double cx, double cy, double rx, double ry) {
    constexpr double k = 0.5522847498307936;  // 4/3·(√2 − 1)
    path.MoveTo(cx + rx, cy);
    path.CubicTo(cx + rx, cy + k * ry, cx + k * rx, cy + ry, cx, cy + ry);
    path.CubicTo(cx - k * rx, cy + ry, cx - rx, cy + k * ry, cx - rx, cy);
    path.CubicTo(cx - rx, cy - k * ry, cx - k * rx, cy - ry, cx, cy - ry);
    path.CubicTo(cx + k * rx, cy - ry, cx + rx, cy - k * ry, cx + rx, cy);
    path.Close();
}

void AddRect(Path& path, double x, double y, double w, double h, double rx, double ry) {
    if (rx <= 0 && ry <= 0) {
        path.MoveTo(x, y);
        path.LineTo(x + w, y);
        path.LineTo(x + w, y + h);
        path.LineTo(x, y + h);
        path.Close();
        return;
    }
    if (rx <= 0) rx = ry;
    if (ry <= 0) ry = rx;
    rx = std::min(rx, w / 2);
    ry = std::min(ry, h / 2);
    constexpr double k = 0.5522847498307936;
    path.MoveTo(x + rx, y);
    path.LineTo(x + w - rx, y);
    path.CubicTo(x + w - rx + k * rx, y, x + w, y + ry - k * ry, x + w, y + ry);
    path.LineTo(x + w, y + h - ry);
    path.CubicTo(x + w, y + h - ry + k * ry, x + w - rx + k * rx, y + h, x + w - rx, y + h);
    path.LineTo(x + rx, y + h);
    path.CubicTo(x + rx - k * rx, y + h, x, y + h - ry + k * ry, x, y + h - ry);
    path.LineTo(x, y + ry);
    path.CubicTo(x, y + ry - k * ry, x + rx - k * rx, y, x + rx, y);
    path.Close();
}

// An elliptical arc of SVG from (x0, y0) to (x, y), as cubic curves of at
// most a quarter turn each.
void AddArc(Path& path, double x0, double y0, double rx, double ry, double rotation, bool large,
            bool sweep, double x, double y) {
    if (x0 == x && y0 == y) return;
    rx = std::fabs(rx);
    ry = std::fabs(ry);
    if (rx == 0 || ry == 0) {
        path.LineTo(x, y);
        return;
    }
    const double phi = rotation * std::numbers::pi / 180;
    const double cosPhi = std::cos(phi), sinPhi = std::sin(phi);
    const double dx = (x0 - x) / 2, dy = (y0 - y) / 2;
    const double x1 = cosPhi * dx + sinPhi * dy;
    const double y1 = -sinPhi * dx + cosPhi * dy;
    // Radii too small for the end points grow just enough.
    const double lambda = (x1 * x1) / (rx * rx) + (y1 * y1) / (ry * ry);
    if (lambda > 1) {
        rx *= std::sqrt(lambda);
        ry *= std::sqrt(lambda);
    }
    const double num = rx * rx * ry * ry - rx * rx * y1 * y1 - ry * ry * x1 * x1;
    const double den = rx * rx * y1 * y1 + ry * ry * x1 * x1;
    double factor = den > 0 ? std::sqrt(std::max(0.0, num / den)) : 0;
    if (large == sweep) factor = -factor;
    const double cx1 = factor * rx * y1 / ry;
    const double cy1 = -factor * ry * x1 / rx;
    const double cx = cosPhi * cx1 - sinPhi * cy1 + (x0 + x) / 2;
    const double cy = sinPhi * cx1 + cosPhi * cy1 + (y0 + y) / 2;
    const auto angle = [](double ux, double uy, double vx, double vy) {
        return std::atan2(ux * vy - uy * vx, ux * vx + uy * vy);
    };
    const double theta1 = angle(1, 0, (x1 - cx1) / rx, (y1 - cy1) / ry);
    double delta = angle((x1 - cx1) / rx, (y1 - cy1) / ry, (-x1 - cx1) / rx, (-y1 - cy1) / ry);
    if (!sweep && delta > 0) delta -= 2 * std::numbers::pi;
    if (sweep && delta < 0) delta += 2 * std::numbers::pi;
    const int segments =
        std::max(1, static_cast<int>(std::ceil(std::fabs(delta) / (std::numbers::pi / 2) - 1e-9)));
    const double step = delta / segments;
    const double t = 4.0 / 3.0 * std::tan(step / 4);
    const auto point = [&](double a, double& px, double& py) {
        const double ex = rx * std::cos(a), ey = ry * std::sin(a);
        px = cosPhi * ex - sinPhi * ey + cx;
        py = sinPhi * ex + cosPhi * ey + cy;
    };
    const auto derivative = [&](double a, double& px, double& py) {
        const double ex = -rx * std::sin(a), ey = ry * std::cos(a);
        px = cosPhi * ex - sinPhi * ey;
        py = sinPhi * ex + cosPhi * ey;
    };
    double a = theta1;
    for (int i = 0; i < segments; ++i) {
        const double b = a + step;
        double ax, ay, bx, by, dax, day, dbx, dby;
        point(a, ax, ay);
        point(b, bx, by);
        derivative(a, dax, day);
        derivative(b, dbx, dby);
        if (i == segments - 1) {
            bx = x;
            by = y;
        }
        path.CubicTo(ax + t * dax, ay + t * day, bx - t * dbx, by - t * dby, bx, by);
        a = b;
    }
}

}  // namespace

void Path::MoveTo(double x, double y) {
    ops.push_back(Op::Move);
    points.insert(points.end(), {x, y});
}

void Path::LineTo(double x, double y) {
    ops.push_back(Op::Line);
    points.insert(points.end(), {x, y});
}

void Path::CubicTo(double x1, double y1, double x2, double y2, double x, double y) {
    ops.push_back(Op::Cubic);
    points.insert(points.end(), {x1, y1, x2, y2, x, y});
}

void Path::Close() {
    ops.push_back(Op::Close);
}

bool ParseColour(std::string_view text, unsigned& rgb) {
    const std::string_view t = Trim(text);
    if (!t.empty() && t[0] == '#') {
        const std::string_view hex = t.substr(1);
        if (hex.size() != 3 && hex.size() != 6) return false;
        unsigned value = 0;
        for (char c : hex) {
            const int d = HexDigit(c);
            if (d < 0) return false;
            value = value * 16 + static_cast<unsigned>(d);
        }
        if (hex.size() == 3) {
            const unsigned r = (value >> 8) & 0xF, g = (value >> 4) & 0xF, b = value & 0xF;
            value = (r * 17) << 16 | (g * 17) << 8 | (b * 17);
        }
        rgb = value;
        return true;
    }
    struct Named {
        std::string_view name;
        unsigned rgb;
    };
    static constexpr Named kNamed[] = {{"black", 0x000000}, {"white", 0xFFFFFF}, {"red", 0xFF0000},
                                       {"green", 0x008000}, {"blue", 0x0000FF},  {"gray", 0x808080},
                                       {"grey", 0x808080},  {"orange", 0xFFA500}};
    for (const Named& n : kNamed) {
        if (n.name == t) {
            rgb = n.rgb;
            return true;
        }
    }
    return false;
}

std::vector<double> ParseNumbers(std::string_view text) {
    std::vector<double> out;
    size_t at = 0;
    for (;;) {
        SkipSeparators(text, at);
        if (at >= text.size()) break;
        const std::optional<double> v = ReadNumber(text, at);
        if (!v) break;
        out.push_back(*v);
    }
    return out;
}

Path ParsePathData(std::string_view d) {
    Path path;
    size_t at = 0;
    char command = 0;
    double x = 0, y = 0;            // the current point
    double startX = 0, startY = 0;  // the start of the figure
    const auto number = [&](double& v) {
        SkipSeparators(d, at);
        const std::optional<double> n = ReadNumber(d, at);
        if (!n) return false;
        v = *n;
        return true;
    };
    const auto flag = [&](bool& v) {
        SkipSeparators(d, at);
        if (at >= d.size() || (d[at] != '0' && d[at] != '1')) return false;
        v = d[at++] == '1';
        return true;
    };
    for (;;) {
        SkipSeparators(d, at);
        if (at >= d.size()) break;
        const char c = d[at];
        if (std::string_view("MmLlHhVvCcAaZz").find(c) != std::string_view::npos) {
            command = c;
            ++at;
        } else if (command == 0) {
            break;  // numbers before any command
        }
        const bool relative = command >= 'a' && command <= 'z';
        const double ox = relative ? x : 0, oy = relative ? y : 0;
        switch (command) {
            case 'M':
            case 'm': {
                double px, py;
                if (!number(px) || !number(py)) return path;
                x = ox + px;
                y = oy + py;
                startX = x;
                startY = y;
                path.MoveTo(x, y);
                // Further pairs are lines.
                command = relative ? 'l' : 'L';
                break;
            }
            case 'L':
            case 'l': {
                double px, py;
                if (!number(px) || !number(py)) return path;
                x = ox + px;
                y = oy + py;
                path.LineTo(x, y);
                break;
            }
            case 'H':
            case 'h': {
                double px;
                if (!number(px)) return path;
                x = ox + px;
                path.LineTo(x, y);
                break;
            }
            case 'V':
            case 'v': {
                double py;
                if (!number(py)) return path;
                y = oy + py;
                path.LineTo(x, y);
                break;
            }
            case 'C':
            case 'c': {
                double v[6];
                for (double& n : v)
                    if (!number(n)) return path;
                path.CubicTo(ox + v[0], oy + v[1], ox + v[2], oy + v[3], ox + v[4], oy + v[5]);
                x = ox + v[4];
                y = oy + v[5];
                break;
            }
            case 'A':
            case 'a': {
                double rx, ry, rotation, px, py;
                bool large, sweep;
                if (!number(rx) || !number(ry) || !number(rotation) || !flag(large) ||
                    !flag(sweep) || !number(px) || !number(py)) {
                    return path;
                }
                AddArc(path, x, y, rx, ry, rotation, large, sweep, ox + px, oy + py);
                x = ox + px;
                y = oy + py;
                break;
            }
            case 'Z':
            case 'z':
                path.Close();
                x = startX;
                y = startY;
                command = 0;
                break;
            default:
                return path;
        }
    }
    return path;
}

Paint Reader::ParsePaint(std::string_view value, const Paint& inherited) const {
    const std::string_view v = Trim(value);
    if (v == "none") return Paint{};
    if (v == "inherit") return inherited;
    if (v.substr(0, 5) == "url(#") {
        const size_t end = v.find(')');
        const std::string_view id = v.substr(5, end == std::string_view::npos ? v.npos : end - 5);
        for (size_t i = 0; i < picture_.gradients.size(); ++i) {
            if (picture_.gradients[i].id == id) {
                return Paint{Paint::Kind::Gradient, 0, static_cast<int>(i)};
            }
        }
        return Paint{};
    }
    unsigned rgb = 0;
    if (ParseColour(v, rgb)) return Paint{Paint::Kind::Colour, rgb, -1};
    return inherited;
}

void Reader::ApplyAttribute(Style& style, std::string_view name, std::string_view value) const {
    if (name == "fill") {
        style.fill = ParsePaint(value, style.fill);
    } else if (name == "stroke") {
        style.stroke = ParsePaint(value, style.stroke);
    } else if (name == "stroke-width") {
        style.strokeWidth = ParseLength(value, style.strokeWidth);
    } else if (name == "stroke-linecap") {
        style.cap = value == "round"    ? LineCap::Round
                    : value == "square" ? LineCap::Square
                                        : LineCap::Butt;
    } else if (name == "stroke-linejoin") {
        style.join = value == "round"   ? LineJoin::Round
                     : value == "bevel" ? LineJoin::Bevel
                                        : LineJoin::Miter;
    } else if (name == "stroke-dasharray") {
        style.dashes = Trim(value) == "none" ? std::vector<double>{} : ParseNumbers(value);
    } else if (name == "fill-rule") {
        style.evenOdd = Trim(value) == "evenodd";
    } else if (name == "font-family") {
        style.fontFamilies.clear();
        size_t at = 0;
        while (at <= value.size()) {
            size_t end = value.find(',', at);
            if (end == std::string_view::npos) end = value.size();
            std::string_view family = Trim(value.substr(at, end - at));
            if (family.size() >= 2 && (family.front() == '\'' || family.front() == '"'))
                family = family.substr(1, family.size() - 2);
            if (!family.empty()) style.fontFamilies.emplace_back(family);
            at = end + 1;
        }
    } else if (name == "font-size") {
        style.fontSize = ParseLength(value, style.fontSize);
    } else if (name == "font-weight") {
        const std::string_view v = Trim(value);
        style.bold =
            v == "bold" || v == "bolder" || v == "600" || v == "700" || v == "800" || v == "900";
    } else if (name == "text-anchor") {
        style.anchor = value == "middle" ? Anchor::Middle
                       : value == "end"  ? Anchor::End
                                         : Anchor::Start;
    } else if (name == "dominant-baseline") {
        style.centralBaseline = Trim(value) == "central" || Trim(value) == "middle";
    } else if (name == "style") {
        // "name: value; name: value"
        size_t at = 0;
        while (at < value.size()) {
            size_t end = value.find(';', at);
            if (end == std::string_view::npos) end = value.size();
            const std::string_view item = value.substr(at, end - at);
            const size_t colon = item.find(':');
            if (colon != std::string_view::npos) {
                ApplyAttribute(style, Trim(item.substr(0, colon)), Trim(item.substr(colon + 1)));
            }
            at = end + 1;
        }
    }
}

void Reader::AddShape(std::string_view name, const std::vector<Attribute>& attrs,
                      const Style& style) {
    Element e;
    e.style = style;
    Path& path = e.path;
    if (name == "rect") {
        const double w = Number(attrs, "width"), h = Number(attrs, "height");
        if (w <= 0 || h <= 0) return;
        AddRect(path, Number(attrs, "x"), Number(attrs, "y"), w, h, Number(attrs, "rx"),
                Number(attrs, "ry"));
    } else if (name == "circle") {
        const double r = Number(attrs, "r");
        if (r <= 0) return;
        AddEllipse(path, Number(attrs, "cx"), Number(attrs, "cy"), r, r);
    } else if (name == "ellipse") {
        const double rx = Number(attrs, "rx"), ry = Number(attrs, "ry");
        if (rx <= 0 || ry <= 0) return;
        AddEllipse(path, Number(attrs, "cx"), Number(attrs, "cy"), rx, ry);
    } else if (name == "line") {
        path.MoveTo(Number(attrs, "x1"), Number(attrs, "y1"));
        path.LineTo(Number(attrs, "x2"), Number(attrs, "y2"));
        // A line has nothing to fill.
        e.style.fill = Paint{};
    } else if (name == "polyline" || name == "polygon") {
        const std::string* points = Find(attrs, "points");
        const std::vector<double> v = points ? ParseNumbers(*points) : std::vector<double>{};
        if (v.size() < 4) return;
        path.MoveTo(v[0], v[1]);
        for (size_t i = 2; i + 1 < v.size(); i += 2) path.LineTo(v[i], v[i + 1]);
        if (name == "polygon") path.Close();
    } else if (name == "path") {
        const std::string* d = Find(attrs, "d");
        if (!d) return;
        path = ParsePathData(*d);
    } else {
        return;
    }
    if (path.empty()) return;
    picture_.elements.push_back(std::move(e));
}

void Reader::StartElement(std::string_view name, const std::vector<Attribute>& attrs, bool empty) {
    Style style = styles_.empty() ? Style{} : styles_.back();
    for (const Attribute& a : attrs) ApplyAttribute(style, a.name, a.value);

    if (name == "svg" && !picture_.valid) {
        if (const std::string* box = Find(attrs, "viewBox")) {
            const std::vector<double> v = ParseNumbers(*box);
            if (v.size() == 4 && v[2] > 0 && v[3] > 0) {
                picture_.viewX = v[0];
                picture_.viewY = v[1];
                picture_.viewWidth = v[2];
                picture_.viewHeight = v[3];
            }
        }
        picture_.width = Number(attrs, "width", picture_.viewWidth);
        picture_.height = Number(attrs, "height", picture_.viewHeight);
        if (picture_.viewWidth <= 0 || picture_.viewHeight <= 0) {
            picture_.viewWidth = picture_.width;
            picture_.viewHeight = picture_.height;
        }
        picture_.valid = picture_.width > 0 && picture_.height > 0;
    } else if (name == "linearGradient") {
        Gradient g;
        if (const std::string* id = Find(attrs, "id")) g.id = *id;
        g.x1 = Number(attrs, "x1", 0);
        g.y1 = Number(attrs, "y1", 0);
        g.x2 = Number(attrs, "x2", 1);
        g.y2 = Number(attrs, "y2", 0);
        picture_.gradients.push_back(std::move(g));
        gradient_ = empty ? -1 : static_cast<int>(picture_.gradients.size()) - 1;
    } else if (name == "stop" && gradient_ >= 0) {
        GradientStop stop;
        if (const std::string* offset = Find(attrs, "offset")) {
            const std::string_view o = Trim(*offset);
            size_t at = 0;
            const double v = ReadNumber(o, at).value_or(0);
            stop.offset = std::clamp(at < o.size() && o[at] == '%' ? v / 100 : v, 0.0, 1.0);
        }
        if (const std::string* colour = Find(attrs, "stop-color")) ParseColour(*colour, stop.rgb);
        picture_.gradients[static_cast<size_t>(gradient_)].stops.push_back(stop);
    } else if (name == "text") {
        inText_ = true;
        text_ = Element{};
        text_.kind = Element::Kind::Text;
        text_.style = style;
        text_.x = Number(attrs, "x");
        text_.y = Number(attrs, "y");
        textContent_.clear();
    } else if (picture_.valid && !open_.empty() &&
               std::find(open_.begin(), open_.end(), "defs") == open_.end()) {
        AddShape(name, attrs, style);
    }
    if (!empty) {
        open_.emplace_back(name);
        styles_.push_back(std::move(style));
    } else if (name == "text") {
        EndElement(name);
    }
}

void Reader::EndElement(std::string_view name) {
    if (name == "text" && inText_) {
        inText_ = false;
        // Runs of white space become one blank; none at either end.
        std::string collapsed;
        bool space = false;
        for (char c : textContent_) {
            if (IsSpace(c)) {
                space = !collapsed.empty();
            } else {
                if (space) collapsed += ' ';
                space = false;
                collapsed += c;
            }
        }
        if (!collapsed.empty()) {
            text_.text = FromUtf8(collapsed);
            picture_.elements.push_back(std::move(text_));
        }
    }
    if (name == "linearGradient") gradient_ = -1;
    // Closes the innermost open element of that name (and any left open in it).
    for (size_t i = open_.size(); i-- > 0;) {
        if (open_[i] == name) {
            open_.resize(i);
            styles_.resize(i);
            break;
        }
    }
}

Picture Reader::Read() {
    size_t at = 0;
    while (at < s_.size()) {
        if (s_[at] != '<') {
            const size_t end = s_.find('<', at);
            const std::string_view text = s_.substr(at, end == s_.npos ? s_.npos : end - at);
            if (inText_) textContent_ += Decoded(text);
            at = end == s_.npos ? s_.size() : end;
            continue;
        }
        if (s_.compare(at, 4, "<!--") == 0) {
            const size_t end = s_.find("-->", at + 4);
            at = end == s_.npos ? s_.size() : end + 3;
            continue;
        }
        if (s_.compare(at, 2, "<?") == 0 || s_.compare(at, 2, "<!") == 0) {
            const size_t end = s_.find('>', at);
            at = end == s_.npos ? s_.size() : end + 1;
            continue;
        }
        const bool closing = s_.compare(at, 2, "</") == 0;
        size_t i = at + (closing ? 2 : 1);
        const size_t nameStart = i;
        while (i < s_.size() && !IsSpace(s_[i]) && s_[i] != '>' && s_[i] != '/') ++i;
        const std::string_view name = s_.substr(nameStart, i - nameStart);
        std::vector<Attribute> attrs;
        bool empty = false;
        while (i < s_.size()) {
            while (i < s_.size() && IsSpace(s_[i])) ++i;
            if (i >= s_.size()) break;
            if (s_[i] == '>') {
                ++i;
                break;
            }
            if (s_[i] == '/') {
                empty = true;
                ++i;
                continue;
            }
            const size_t attrStart = i;
            while (i < s_.size() && s_[i] != '=' && !IsSpace(s_[i]) && s_[i] != '>') ++i;
            const std::string_view attrName = s_.substr(attrStart, i - attrStart);
            while (i < s_.size() && IsSpace(s_[i])) ++i;
            if (i < s_.size() && s_[i] == '=') {
                ++i;
                while (i < s_.size() && IsSpace(s_[i])) ++i;
                if (i < s_.size() && (s_[i] == '"' || s_[i] == '\'')) {
                    const char quote = s_[i++];
                    const size_t end = s_.find(quote, i);
                    const size_t stop = end == s_.npos ? s_.size() : end;
                    attrs.push_back({attrName, Decoded(s_.substr(i, stop - i))});
                    i = end == s_.npos ? s_.size() : end + 1;
                    continue;
                }
            }
            if (attrName.empty()) ++i;  // a stray character
        }
        at = i;
        if (closing) {
            EndElement(name);
        } else if (!name.empty()) {
            StartElement(name, attrs, empty);
        }
    }
    return picture_;
}

Picture Parse(std::string_view document) {
    return Reader(document).Read();
}

}  // namespace kelvara::svg
