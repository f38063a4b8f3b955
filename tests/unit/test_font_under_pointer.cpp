#include "ruler/font_under_pointer.h"

#include <functional>
#include <gtest/gtest.h>

namespace {
constexpr int kNone = -1;  // the font of a window without one
}  // namespace

TEST(FontUnderPointer, AsksOnACrossingAndMeasuresOnAnotherFont)
{
    // Windows are numbers (0: the desktop), fonts are numbers.
    TFontUnderPointer<int, int, std::equal_to<int>> follow(kNone);
    struct {
        const char* what;
        int under;
        bool answers;
        int font;
        bool asks, changed;
    } steps[] = {
        {"a window without a font, at first", 1, true, kNone, true, false},
        {"the same window again", 1, true, kNone, false, false},
        {"a window with a font", 2, true, 10, true, true},
        {"another window, the same font", 3, true, 10, true, false},
        {"a busy window", 4, false, 20, true, false},
        {"still busy: asked again, pointer still", 4, false, 20, true, false},
        {"it answers", 4, true, 20, true, true},
        {"resting on it", 4, true, 20, false, false},
        {"back to no font", 1, true, kNone, true, true},
        {"the desktop", 0, true, kNone, true, false},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.what);
        const bool asks = follow.NeedsAsking(s.under);
        EXPECT_EQ(asks, s.asks);
        bool changed = false;
        if (asks && s.answers)
            changed = follow.Answered(s.under, s.font);
        else if (asks)
            follow.NotAnswered();
        EXPECT_EQ(changed, s.changed);
        EXPECT_EQ(follow.Pending(), asks && !s.answers);
    }
    EXPECT_EQ(follow.LastWindow(), 0);
    EXPECT_EQ(follow.LastFont(), kNone);

    // A unit change away from dialog units drops the unanswered asking.
    follow.NotAnswered();
    follow.ForgetPending();
    EXPECT_FALSE(follow.NeedsAsking(0));
}
