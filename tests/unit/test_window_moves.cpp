#include "ruler/window_moves.h"

#include <gtest/gtest.h>

TEST(WindowMoves, ShiftArrowsStopAtTheMinimumSize)
{
    const Rect r{100, 200, 140, 240};  // 40 x 40
    EXPECT_EQ(ApplyArrowKey(r, ArrowKeyStep(kVkLeft), false, {}), (Rect{99, 200, 139, 240}));
    EXPECT_EQ(ApplyArrowKey(r, ArrowKeyStep(kVkLeft), true, {32, 32}), (Rect{100, 200, 139, 240}));
    EXPECT_EQ(ApplyArrowKey(r, ArrowKeyStep(kVkUp), true, {40, 40}), r);      // at the minimum
    EXPECT_EQ(ApplyArrowKey(r, ArrowKeyStep(kVkRight), true, {41, 41}), (Rect{100, 200, 141, 240}));
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
