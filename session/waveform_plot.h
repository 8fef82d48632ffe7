// The picture of one corner's waveforms as drawing primitives, without any
// toolkit: three panels on one time axis in µs — the midpoint voltage with
// the primary and magnetising currents (volts on the left, amperes on the
// right), the Cr voltage, and the rectified secondary current — with the
// turn-off instants and the dead-time swings marked. The window and the
// report only scale the primitives.
//
// Co-ordinates are picture units (pixels at a scale of 1) with x to the right
// and y downwards, (0, 0) the top left corner.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "session/waveforms.h"

namespace kelvara {

struct WavePoint {
    double x = 0, y = 0;
};

struct WaveLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    unsigned colour = 0x000000;
    double width = 1;
    bool dashed = false;
};

struct WaveRect {
    double x = 0, y = 0, w = 0, h = 0;
    unsigned colour = 0;  // filled
};

struct WaveText {
    enum class Align { Left, Centre, Right };
    Text text;
    double x = 0, y = 0;  // the anchor: by Align across, the text's vertical middle
    Align align = Align::Left;
    unsigned colour = 0x000000;
};

struct WaveCurve {
    Text name;
    Text unit;
    unsigned colour = 0;
    int panel = 0;
    bool rightAxis = false;         // panel 0: the currents' axis
    std::vector<WavePoint> points;  // one per sample, in picture units
};

// One panel's plot area and scales.
struct WavePanel {
    double left = 0, top = 0, right = 0, bottom = 0;  // picture units
    double yMin = 0, yMax = 0;                        // left axis
    double y2Min = 0, y2Max = 0;                      // right axis (panel 0 only)
    bool rightAxis = false;
};

struct WaveformPlot {
    bool drawn = false;
    double width = 0, height = 0;
    double tMax = 0;  // µs, the period
    std::vector<WavePanel> panels;
    std::vector<WaveRect> bands;  // dead times (light), swings (stronger)
    std::vector<WaveLine> grid;   // frames, grid lines
    std::vector<WaveCurve> curves;
    std::vector<WaveLine> marks;  // the turn-off instants
    std::vector<WaveText> texts;  // title, legends, tick labels, axis titles, notes
    // The picture x of a time, and back.
    double XOf(double t) const;
    double TimeAt(double x) const;
};

// Text width and height in picture units.
using WaveMeasure = std::function<WavePoint(TextView text)>;

// The picture of a corner in width × height picture units. A corner not
// solved draws only its reason; `stale` adds the note on results of earlier
// inputs.
WaveformPlot BuildWaveformPlot(const CornerWaveform& corner, double width, double height,
                               const WaveMeasure& measure, bool stale = false);

// The colours of the traces and marks, 0xRRGGBB.
namespace wave {
inline constexpr unsigned kMidpoint = 0x404040;
inline constexpr unsigned kPrimary = 0x1f5fbf;
inline constexpr unsigned kMagnetizing = 0x2a9d3a;
inline constexpr unsigned kCr = 0x8e44ad;
inline constexpr unsigned kSecondary = 0xd2691e;
inline constexpr unsigned kTurnOff = 0xc61c1c;
inline constexpr unsigned kDeadTime = 0xf1ead0;
inline constexpr unsigned kSwing = 0xf6c6c6;
inline constexpr unsigned kGrid = 0xd0d0d0;
}  // namespace wave

// The sample of a corner nearest to time t (µs); -1 without samples.
int SampleNearest(const CornerWaveform& corner, double t);

// The picture as an SVG document (the report, "Сохранить изображение").
std::string WaveformPlotSvg(const WaveformPlot& plot);

// A measure for pictures whose texts are set in the report's 12-unit font.
WaveMeasure EstimatedWaveMeasure();

// The values at one sample, as the window's cursor shows them ("t = … мкс:
// Uср.т. … В, …"); empty for a sample the corner does not have.
Text WaveformCursorText(const CornerWaveform& corner, int sample);
// The line below the picture: the corner's frequency, mode, currents and
// swing, and what the bands and marks mean; the reason for a corner not
// solved.
Text WaveformSummary(const CornerWaveform& corner);

}  // namespace kelvara
