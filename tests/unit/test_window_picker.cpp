// The window picker's message rules, its outline and highlight, and what a target's style
// says to the sizing tool.
#include "resource.h"
#include "tools/picker_rules.h"
#include "tools/target_style.h"

#include <gtest/gtest.h>
#include <map>

TEST(WindowPicker, MessagesDuringAndOutsideADrag)
{
    using M = PickerMessage;
    using R = PickerStep::Result;
    // captured, tracking -> end, begin, follow, pick, idle cursor, result
    const struct {
        M message;
        bool captured, tracking;
        bool end, begin, follow, pick, idle;
        R result;
    } cases[] = {
        {M::kLButtonDown, false, false, false, true, false, false, false, R::kZero},
        {M::kMouseMove, true, true, false, false, true, false, false, R::kZero},
        {M::kMouseMove, false, true, true, false, false, false, false, R::kZero},   // capture lost
        {M::kMouseMove, false, false, false, false, false, false, false, R::kZero},
        {M::kLButtonUp, true, true, false, false, false, true, false, R::kZero},
        {M::kLButtonUp, false, true, true, false, false, false, false, R::kZero},
        {M::kSetCursor, true, true, false, false, false, false, false, R::kDefault},
        {M::kSetCursor, false, true, true, false, false, false, true, R::kTrue},
        {M::kSetCursor, false, false, false, false, false, false, true, R::kTrue},
        {M::kRButtonDown, true, true, true, false, false, false, false, R::kZero},   // cancels
        {M::kRButtonDown, false, false, false, false, false, false, false, R::kZero},
        {M::kOther, true, true, false, false, false, false, false, R::kDefault},
    };
    for (const auto& c : cases) {
        const PickerStep s = PickerStepFor(c.message, c.captured, c.tracking, false);
        const std::string at = std::to_string(int(c.message)) + " " + std::to_string(c.captured) +
                               std::to_string(c.tracking);
        EXPECT_EQ(s.endTracking, c.end) << at;
        EXPECT_EQ(s.beginTracking, c.begin) << at;
        EXPECT_EQ(s.follow, c.follow) << at;
        EXPECT_EQ(s.pick, c.pick) << at;
        EXPECT_EQ(s.idleCursor, c.idle) << at;
        EXPECT_EQ(s.result, c.result) << at;
        EXPECT_FALSE(s.hideOutline) << at;
    }
    EXPECT_TRUE(PickerStepFor(M::kCaptureChanged, false, true, false).hideOutline);
    EXPECT_FALSE(PickerStepFor(M::kCaptureChanged, true, true, true).hideOutline);
}

TEST(WindowPicker, OutlineEdgesInsideTheWindow)
{
    const struct {
        Rect window;
        OutlinePiece want[4];
    } cases[] = {
        {{10, 20, 110, 70}, {{10, 20, 100, 3}, {10, 67, 100, 3}, {10, 23, 3, 44}, {107, 23, 3, 44}}},
        // Thinner than two edges: top and bottom overlap, the sides are hidden.
        {{0, 0, 5, 5}, {{0, 0, 5, 3}, {0, 2, 5, 3}, {0, 3, 3, 0}, {2, 3, 3, 0}}},
        // Thinner than one: the top edge alone, as high as the window.
        {{0, 0, 2, 2}, {{0, 0, 2, 2}, {0, -1, 2, 0}, {0, 3, 2, 0}, {-1, 3, 0, 0}}},
    };
    for (const auto& c : cases) {
        OutlinePiece got[4];
        LayOutlinePieces(c.window, 3, got);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(got[i].x, c.want[i].x) << i;
            EXPECT_EQ(got[i].y, c.want[i].y) << i;
            EXPECT_EQ(got[i].cx, c.want[i].cx) << i;
            EXPECT_EQ(got[i].cy, c.want[i].cy) << i;
        }
    }
    EXPECT_EQ(FlashPenWidth(100, 100), 2);
    EXPECT_EQ(FlashPenWidth(106, 100), 3);
    EXPECT_EQ(FlashPenWidth(105, 100), 2);  // 5 / 2 is 2
}

TEST(TargetStyle, FrameRefusalAndTheWindowAPickerActsOn)
{
    EXPECT_EQ(FrameKindOf(kWsThickFrame | kWsBorder | kWsDlgFrame), FrameKind::kSizing);
    EXPECT_EQ(FrameKindOf(kWsBorder | kWsDlgFrame), FrameKind::kDialog);
    EXPECT_EQ(FrameKindOf(kWsBorder), FrameKind::kThin);
    EXPECT_EQ(FrameKindOf(kWsChild), FrameKind::kNone);
    EXPECT_EQ(TargetRefusalOf(kWsThickFrame | kWsMaximize, false), IDS_SIZING_MAXIMIZED);
    EXPECT_EQ(TargetRefusalOf(kWsMaximize, false), IDS_SIZING_MAXIMIZED);  // maximized comes first
    EXPECT_EQ(TargetRefusalOf(kWsThickFrame, true), IDS_SIZING_MAXIMIZED);
    EXPECT_EQ(TargetRefusalOf(kWsBorder, false), IDS_SIZING_NOT_RESIZABLE);
    EXPECT_EQ(TargetRefusalOf(kWsThickFrame, false), 0);

    // A button (1) in a group box (2) in a sizable window (3); an owned dialog (4) without a
    // border whose owner (5) has none either.
    const std::map<int, std::pair<std::uint32_t, int>> chain = {
        {1, {kWsChild, 2}}, {2, {kWsChild, 3}}, {3, {kWsThickFrame, 0}}, {4, {kWsDlgFrame, 5}}, {5, {0u, 0}}};
    const auto style = [&](int w) { return chain.at(w).first; };
    const auto parent = [&](int w) { return chain.at(w).second; };
    EXPECT_EQ(ResolveSizingTarget(1, style, parent), 3);
    EXPECT_EQ(ResolveSizingTarget(3, style, parent), 3);
    EXPECT_EQ(ResolveSizingTarget(4, style, parent), 5);  // the last of the chain
}
