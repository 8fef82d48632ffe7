// The picture of the windings in the bobbin, to scale and without any
// toolkit: the bobbin's winding space (width bw between the flanges, height bh
// from the tube), every layer of both windings and the tapes between them, and
// a legend. Co-ordinates are mm with x across the bobbin from one flange and y
// from the tube outwards; the window and the report only scale them.
#pragma once

#include <string>
#include <vector>

#include "calc/winding.h"
#include "refdata/text.h"

namespace kelvara {

struct WindingShape {
    enum class Kind { Space, Primary, Secondary, Tape, Overflow };
    Kind kind = Kind::Space;
    double x = 0, y = 0, width = 0, height = 0;  // mm
};

struct WindingPicture {
    bool drawn = false;  // false: no build-up to show (no wire, a turn wider than the bobbin)
    double width = 0;    // the bobbin's width bw, mm
    double height = 0;   // what is shown: the larger of bh and the build-up, mm
    std::vector<WindingShape> shapes;  // drawing order: space, tapes, layers, overflow
    std::vector<Text> legend;          // one line each: primary, secondary, bobbin
};

// Colours of the picture, 0xRRGGBB.
unsigned WindingColour(WindingShape::Kind kind);

WindingPicture BuildWindingPicture(const WindingBuild& build);

// The picture as an SVG document, `scale` pixels per mm, the legend below.
std::string WindingPictureSvg(const WindingPicture& picture, double scale = 20);

}  // namespace kelvara
