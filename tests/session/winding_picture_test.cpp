// The picture of the windings in the bobbin: to scale, every layer inside the
// bobbin's width, the tapes between the windings, what rises above the
// flanges marked, the legend; nothing to draw without a build-up.
#include "session/winding_picture.h"

#include <gtest/gtest.h>

namespace kelvara {
namespace {

WindingBuild Built(double bh, double N1, double N2, bool interleaved) {
    Bobbin bobbin;
    bobbin.bw = 20;
    bobbin.bh = bh;
    WindingSpec spec;
    spec.primary = RoundConductor(0.4, 0.45, 2);    // 0.9 mm a turn: 22 turns a layer
    spec.secondary = RoundConductor(1.0, 1.08, 1);  // 18 turns a layer
    spec.N1 = N1;
    spec.N2 = N2;
    spec.interleaved = interleaved;
    return BuildWinding(bobbin, spec);
}

TEST(WindingPicture, EveryLayerInsideTheBobbinAndTheTapesBetween) {
    for (bool interleaved : {false, true}) {
        SCOPED_TRACE(interleaved);
        const WindingBuild b = Built(5, 40, 10, interleaved);
        const WindingPicture p = BuildWindingPicture(b);
        ASSERT_TRUE(p.drawn);
        EXPECT_EQ(p.width, 20);
        EXPECT_EQ(p.height, 5);
        ASSERT_EQ(p.shapes.front().kind, WindingShape::Kind::Space);
        size_t layers = 0, tapes = 0;
        for (const WindingShape& s : p.shapes) {
            EXPECT_GE(s.x, 0);
            EXPECT_LE(s.x + s.width, p.width + 1e-9);
            EXPECT_GE(s.y, 0);
            EXPECT_LE(s.y + s.height, p.height + 1e-9);
            layers +=
                s.kind == WindingShape::Kind::Primary || s.kind == WindingShape::Kind::Secondary;
            tapes += s.kind == WindingShape::Kind::Tape;
            EXPECT_NE(s.kind, WindingShape::Kind::Overflow);
        }
        EXPECT_EQ(layers, b.layers.size());
        // Primary, tape, secondary; interleaved: another tape and the second half.
        EXPECT_EQ(tapes, interleaved ? 2u : 1u);
        ASSERT_EQ(p.legend.size(), 3u);
        EXPECT_EQ(p.legend[0].rfind(u"Первичная: 40 вит.", 0), 0u);
        EXPECT_NE(p.legend[2].find(u"Каркас 20.00 × 5.00 мм"), Text::npos);
    }
}

TEST(WindingPicture, WhatRisesAboveTheFlangesIsMarked) {
    const WindingBuild b = Built(1.5, 100, 30, false);
    ASSERT_GT(b.height, 1.5);
    const WindingPicture p = BuildWindingPicture(b);
    ASSERT_TRUE(p.drawn);
    EXPECT_EQ(p.height, b.height);
    EXPECT_EQ(p.shapes.back().kind, WindingShape::Kind::Overflow);
    EXPECT_DOUBLE_EQ(p.shapes.back().y, 1.5);
    EXPECT_DOUBLE_EQ(p.shapes.back().y + p.shapes.back().height, b.height);
}

TEST(WindingPicture, NothingToDrawWithoutABuildUp) {
    EXPECT_FALSE(BuildWindingPicture(WindingBuild{}).drawn);
    // A turn wider than the bobbin.
    Bobbin narrow;
    narrow.bw = 1;
    narrow.bh = 5;
    WindingSpec spec;
    spec.primary = RoundConductor(1, 1.1, 4);
    spec.secondary = spec.primary;
    spec.N1 = 10;
    spec.N2 = 2;
    EXPECT_FALSE(BuildWindingPicture(BuildWinding(narrow, spec)).drawn);
    EXPECT_EQ(WindingPictureSvg(WindingPicture{}), "");
}

TEST(WindingPicture, SvgHasOneRectanglePerShapeAndTheLegend) {
    const WindingPicture p = BuildWindingPicture(Built(5, 40, 10, false));
    const std::string svg = WindingPictureSvg(p, 10);
    size_t rects = 0;
    for (size_t at = svg.find("<rect"); at != std::string::npos; at = svg.find("<rect", at + 1))
        ++rects;
    EXPECT_EQ(rects, p.shapes.size());
    EXPECT_NE(svg.find(ToUtf8(p.legend[1])), std::string::npos);
    // 20 mm at 10 px per mm, with the margins: the legend widens it to 420.
    EXPECT_NE(svg.find("width=\"420.00\""), std::string::npos);
}

}  // namespace
}  // namespace kelvara
