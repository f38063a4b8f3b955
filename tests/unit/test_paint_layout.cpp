#include "ruler/paint_layout.h"
#include "ruler/view_flags.h"
#include "units/units.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

constexpr int kStrip = 16;
constexpr std::uint32_t kBase = RS_UNIT_CM | RS_WS_POPUP;
const Rect kHorz{0, 0, 400, 56};
const Rect kVert{0, 0, 56, 400};

}  // namespace

TEST(PaintLayout, EraseFillsOnlyWhatTheClipBoxMeets)
{
    struct {
        const char* name;
        std::uint32_t style;
        Rect client, clip, strip;
        bool icon;
        Point iconAt;
        Rect scale;
    } cases[] = {
        {"whole horizontal", RS_HORZ, kHorz, kHorz, {0, 0, 400, 16}, true, {2, 0}, {0, 16, 400, 56}},
        {"whole vertical flipped", RS_VERT | RS_FLIPPED, kVert, kVert, {40, 0, 56, 400}, true, {40, 2},
         {0, 0, 40, 400}},
        {"clip on the scale only", RS_HORZ, kHorz, {100, 30, 200, 40}, {}, false, {}, {100, 30, 200, 40}},
        {"clip on the text, past the icon", RS_HORZ, kHorz, {50, 0, 60, 10}, {50, 0, 60, 10}, false, {}, {}},
        {"clip touching the icon box's last column", RS_HORZ, kHorz, {19, 0, 30, 16}, {19, 0, 30, 16}, true, {2, 0},
         {}},
        {"clip on the magnifier square", RS_HORZ | RS_MAGNIFIER, kHorz, {350, 0, 400, 56}, {}, false, {}, {}},
        {"empty clip", RS_HORZ, kHorz, {}, {}, false, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const EraseLayout l = LayoutErase(c.style | kBase, c.client, kStrip, c.clip);
        EXPECT_EQ(l.strip, c.strip);
        EXPECT_EQ(l.icon, c.icon);
        if (c.icon) {
            EXPECT_EQ(l.iconAt, c.iconAt);
        }
        EXPECT_EQ(l.scale, c.scale);
    }
}

TEST(PaintLayout, PaintDecidesTextGraduationsGuideAndMagnifier)
{
    const Point none{INT_MAX, 0};
    struct {
        const char* name;
        std::uint32_t style;
        Rect clip, outer;
        Point guide;
        bool text, graduations, guideDrawn, magnifier;
    } cases[] = {
        {"whole window", RS_HORZ | RS_GUIDE | RS_MAGNIFIER, {0, 0, 344, 56}, kHorz, {5, 5}, true, true, true, true},
        {"guide on but never drawn", RS_HORZ | RS_GUIDE, kHorz, kHorz, none, true, true, false, false},
        {"guide drawn but off", RS_HORZ, kHorz, kHorz, {5, 5}, true, true, false, false},
        // The scale's paint form starts one pixel below the strip.
        {"clip on the strip's last row", RS_HORZ, {0, 15, 400, 17}, {0, 15, 400, 17}, none, true, false, false, false},
        {"clip on the scale", RS_HORZ, {0, 17, 400, 56}, {0, 17, 400, 56}, none, false, true, false, false},
        {"magnifier outside the outer clip", RS_HORZ | RS_MAGNIFIER, {0, 17, 300, 56}, {0, 17, 300, 56}, none, false,
         true, false, false},
        {"only the magnifier", RS_HORZ | RS_MAGNIFIER, {}, {350, 0, 400, 56}, none, false, false, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PaintLayout l = LayoutPaint(c.style | kBase, kHorz, kStrip, c.clip, c.outer, c.guide);
        EXPECT_EQ(l.text, c.text);
        EXPECT_EQ(l.graduations, c.graduations);
        EXPECT_EQ(l.guide, c.guideDrawn);
        EXPECT_EQ(l.magnifier, c.magnifier);
    }
}

TEST(PaintLayout, DrawnGuideStaysInsideTheGraduatedRectangle)
{
    struct {
        std::uint32_t style;
        Rect client;
        Point p;
        Rect want;
    } cases[] = {
        {RS_HORZ, kHorz, {100, 30}, {100, 16, 101, 56}},
        {RS_HORZ, kHorz, {399, 30}, {399, 16, 400, 56}},
        {RS_HORZ, kHorz, {400, 30}, {}},                   // the column just past the end
        {RS_HORZ | RS_MAGNIFIER, kHorz, {343, 30}, {343, 16, 344, 56}},
        {RS_HORZ | RS_MAGNIFIER, kHorz, {344, 30}, {}},    // would fall on the magnifier's frame
        {RS_VERT | RS_MAGNIFIER, kVert, {30, 344}, {}},
        {RS_VERT | RS_FLIPPED, kVert, {30, 0}, {0, 0, 40, 1}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetDrawnGuideRect(c.style | kBase, c.client, kStrip, c.p), c.want) << c.p.x << "," << c.p.y;
}

TEST(PaintLayout, GraduationsLaidOutForTheClipAlongTheRuler)
{
    const ScaleMetrics m{120, 1440, 1, 8, 150, 12, 13};
    struct {
        std::uint32_t style;
        Rect client, clip;
        int from, to, length, thickness;
        bool inch, vertical, flipped;
    } cases[] = {
        {RS_HORZ | RS_UNIT_IN, kHorz, {30, 5, 90, 50}, 30, 90, 400, 56, true, false, false},
        {RS_VERT | RS_UNIT_CM | RS_FLIPPED, kVert, {5, 30, 50, 90}, 30, 90, 400, 56, false, true, true},
        {RS_HORZ | RS_UNIT_PX | RS_MAGNIFIER, kHorz, {0, 0, 344, 56}, 0, 344, 344, 56, false, false, false},
    };
    for (const auto& c : cases) {
        const GraduationParams p = MakeGraduationParams(c.style | RS_WS_POPUP, c.client, m, c.clip);
        EXPECT_EQ(p.from, c.from);
        EXPECT_EQ(p.to, c.to);
        EXPECT_EQ(p.length, c.length);
        EXPECT_EQ(p.thickness, c.thickness);
        EXPECT_EQ(p.inch, c.inch);
        EXPECT_EQ(p.vertical, c.vertical);
        EXPECT_EQ(p.flipped, c.flipped);
    }
}

TEST(PaintLayout, IconCentredInTheBoxOfItsDensity)
{
    // 150 %: a 30-pixel box and a 24-pixel icon; a clip on the box's last column still meets it.
    const EraseLayout h = LayoutErase(RS_HORZ | kBase, kHorz, 26, Rect{29, 0, 40, 10}, IconBoxSizes{30, 24});
    EXPECT_TRUE(h.icon);
    EXPECT_EQ(h.iconAt, (Point{3, 1}));
    const EraseLayout v = LayoutErase(RS_VERT | kBase, kVert, 26, kVert, IconBoxSizes{30, 24});
    EXPECT_EQ(v.iconAt, (Point{1, 3}));
    EXPECT_FALSE(LayoutErase(RS_HORZ | kBase, kHorz, 26, Rect{30, 0, 40, 10}, IconBoxSizes{30, 24}).icon);
    EXPECT_EQ(LayoutPaint(RS_HORZ | kBase, kHorz, 26, kHorz, kHorz, Point{INT_MAX, 0}, 30).textRect.left, 30);
}
