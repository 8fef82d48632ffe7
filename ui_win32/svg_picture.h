// The program's pictures (resources/*.svg) and the report's figures are
// SVG documents of a small subset: rect (also rounded), circle, ellipse,
// line, polyline, polygon, path (M L H V C A Z, absolute and relative), text,
// groups whose presentation attributes the shapes inherit, and linear
// gradients in user space. This reads such a document into shapes whose
// outlines are lines and cubic Bézier curves, ready for any drawing library.
// It is plain C++: the Win32 window draws it with GDI+.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "window/text.h"

namespace kelvara::svg {

// A paint: none, a colour, or a gradient of the document.
struct Paint {
    enum class Kind { None, Colour, Gradient };
    Kind kind = Kind::None;
    unsigned rgb = 0;   // 0xRRGGBB
    int gradient = -1;  // index into Picture::gradients
    friend bool operator==(const Paint&, const Paint&) = default;
};

struct GradientStop {
    double offset = 0;  // 0..1
    unsigned rgb = 0;
};

// A linear gradient in the user space of the document.
struct Gradient {
    std::string id;
    double x1 = 0, y1 = 0, x2 = 1, y2 = 0;
    std::vector<GradientStop> stops;
};

// An outline: figures of lines and cubic curves.
struct Path {
    enum class Op { Move, Line, Cubic, Close };
    std::vector<Op> ops;
    std::vector<double> points;  // Move, Line: x y; Cubic: x1 y1 x2 y2 x y

    void MoveTo(double x, double y);
    void LineTo(double x, double y);
    void CubicTo(double x1, double y1, double x2, double y2, double x, double y);
    void Close();
    bool empty() const { return ops.empty(); }
};

enum class Anchor { Start, Middle, End };
enum class LineCap { Butt, Round, Square };
enum class LineJoin { Miter, Round, Bevel };

// The presentation attributes in effect for a shape or a text.
struct Style {
    Paint fill{Paint::Kind::Colour, 0x000000, -1};
    Paint stroke;
    double strokeWidth = 1;
    LineCap cap = LineCap::Butt;
    LineJoin join = LineJoin::Miter;
    std::vector<double> dashes;
    bool evenOdd = false;
    std::vector<std::string> fontFamilies;  // in order of preference
    double fontSize = 16;
    bool bold = false;
    Anchor anchor = Anchor::Start;
    bool centralBaseline = false;  // dominant-baseline="central": y is the text's middle
};

struct Element {
    enum class Kind { Shape, Text };
    Kind kind = Kind::Shape;
    Style style;
    Path path;  // a shape
    Text text;  // a text, at its anchor point (x, y) on its baseline
    double x = 0, y = 0;
};

struct Picture {
    bool valid = false;
    // The size the document asks for (width and height, in its units; mm
    // are converted at 96 per inch) and its view box.
    double width = 0, height = 0;
    double viewX = 0, viewY = 0, viewWidth = 0, viewHeight = 0;
    std::vector<Element> elements;  // in drawing order
    std::vector<Gradient> gradients;
};

// Reads a document (UTF-8). Elements outside the subset are left out;
// `valid` is false when there is no <svg> element with a size.
Picture Parse(std::string_view document);

// Parsing pieces, for the tests.
bool ParseColour(std::string_view text, unsigned& rgb);
std::vector<double> ParseNumbers(std::string_view text);
Path ParsePathData(std::string_view d);

}  // namespace kelvara::svg
