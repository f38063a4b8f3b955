#include "ruler/ruler_geometry.h"
#include "ruler/view_flags.h"

#include <climits>
#include <gtest/gtest.h>

// Readable failures; internal linkage so other test files may print rectangles their way.
static void PrintTo(const Rect& r, std::ostream* os)
{
    *os << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}
static void PrintTo(const Point& p, std::ostream* os)
{
    *os << "(" << p.x << "," << p.y << ")";
}

namespace {

constexpr int kStrip = 16;  // tmHeight + tmExternalLeading of the ruler font

// One ruler 400 long and 56 thick, in each orientation and side, with and without magnifier.
struct LayoutCase {
    const char* name;
    std::uint32_t style;
    Rect client, graduated, magnifier;
    Point zeroInner, zeroOutside;
    Rect strip, icon, text;
    Point textOrigin, stripOrigin;
    Rect scaleErase, scalePaint;
    Point guideAt;
    Rect guide;
};

const LayoutCase kLayouts[] = {
    {"horz", RS_HORZ, {0, 0, 400, 56}, {0, 0, 400, 56}, {}, {0, 56}, {0, 56},
     {0, 0, 400, 16}, {0, 0, 20, 16}, {20, 0, 420, 16}, {20, 0}, {0, 0},
     {0, 16, 400, 56}, {0, 17, 400, 56}, {100, 30}, {100, 16, 101, 56}},
    {"horz flipped", RS_HORZ | RS_FLIPPED, {0, 0, 400, 56}, {0, 0, 400, 56}, {}, {0, 0}, {0, -1},
     {0, 40, 400, 56}, {0, 40, 20, 56}, {20, 40, 420, 56}, {20, 40}, {0, 40},
     {0, 0, 400, 40}, {0, 0, 400, 39}, {100, 30}, {100, 0, 101, 40}},
    {"horz magnifier", RS_HORZ | RS_MAGNIFIER, {0, 0, 400, 56}, {0, 0, 344, 56}, {344, 0, 400, 56}, {0, 56}, {0, 56},
     {0, 0, 344, 16}, {0, 0, 20, 16}, {20, 0, 364, 16}, {20, 0}, {0, 0},
     {0, 16, 344, 56}, {0, 17, 344, 56}, {344, 30}, {344, 16, 345, 56}},
    {"horz flipped magnifier", RS_HORZ | RS_FLIPPED | RS_MAGNIFIER, {0, 0, 400, 56}, {0, 0, 344, 56},
     {344, 0, 400, 56}, {0, 0}, {0, -1},
     {0, 40, 344, 56}, {0, 40, 20, 56}, {20, 40, 364, 56}, {20, 40}, {0, 40},
     {0, 0, 344, 40}, {0, 0, 344, 39}, {345, 30}, {}},
    {"vert", RS_VERT, {0, 0, 56, 400}, {0, 0, 56, 400}, {}, {56, 0}, {56, 0},
     {0, 0, 16, 400}, {0, 0, 16, 20}, {0, 20, 16, 420}, {16, 20}, {16, 0},
     {16, 0, 56, 400}, {17, 0, 56, 400}, {30, 100}, {16, 100, 56, 101}},
    {"vert flipped", RS_VERT | RS_FLIPPED, {0, 0, 56, 400}, {0, 0, 56, 400}, {}, {0, 0}, {-1, 0},
     {40, 0, 56, 400}, {40, 0, 56, 20}, {40, 20, 56, 420}, {56, 20}, {56, 0},
     {0, 0, 40, 400}, {0, 0, 39, 400}, {30, 100}, {0, 100, 40, 101}},
    {"vert magnifier", RS_VERT | RS_MAGNIFIER, {0, 0, 56, 400}, {0, 0, 56, 344}, {0, 344, 56, 400}, {56, 0}, {56, 0},
     {0, 0, 16, 344}, {0, 0, 16, 20}, {0, 20, 16, 364}, {16, 20}, {16, 0},
     {16, 0, 56, 344}, {17, 0, 56, 344}, {30, -1}, {}},
    {"vert flipped magnifier", RS_VERT | RS_FLIPPED | RS_MAGNIFIER, {0, 0, 56, 400}, {0, 0, 56, 344},
     {0, 344, 56, 400}, {0, 0}, {-1, 0},
     {40, 0, 56, 344}, {40, 0, 56, 20}, {40, 20, 56, 364}, {56, 20}, {56, 0},
     {0, 0, 40, 344}, {0, 0, 39, 344}, {30, 0}, {0, 0, 40, 1}},
};

}  // namespace

TEST(RulerGeometry, LayoutInEveryOrientationAndSide)
{
    for (const auto& c : kLayouts) {
        SCOPED_TRACE(c.name);
        const std::uint32_t style = c.style | RS_UNIT_CM | RS_WS_POPUP;
        const Rect g = GetGraduatedRect(style, c.client);
        EXPECT_EQ(g, c.graduated);
        EXPECT_EQ(GetMagnifierRect(style, c.client), c.magnifier);
        EXPECT_EQ(GetZeroPoint(style, g, false), c.zeroInner);
        EXPECT_EQ(GetZeroPoint(style, g, true), c.zeroOutside);

        Point origin{-99, -99};
        EXPECT_EQ(GetCaptionStripRect(style, g, kStrip, CSR_STRIP, &origin), c.strip);
        EXPECT_EQ(origin, c.stripOrigin);
        EXPECT_EQ(GetCaptionStripRect(style, g, kStrip, CSR_ICON, nullptr), c.icon);
        EXPECT_EQ(GetCaptionStripRect(style, g, kStrip, CSR_TEXT, &origin), c.text);
        EXPECT_EQ(origin, c.textOrigin);

        EXPECT_EQ(GetScaleRect(style, g, kStrip, false), c.scaleErase);
        EXPECT_EQ(GetScaleRect(style, g, kStrip, true), c.scalePaint);
        EXPECT_EQ(GetGuideRect(style, c.client, g, kStrip, c.guideAt), c.guide);

        const RulerExtent e = GetRulerExtent(style, g);
        EXPECT_EQ(e.thickness, 56);
        EXPECT_EQ(e.length, (c.style & RS_MAGNIFIER) ? 344 : 400);
    }
}

