#include "ruler/window_moves.h"

#include <climits>
#include <gtest/gtest.h>

TEST(WindowMoves, ArrowKeysMoveOrResizeByOnePixel)
{
    const Rect r{100, 200, 140, 240};  // 40 x 40
    const struct {
        std::uint32_t key;
        bool resize;
        Size minimum;
        Rect want;
    } cases[] = {
        {kVkLeft, false, {}, {99, 200, 139, 240}},
        {kVkDown, false, {}, {100, 201, 140, 241}},
        {0x41, false, {}, r},                       // any other key: unchanged
        {kVkLeft, true, {32, 32}, {100, 200, 139, 240}},
        {kVkUp, true, {32, 32}, {100, 200, 140, 239}},
        {kVkRight, true, {32, 32}, {100, 200, 141, 240}},
        {kVkLeft, true, {40, 40}, r},               // at the minimum: no narrower
        {kVkUp, true, {41, 41}, r},                 // below it already: no lower either
        {kVkDown, true, {41, 41}, {100, 200, 140, 241}},  // growing is never stopped
    };
    for (const auto& c : cases)
        EXPECT_EQ(ApplyArrowKey(r, ArrowKeyStep(c.key), c.resize, c.minimum), c.want) << c.key << c.resize;
}

TEST(WindowMoves, MoveToCursorKeeps16PixelsOnTheWorkArea)
{
    const Rect work{0, 0, 1024, 738};
    const Rect ruler{100, 100, 740, 156};
    // The zero point (100, 156) goes to the pointer.
    EXPECT_EQ(MoveZeroToPointer(ruler, {100, 156}, {300, 400}), (Rect{300, 344, 940, 400}));
    const struct {
        Point pointer;
        bool allowed;
    } cases[] = {
        {{500, 400}, true},
        {{1008, 400}, true},   // 16 pixels left on the right
        {{1009, 400}, false},  // 15
        {{-624, 400}, true},   // right edge at 16
        {{-625, 400}, false},
        {{500, 16}, true},     // bottom edge 16 below the work area's top
        {{500, 15}, false},
        {{500, 778}, true},    // top edge 16 above its bottom
        {{500, 779}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsMoveToCursorAllowed(MoveZeroToPointer(ruler, {100, 156}, c.pointer), work), c.allowed)
            << c.pointer.x << "," << c.pointer.y;
}

TEST(WindowMoves, TrackLimits)
{
    const WindowTrackLimits l = RulerTrackLimits({-1024, 0, 1280, 1024});
    EXPECT_EQ(l.minTrack, (Size{32, 32}));
    EXPECT_EQ(l.maxSize, (Size{11520, 5120}));
    EXPECT_EQ(l.maxTrack, l.maxSize);
    EXPECT_EQ(RulerTrackLimits({0, 0, INT_MAX, 1}).maxSize.cx, INT_MAX);
}
