#include "tools/picker_rules.h"

#include <gtest/gtest.h>
#include <string>

TEST(WindowPicker, ADragWhoseCaptureWasTakenEndsAtTheNextMessage)
{
    using M = PickerMessage;
    const struct {
        M message;
        bool captured, tracking;
        bool end, follow, pick;
        PickerStep::Result result;
    } cases[] = {
        {M::kMouseMove, true, true, false, true, false, PickerStep::kZero},
        {M::kMouseMove, false, true, true, false, false, PickerStep::kZero},
        {M::kLButtonUp, true, true, false, false, true, PickerStep::kZero},
        {M::kLButtonUp, false, true, true, false, false, PickerStep::kZero},
        {M::kSetCursor, true, true, false, false, false, PickerStep::kDefault},
        {M::kSetCursor, false, true, true, false, false, PickerStep::kTrue},
        {M::kRButtonDown, true, true, true, false, false, PickerStep::kZero},  // cancels: nothing picked
    };
    for (const auto& c : cases) {
        const PickerStep s = PickerStepFor(c.message, c.captured, c.tracking, false);
        EXPECT_EQ(s.endTracking, c.end) << int(c.message) << c.captured;
        EXPECT_EQ(s.follow, c.follow) << int(c.message) << c.captured;
        EXPECT_EQ(s.pick, c.pick) << int(c.message) << c.captured;
        EXPECT_EQ(s.result, c.result) << int(c.message) << c.captured;
    }
    EXPECT_TRUE(PickerStepFor(M::kLButtonDown, false, false, false).beginTracking);
    EXPECT_TRUE(PickerStepFor(M::kSetCursor, false, false, false).idleCursor);
    EXPECT_FALSE(PickerStepFor(M::kSetCursor, true, true, false).idleCursor);
    EXPECT_FALSE(PickerStepFor(M::kSetCursor, false, false, false).endTracking);
    EXPECT_TRUE(PickerStepFor(M::kRButtonDown, false, true, false).endTracking);
    EXPECT_FALSE(PickerStepFor(M::kRButtonDown, false, false, false).endTracking);
    EXPECT_TRUE(PickerStepFor(M::kCaptureChanged, true, true, false).hideOutline);
    EXPECT_FALSE(PickerStepFor(M::kCaptureChanged, true, true, true).hideOutline);
    EXPECT_EQ(PickerStepFor(M::kCaptureChanged, true, true, false).result, PickerStep::kDefault);
}

TEST(WindowPicker, OutlineEdgesStayInsideTheWindow)
{
    // Top, bottom, left, right as "x,y cx x cy"; an edge with nothing to show is 0 wide or high.
    const struct {
        Rect window;
        int k;
        const char* pieces[4];
    } cases[] = {
        {{100, 50, 400, 250}, 5, {"100,50 300x5", "100,245 300x5", "100,55 5x190", "395,55 5x190"}},
        {{100, 50, 105, 61}, 5, {"100,50 5x5", "100,56 5x5", "100,55 5x1", "100,55 0x1"}},
        {{100, 50, 104, 60}, 5, {"100,50 4x5", "100,55 4x5", "100,55 4x0", "99,55 0x0"}},
        {{100, 50, 400, 53}, 5, {"100,50 300x3", "100,48 300x0", "100,55 5x0", "395,55 5x0"}},
        {{100, 50, 400, 58}, 5, {"100,50 300x5", "100,53 300x5", "100,55 5x0", "395,55 5x0"}},
    };
    for (const auto& c : cases) {
        OutlinePiece pieces[4];
        LayOutlinePieces(c.window, c.k, pieces);
        for (int i = 0; i < 4; ++i) {
            const OutlinePiece& p = pieces[i];
            const std::string got = std::to_string(p.x) + "," + std::to_string(p.y) + " " + std::to_string(p.cx) +
                                    "x" + std::to_string(p.cy);
            EXPECT_EQ(got, c.pieces[i]) << "piece " << i << " of " << c.window.right;
        }
    }
    EXPECT_FALSE((OutlinePiece{0, 0, 5, 0}.Shown()));
    EXPECT_FALSE((OutlinePiece{0, 0, 0, 5}.Shown()));
    EXPECT_TRUE((OutlinePiece{0, 0, 1, 1}.Shown()));
}

TEST(WindowPicker, FlashPenIsHalfTheBorderAtLeastTwo)
{
    struct { int window, client, pen; } cases[] = {{130, 100, 15}, {106, 100, 3}, {105, 100, 2}, {103, 100, 2}, {100, 100, 2}, {90, 100, 2}};
    for (const auto& c : cases)
        EXPECT_EQ(FlashPenWidth(c.window, c.client), c.pen) << c.window << " " << c.client;
}