TEST(RulerGeometry, GuideOnlyWithinTheGraduatedLength)
{
    const Rect client{0, 0, 400, 56};
    const Rect g = GetGraduatedRect(RS_HORZ, client);
    struct { int x; bool drawn; } cases[] = {{-1, false}, {0, true}, {399, true}, {400, true}, {401, false},
                                             {INT_MIN, false}, {INT_MAX, false}};
    for (const auto& c : cases)
        EXPECT_EQ(!GetGuideRect(RS_HORZ, client, g, kStrip, {c.x, 10}).IsEmpty(), c.drawn) << c.x;
}

TEST(RulerGeometry, DegenerateSizesNeverGoNegative)
{
    // A horizontal client shorter than it is thick: the square takes everything.
    const Rect shortClient{0, 0, 30, 56};
    const Rect g = GetGraduatedRect(RS_HORZ | RS_MAGNIFIER, shortClient);
    EXPECT_EQ(g, (Rect{0, 0, 0, 56}));
    EXPECT_EQ(GetMagnifierRect(RS_HORZ | RS_MAGNIFIER, shortClient), (Rect{-26, 0, 30, 56}));
    EXPECT_EQ(GetRulerExtent(RS_HORZ, g).length, 0);
    const Rect gv = GetGraduatedRect(RS_VERT | RS_MAGNIFIER, Rect{0, 0, 56, 30});
    EXPECT_EQ(gv, (Rect{0, 0, 56, 0}));
    EXPECT_EQ(GetMagnifierRect(RS_VERT | RS_MAGNIFIER, Rect{10, 20, 10, 80}), Rect{});  // no width: no square
    EXPECT_EQ(GetRulerExtent(RS_VERT, Rect{5, 5, 5, 5}).length, 0);
    EXPECT_EQ(GetRulerExtent(RS_VERT, Rect{5, 5, 5, 5}).thickness, 0);
    EXPECT_EQ(GetCaptionStripRect(RS_HORZ, Rect{0, 0, 400, 56}, 0, CSR_TEXT, nullptr).Height(), 0);

    // A caption strip thicker than the ruler leaves an empty scale area and no guide.
    const std::uint32_t styles[] = {RS_HORZ, RS_HORZ | RS_FLIPPED, RS_VERT, RS_VERT | RS_FLIPPED};
    for (std::uint32_t style : styles) {
        const Rect client = (style & RS_VERT) ? Rect{0, 0, 10, 400} : Rect{0, 0, 400, 10};
        for (bool paint : {false, true}) {
            const Rect s = GetScaleRect(style, client, 16, paint);
            EXPECT_GE(s.Width(), 0) << style;
            EXPECT_GE(s.Height(), 0) << style;
            EXPECT_TRUE(s.IsEmpty()) << style;
        }
        EXPECT_TRUE(GetGuideRect(style, client, client, 16, {5, 5}).IsEmpty()) << style;
    }
    EXPECT_EQ(GetCaptionStripRect(RS_HORZ, Rect{0, 0, 400, 56}, 16, 3, nullptr), Rect{});
}

TEST(RulerGeometry, DefaultRectangles)
{
    struct { bool vertical; int w, h; Rect want; } cases[] = {
        {false, 1280, 1024, {320, 128, 960, 184}},
        {true, 1280, 1024, {160, 256, 216, 768}},
        {false, 1366, 768, {342, 96, 1025, 152}},  // MulDiv rounds 341.5 up
        {true, 1366, 770, {171, 193, 227, 578}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetDefaultRulerRect(c.vertical, c.w, c.h), c.want) << c.w << "x" << c.h;
}

TEST(RulerGeometry, IconBoxOfAnotherDensity)
{
    // A 150 % monitor: a 30-pixel icon box; the text starts after it, on either axis.
    const std::uint32_t horz = RS_HORZ | RS_UNIT_CM | RS_WS_POPUP, vert = RS_VERT | RS_UNIT_CM | RS_WS_POPUP;
    const Rect gh = GetGraduatedRect(horz, Rect{0, 0, 400, 56});
    const Rect gv = GetGraduatedRect(vert, Rect{0, 0, 56, 400});
    Point origin{};
    EXPECT_EQ(GetCaptionStripRect(horz, gh, 24, CSR_ICON, nullptr, 30), (Rect{0, 0, 30, 24}));
    EXPECT_EQ(GetCaptionStripRect(horz, gh, 24, CSR_TEXT, &origin, 30), (Rect{30, 0, 430, 24}));
    EXPECT_EQ(origin, (Point{30, 0}));
    EXPECT_EQ(GetCaptionStripRect(vert, gv, 24, CSR_ICON, nullptr, 30), (Rect{0, 0, 24, 30}));
    EXPECT_EQ(GetCaptionStripRect(vert, gv, 24, CSR_TEXT, &origin, 30), (Rect{0, 30, 24, 430}));
    EXPECT_EQ(origin, (Point{24, 30}));
}
