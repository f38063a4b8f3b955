#include "ruler/window_moves.h"

#include <climits>
#include <gtest/gtest.h>

TEST(WindowMoves, ShiftArrowsStopAtTheMinimumSize)
{
    const Rect r{100, 200, 140, 240};  // 40 x 40
    EXPECT_EQ(ApplyArrowKey(r, ArrowKeyStep(kVkLeft), false, {}), (Rect{99, 200, 139, 240}));
    EXPECT_EQ(ApplyArrowKey(r, ArrowKeyStep(kVkLeft), true, {32, 32}), (Rect{100, 200, 139, 240}));
    EXPECT_EQ(ApplyArrowKey(r, ArrowKeyStep(kVkUp), true, {40, 40}), r);      // at the minimum
    EXPECT_EQ(ApplyArrowKey(r, ArrowKeyStep(kVkRight), true, {41, 41}), (Rect{100, 200, 141, 240}));
    // Each side keeps its own minimum.
    const Rect tall{100, 200, 140, 250};  // 40 x 50
    EXPECT_EQ(ApplyArrowKey(tall, ArrowKeyStep(kVkUp), true, {32, 50}), tall);
    EXPECT_EQ(ApplyArrowKey(tall, ArrowKeyStep(kVkLeft), true, {32, 50}), (Rect{100, 200, 139, 250}));
    EXPECT_EQ(ApplyArrowKey(tall, ArrowKeyStep(kVkLeft), true, {40, 45}), tall);
    EXPECT_EQ(ApplyArrowKey(tall, ArrowKeyStep(kVkUp), true, {40, 45}), (Rect{100, 200, 140, 249}));
    EXPECT_EQ(ApplyArrowKey(tall, ArrowKeyStep(kVkDown), true, {40, 60}), (Rect{100, 200, 140, 251}));
}

TEST(WindowMoves, TrackLimitsAre32AndFiveVirtualScreens)
{
    struct { Rect screen; Size most; } cases[] = {
        {{-1280, 0, 1920, 1080}, {16000, 5400}},
        {{0, -100, 1000000000, 900}, {INT_MAX, 5000}},
    };
    for (const auto& c : cases) {
        const WindowTrackLimits l = RulerTrackLimits(c.screen);
        EXPECT_EQ(l.minTrack, (Size{32, 32}));
        EXPECT_EQ(l.maxSize, c.most) << c.screen.right;
        EXPECT_EQ(l.maxTrack, c.most) << c.screen.right;
    }
}

TEST(WindowMoves, MoveToCursorKeeps16PixelsOnTheWorkArea)
{
    const Rect work{0, 0, 1024, 738};
    const Rect ruler{100, 100, 740, 156};  // its zero point (100, 156) goes to the pointer
    const struct {
        Point pointer;
        bool allowed;
    } cases[] = {{{1008, 400}, true}, {{1009, 400}, false}, {{-624, 400}, true}, {{-625, 400}, false},
                 {{500, 16}, true},   {{500, 15}, false},   {{500, 778}, true},  {{500, 779}, false}};
    for (const auto& c : cases)
        EXPECT_EQ(IsMoveToCursorAllowed(MoveZeroToPointer(ruler, {100, 156}, c.pointer), work), c.allowed)
            << c.pointer.x << "," << c.pointer.y;
}

TEST(WindowMoves, DragKeepsTheGrabbedPointUnderThePointer)
{
    struct { Point topLeft, down, now, want; } cases[] = {
        {{100, 200}, {130, 210}, {130, 210}, {100, 200}},
        {{100, 200}, {130, 210}, {131, 205}, {101, 195}},
        {{-1280, 0}, {-1270, 5}, {10, 5}, {0, 0}},               // onto another monitor
        {{INT_MAX - 10, 0}, {INT_MAX - 20, 0}, {INT_MAX, 0}, {INT_MAX, 0}},  // saturates
        {{INT_MIN, 0}, {INT_MAX, 0}, {INT_MIN, 0}, {INT_MIN, 0}},
    };
    for (const auto& c : cases) {
        CWindowDrag drag;
        drag.Start(c.topLeft, c.down);
        EXPECT_EQ(drag.TopLeftFor(c.now), c.want) << c.now.x << "," << c.now.y;
    }
}
