#include "tools/picker_rules.h"

#include <gtest/gtest.h>

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
}
