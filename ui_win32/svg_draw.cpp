#include "ui_win32/svg_draw.h"

#include <map>
#include <memory>
#include <string>

namespace kelvara::win32 {

namespace {

using Gdiplus::PointF;

std::unique_ptr<Gdiplus::GraphicsPath> MakePath(const svg::Path& path, bool evenOdd) {
    auto out = std::make_unique<Gdiplus::GraphicsPath>(evenOdd ? Gdiplus::FillModeAlternate
                                                               : Gdiplus::FillModeWinding);
    size_t at = 0;
    PointF current(0, 0);
    const auto p = [&](size_t i) {
        return PointF(static_cast<Gdiplus::REAL>(path.points[i]),
                      static_cast<Gdiplus::REAL>(path.points[i + 1]));
    };
    for (svg::Path::Op op : path.ops) {
        switch (op) {
            case svg::Path::Op::Move:
                out->StartFigure();
                current = p(at);
                at += 2;
                break;
            case svg::Path::Op::Line: {
                const PointF to = p(at);
                out->AddLine(current, to);
                current = to;
                at += 2;
                break;
            }
            case svg::Path::Op::Cubic: {
                const PointF c1 = p(at), c2 = p(at + 2), to = p(at + 4);
                out->AddBezier(current, c1, c2, to);
                current = to;
                at += 6;
                break;
            }
            case svg::Path::Op::Close:
                out->CloseFigure();
                break;
        }
    }
    return out;
}

// A gradient brush that keeps its end colours beyond its ends, as SVG pads
// them: the line is drawn out far on both sides and the stops moved in.
std::unique_ptr<Gdiplus::Brush> GradientBrush(const svg::Gradient& g) {
    if (g.stops.empty()) return nullptr;
    if (g.stops.size() == 1 || (g.x1 == g.x2 && g.y1 == g.y2)) {
        return std::make_unique<Gdiplus::SolidBrush>(ToColor(g.stops.back().rgb));
    }
    constexpr double k = 50;  // lengths added on each side
    const double dx = g.x2 - g.x1, dy = g.y2 - g.y1;
    const PointF from(static_cast<Gdiplus::REAL>(g.x1 - k * dx),
                      static_cast<Gdiplus::REAL>(g.y1 - k * dy));
    const PointF to(static_cast<Gdiplus::REAL>(g.x2 + k * dx),
                    static_cast<Gdiplus::REAL>(g.y2 + k * dy));
    std::vector<Gdiplus::Color> colours;
    std::vector<Gdiplus::REAL> positions;
    colours.push_back(ToColor(g.stops.front().rgb));
    positions.push_back(0);
    double last = 0;
    for (const svg::GradientStop& s : g.stops) {
        last = std::max(last, s.offset);  // offsets never go back
        colours.push_back(ToColor(s.rgb));
        positions.push_back(static_cast<Gdiplus::REAL>((k + last) / (2 * k + 1)));
    }
    colours.push_back(ToColor(g.stops.back().rgb));
    positions.push_back(1);
    auto brush =
        std::make_unique<Gdiplus::LinearGradientBrush>(from, to, colours.front(), colours.back());
    brush->SetInterpolationColors(colours.data(), positions.data(),
                                  static_cast<INT>(colours.size()));
    brush->SetWrapMode(Gdiplus::WrapModeTileFlipXY);
    return brush;
}

std::unique_ptr<Gdiplus::Brush> MakeBrush(const svg::Picture& picture, const svg::Paint& paint) {
    switch (paint.kind) {
        case svg::Paint::Kind::None:
            return nullptr;
        case svg::Paint::Kind::Colour:
            return std::make_unique<Gdiplus::SolidBrush>(ToColor(paint.rgb));
        case svg::Paint::Kind::Gradient:
            if (paint.gradient < 0 ||
                paint.gradient >= static_cast<int>(picture.gradients.size())) {
                return nullptr;
            }
            return GradientBrush(picture.gradients[static_cast<size_t>(paint.gradient)]);
    }
    return nullptr;
}

std::unique_ptr<Gdiplus::Pen> MakePen(const svg::Picture& picture, const svg::Style& style) {
    if (style.stroke.kind == svg::Paint::Kind::None || style.strokeWidth <= 0) return nullptr;
    const auto width = static_cast<Gdiplus::REAL>(style.strokeWidth);
    std::unique_ptr<Gdiplus::Pen> pen;
    if (style.stroke.kind == svg::Paint::Kind::Colour) {
        pen = std::make_unique<Gdiplus::Pen>(ToColor(style.stroke.rgb), width);
    } else {
        const std::unique_ptr<Gdiplus::Brush> brush = MakeBrush(picture, style.stroke);
        if (!brush) return nullptr;
        pen = std::make_unique<Gdiplus::Pen>(brush.get(), width);
    }
    const Gdiplus::LineCap cap = style.cap == svg::LineCap::Round    ? Gdiplus::LineCapRound
                                 : style.cap == svg::LineCap::Square ? Gdiplus::LineCapSquare
                                                                     : Gdiplus::LineCapFlat;
    pen->SetLineCap(
        cap, cap, style.cap == svg::LineCap::Round ? Gdiplus::DashCapRound : Gdiplus::DashCapFlat);
    pen->SetLineJoin(style.join == svg::LineJoin::Round   ? Gdiplus::LineJoinRound
                     : style.join == svg::LineJoin::Bevel ? Gdiplus::LineJoinBevel
                                                          : Gdiplus::LineJoinMiterClipped);
    if (!style.dashes.empty()) {
        // GDI+ measures dashes in pen widths; an odd list repeats once.
        std::vector<Gdiplus::REAL> dashes;
        for (int pass = 0; pass < (style.dashes.size() % 2 ? 2 : 1); ++pass) {
            for (double d : style.dashes) {
                dashes.push_back(static_cast<Gdiplus::REAL>(std::max(d, 0.01) / style.strokeWidth));
            }
        }
        pen->SetDashPattern(dashes.data(), static_cast<INT>(dashes.size()));
    }
    return pen;
}

std::wstring FamilyOf(const svg::Style& style) {
    std::vector<std::wstring> families;
    for (const std::string& f : style.fontFamilies) {
        if (f == "sans-serif") {
            families.push_back(L"Arial");
            families.push_back(L"Liberation Sans");
            families.push_back(L"Segoe UI");
        } else if (f == "serif") {
            families.push_back(L"Times New Roman");
        } else if (f == "monospace") {
            families.push_back(L"Courier New");
        } else {
            std::wstring wide;
            const Text t = FromUtf8(f);
            wide.assign(t.begin(), t.end());
            families.push_back(wide);
        }
    }
    families.push_back(L"Arial");
    return InstalledFamily(families, L"Tahoma");
}

void DrawText(Gdiplus::Graphics& g, const svg::Picture& picture, const svg::Element& e) {
    const std::unique_ptr<Gdiplus::Brush> brush = MakeBrush(picture, e.style.fill);
    if (!brush || e.text.empty()) return;
    const std::wstring familyName = FamilyOf(e.style);
    const Gdiplus::FontFamily family(familyName.c_str());
    const INT styleBits = e.style.bold ? Gdiplus::FontStyleBold : Gdiplus::FontStyleRegular;
    const auto size = static_cast<Gdiplus::REAL>(e.style.fontSize);
    const Gdiplus::Font font(&family, size, styleBits, Gdiplus::UnitPixel);
    const std::wstring text(e.text.begin(), e.text.end());
    Gdiplus::StringFormat format(Gdiplus::StringFormat::GenericTypographic());
    format.SetFormatFlags(format.GetFormatFlags() | Gdiplus::StringFormatFlagsNoWrap |
                          Gdiplus::StringFormatFlagsMeasureTrailingSpaces);
    Gdiplus::RectF box;
    g.MeasureString(text.c_str(), static_cast<INT>(text.size()), &font, PointF(0, 0), &format,
                    &box);
    const double em = family.GetEmHeight(styleBits);
    const double ascent = em > 0 ? size * family.GetCellAscent(styleBits) / em : size * 0.9;
    const double descent = em > 0 ? size * family.GetCellDescent(styleBits) / em : size * 0.2;
    double x = e.x;
    if (e.style.anchor == svg::Anchor::Middle) x -= box.Width / 2;
    if (e.style.anchor == svg::Anchor::End) x -= box.Width;
    const double top = e.style.centralBaseline ? e.y - (ascent + descent) / 2 : e.y - ascent;
    g.DrawString(text.c_str(), static_cast<INT>(text.size()), &font,
                 PointF(static_cast<Gdiplus::REAL>(x), static_cast<Gdiplus::REAL>(top)), &format,
                 brush.get());
}

}  // namespace

void DrawSvg(Gdiplus::Graphics& g, const svg::Picture& picture, const Gdiplus::RectF& target) {
    if (!picture.valid || picture.viewWidth <= 0 || picture.viewHeight <= 0) return;
    const double scale =
        std::min(target.Width / picture.viewWidth, target.Height / picture.viewHeight);
    if (!(scale > 0)) return;
    const double w = picture.viewWidth * scale, h = picture.viewHeight * scale;
    const Gdiplus::GraphicsState saved = g.Save();
    g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    g.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAlias);
    g.TranslateTransform(static_cast<Gdiplus::REAL>(target.X + (target.Width - w) / 2),
                         static_cast<Gdiplus::REAL>(target.Y + (target.Height - h) / 2));
    g.ScaleTransform(static_cast<Gdiplus::REAL>(scale), static_cast<Gdiplus::REAL>(scale));
    g.TranslateTransform(static_cast<Gdiplus::REAL>(-picture.viewX),
                         static_cast<Gdiplus::REAL>(-picture.viewY));
    for (const svg::Element& e : picture.elements) {
        if (e.kind == svg::Element::Kind::Text) {
            DrawText(g, picture, e);
            continue;
        }
        const std::unique_ptr<Gdiplus::GraphicsPath> path = MakePath(e.path, e.style.evenOdd);
        if (const std::unique_ptr<Gdiplus::Brush> brush = MakeBrush(picture, e.style.fill)) {
            g.FillPath(brush.get(), path.get());
        }
        if (const std::unique_ptr<Gdiplus::Pen> pen = MakePen(picture, e.style)) {
            g.DrawPath(pen.get(), path.get());
        }
    }
    g.Restore(saved);
}

const svg::Picture& ResourcePicture(std::wstring_view name) {
    static std::map<std::wstring, svg::Picture, std::less<>> pictures;
    auto it = pictures.find(name);
    if (it != pictures.end()) return it->second;
    svg::Picture picture;
    std::wstring resource(name);
    for (wchar_t& c : resource) c = static_cast<wchar_t>(towupper(c));
    const HMODULE module = GetModuleHandleW(nullptr);
    if (const HRSRC info = FindResourceW(module, resource.c_str(), MAKEINTRESOURCEW(10))) {
        if (const HGLOBAL loaded = LoadResource(module, info)) {
            const auto* bytes = static_cast<const char*>(LockResource(loaded));
            const DWORD size = SizeofResource(module, info);
            if (bytes && size > 0) picture = svg::Parse(std::string_view(bytes, size));
        }
    }
    return pictures.emplace(std::wstring(name), std::move(picture)).first->second;
}

Gdiplus::SizeF PictureSize(const svg::Picture& picture, UINT dpi) {
    return Gdiplus::SizeF(static_cast<Gdiplus::REAL>(picture.width * dpi / 96.0),
                          static_cast<Gdiplus::REAL>(picture.height * dpi / 96.0));
}

}  // namespace kelvara::win32
