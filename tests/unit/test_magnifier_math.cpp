#include "ruler/magnifier_math.h"

#include <climits>
#include <gtest/gtest.h>

static void PrintTo(const Rect& r, std::ostream* os)
{
    *os << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}

namespace {

const Rect kSquare{344, 0, 400, 56};  // the magnifier of a 56-pixel-thick horizontal ruler
const Rect kImage{346, 2, 398, 54};   // M', 52 x 52
const Rect kScreen{0, 0, 1280, 1024};

}  // namespace

TEST(MagnifierMath, SourceSizeAndImage)
{
    EXPECT_EQ(GetMagnifierImageRect(kSquare), kImage);
    struct { Rect square; int zoom; Size want; } cases[] = {
        {kSquare, 400, {13, 13}}, {kSquare, 50, {104, 104}}, {kSquare, 100, {52, 52}}, {kSquare, 300, {17, 17}},
        {kSquare, 1000, {5, 5}},
        {{0, 0, 9, 9}, 1000, {1, 1}},  // 5 x 5 image: 0.5 pixels, kept at one
        {kSquare, 0, {52, 52}}, {kSquare, -400, {52, 52}},
        {{0, 0, 100, 56}, 200, {48, 26}},
        {{}, 400, {}},                  // magnifier hidden: nothing to capture
        {{0, 0, 4, 4}, 100, {}},        // all frame
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetMagnifierSourceSize(GetMagnifierImageRect(c.square), c.zoom), c.want)
            << c.zoom << " " << c.square.right;
}

TEST(MagnifierMath, LayoutTable)
{
    struct {
        const char* name;
        Rect square;
        int zoom;
        Point p;
        Rect screen, source, dest;
        bool partial;
    } cases[] = {
        {"zoom 400 centred", kSquare, 400, {500, 500}, kScreen, {494, 494, 507, 507}, kImage, false},
        {"zoom 50 reduces", kSquare, 50, {500, 500}, kScreen, {448, 448, 552, 552}, kImage, false},
        {"top-left corner", kSquare, 400, {0, 0}, kScreen, {-6, -6, 7, 7}, {370, 26, 398, 54}, true},
        {"bottom-right corner", kSquare, 400, {1279, 1023}, kScreen, {1273, 1017, 1286, 1030}, {346, 2, 374, 30}, true},
        {"rounding at zoom 300", kSquare, 300, {0, 0}, kScreen, {-8, -8, 9, 9}, {370, 26, 398, 54}, true},
        {"left monitor edge", kSquare, 400, {-1280, 500}, {-1280, 0, 1280, 1024}, {-1286, 494, -1273, 507},
         {370, 2, 398, 54}, true},
        {"off the desktop", kSquare, 400, {-100, -100}, kScreen, {-106, -106, -93, -93}, {}, true},
        {"one source pixel", {0, 0, 9, 9}, 1000, {-5, 3}, kScreen, {-5, 3, -4, 4}, {}, true},
        {"hidden", {}, 400, {500, 500}, kScreen, {}, {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const MagnifierLayout l = LayoutMagnifier(c.square, c.zoom, c.p, c.screen);
        EXPECT_EQ(l.source, c.source);
        EXPECT_EQ(l.dest, c.dest);
        EXPECT_EQ(l.partial, c.partial);
        EXPECT_EQ(l.visible, IntersectRects(c.source, c.screen));
    }
}

TEST(MagnifierMath, ExtremePointerSaturates)
{
    const MagnifierLayout l = LayoutMagnifier(kSquare, 50, {INT_MAX, INT_MIN}, kScreen);
    EXPECT_TRUE(l.partial);
    EXPECT_TRUE(l.dest.IsEmpty());
    const Rect s = GetMagnifierSourceRect({INT_MAX, INT_MAX}, {104, 104});
    EXPECT_EQ(s.right, INT_MAX);
    EXPECT_LE(s.left, s.right);
}
