#include "platform/keep_visible.h"

#include <climits>
#include <gtest/gtest.h>

TEST(KeepVisible, ShiftsUntilTheMarginIsInside)
{
    const Rect screen{0, 0, 1024, 768};
    struct { Rect in; int mx, my; Rect want; } cases[] = {
        {{-500, 10, -400, 60}, 32, 32, {-68, 10, 32, 60}},   // the worked example
        {{-500, 10, -400, 60}, -1, -1, {-68, 10, 32, 60}},   // -1 means 32
        {{2000, 900, 2100, 956}, 32, 32, {992, 736, 1092, 792}},
        {{100, 100, 300, 156}, 32, 32, {100, 100, 300, 156}}, // already visible
        {{-100, 10, 20, 60}, 16, 16, {-100, 10, 20, 60}},     // 20 px inside is enough for 16
        {{-5000, 0, 5000, 56}, 32, 32, {-5000, 0, 5000, 56}}, // wider than the area: spans it
        {{-9000, 0, -2000, 56}, 32, 32, {-6968, 0, 32, 56}},  // wider and off to the left
        {{1010, 0, 1020, 10}, 32, 32, {992, 22, 1002, 32}},   // smaller than the margins: wholly inside
        // Each axis keeps its own margin.
        {{-500, 2000, -400, 2056}, 10, 50, {-90, 718, 10, 774}},
        {{2000, -500, 2100, -400}, 50, 10, {974, -90, 1074, 10}},
    };
    for (auto& c : cases)
        EXPECT_EQ(KeepRectInArea(c.in, screen, c.mx, c.my), c.want)
            << c.in.left << "," << c.in.top << "," << c.in.right << "," << c.in.bottom;
}

TEST(KeepVisible, ExtremeCoordinatesEndUpReachable)
{
    const Rect area{-1280, 0, 0, 1024}; // a monitor left of the primary one
    const Rect cases[] = {
        {INT_MIN, INT_MIN, INT_MIN + 10, INT_MIN + 10}, {INT_MAX - 10, INT_MAX - 10, INT_MAX, INT_MAX},
        {INT_MIN, INT_MIN, INT_MAX, INT_MAX},           {INT_MAX, INT_MAX, INT_MIN, INT_MIN},
        {INT_MIN, 0, INT_MIN + 1, 1},                   {0, INT_MAX - 1, 1, INT_MAX}};
    for (const Rect& in : cases) {
        const Rect out = KeepRectInArea(in, area, 32, 32);
        if (in.IsEmpty())
            continue; // an empty rectangle is never placed
        EXPECT_TRUE(RectsMeet(out, area)) << in.left << "," << in.top << "," << in.right << "," << in.bottom;
    }
    // A margin larger than the area still meets it, from either side.
    const Rect tiny{0, 0, 20, 20};
    EXPECT_TRUE(RectsMeet(KeepRectInArea({-100, -100, -90, -90}, tiny, 32, 32), tiny));
    EXPECT_TRUE(RectsMeet(KeepRectInArea({100, 100, 110, 110}, tiny, 32, 32), tiny));
    // No area, no change.
    EXPECT_EQ(KeepRectInArea({-500, 0, -400, 10}, Rect{}, 32, 32), (Rect{-500, 0, -400, 10}));
}

TEST(KeepVisible, LimitExtentThenKeepReachable)
{
    const Rect screen{0, 0, 1280, 1024};
    const Rect huge{INT_MIN, 0, INT_MAX, 56};
    const Rect limited = LimitRectExtent(huge);
    EXPECT_EQ(limited.Width(), kMaxWindowExtent);
    const Rect placed = KeepRectInArea(limited, screen, 32, 32);
    EXPECT_EQ(placed.right, 32);
    EXPECT_EQ(LimitRectExtent({10, 10, 700, 66}), (Rect{10, 10, 700, 66}));
}
