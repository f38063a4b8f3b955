#include "ruler/font_under_pointer.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace {
constexpr int kNone = -1;  // the font of a window without one
using Follow = TFontUnderPointer<int, int, std::equal_to<int>>;
}  // namespace

TEST(FontUnderPointer, AsksOnACrossingAndMeasuresOnAnotherFont)
{
    // Windows are numbers (0: the desktop), fonts are numbers; times in ms.
    Follow follow(kNone);
    struct {
        const char* what;
        std::uint32_t at;
        int under;
        bool answers;
        std::uint32_t waited;
        int font;
        std::uint32_t timeout;  // 0: not asked
        bool changed, pending;
    } steps[] = {
        {"a window without a font, at first", 0, 1, true, 0, kNone, 16, false, false},
        {"the same window again", 10, 1, true, 0, kNone, 0, false, false},
        {"a window with a font", 20, 2, true, 0, 10, 16, true, false},
        {"another window, the same font", 30, 3, true, 0, 10, 16, false, false},
        {"back at once: a window that answered at once is asked again", 35, 2, true, 0, 10, 16, false, false},
        {"a busy window", 40, 4, false, 16, 20, 16, false, true},
        {"still busy, a tick later: not asked yet", 56, 4, false, 0, 20, 0, false, true},
        {"249 ms after", 289, 4, false, 0, 20, 0, false, true},
        {"250 ms after: asked again", 290, 4, false, 16, 20, 16, false, true},
        {"it answers", 540, 4, true, 3, 20, 16, true, false},
        {"resting on it", 560, 4, true, 0, 20, 0, false, false},
        {"back to no font", 570, 1, true, 0, kNone, 16, true, false},
        {"the slow window again, soon: not yet", 600, 4, true, 0, 20, 0, false, true},
        {"the desktop", 610, 0, true, 0, kNone, 16, false, false},
        {"the slow window a second after it was last asked: a first asking", 1540, 4, true, 0, 20, 16, true, false},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.what);
        const std::uint32_t timeout = follow.AskTimeoutMs(s.under, s.at);
        EXPECT_EQ(timeout, s.timeout);
        bool changed = false;
        if (timeout && s.answers)
            changed = follow.Answered(s.under, s.font, s.at, s.waited);
        else if (timeout)
            follow.NotAnswered(s.under, s.at, s.waited);
        EXPECT_EQ(changed, s.changed);
        EXPECT_EQ(follow.Pending(), s.pending);
    }
    EXPECT_EQ(follow.LastWindow(), 4);
    EXPECT_EQ(follow.LastFont(), 20);

    // A unit change away from dialog units drops the unanswered asking.
    follow.NotAnswered(5, 2000, 16);
    follow.ForgetPending();
    EXPECT_FALSE(follow.Pending());
    EXPECT_EQ(follow.AskTimeoutMs(4, 2001), 0u);
}

TEST(FontUnderPointer, ASlowWindowCostsAtMostItsBudgetInAnySecond)
{
    // A tick every 16 ms for 20 s over windows 1 and 2 that never answer, 4 that answers as
    // late as it may, and 3 that answers at once; a wait overshoots its timeout by `late` ms,
    // as a coarse system clock makes it. No second, wherever it starts, holds more than 4
    // askings of a window or more than its budget of waiting (plus one overshoot).
    for (std::uint32_t late : {0u, 15u}) {
        for (const std::vector<int>& walk : std::vector<std::vector<int>>{{1}, {1, 3, 2, 3}, {2, 2, 1, 1, 3}, {4, 3}}) {
            Follow follow(kNone);
            std::map<int, std::vector<std::pair<std::uint32_t, std::uint32_t>>> asks;  // window: (at, waited)
            for (std::uint32_t tick = 0, now = 5000; tick < 1250; ++tick, now += 16) {
                const int under = walk[tick % walk.size()];
                const std::uint32_t timeout = follow.AskTimeoutMs(under, now);
                const std::uint32_t waited = under == 3 ? 0 : timeout + late;
                if (timeout && (under == 3 || under == 4))
                    follow.Answered(under, under, now, waited);
                else if (timeout)
                    follow.NotAnswered(under, now, waited);
                if (timeout && under != 3)
                    asks[under].push_back({now, waited});
                now += timeout ? waited : 0;
            }
            for (const auto& [window, list] : asks) {
                EXPECT_GE(list.size(), 20u) << "window " << window << " is still asked";
                for (auto first = list.begin(); first != list.end(); ++first) {
                    std::uint32_t count = 0, waited = 0;
                    for (auto a = first; a != list.end() && a->first - first->first < 1000; ++a, ++count)
                        waited += a->second;
                    EXPECT_LE(count, 4u) << "window " << window << ", late " << late;
                    EXPECT_LE(waited, kFontWaitBudgetMs + late) << "window " << window << ", late " << late;
                }
            }
        }
    }
}

TEST(FontUnderPointer, ASlowWindowIsForgottenASecondAfterItsLastAsking)
{
    EXPECT_FALSE(Follow(kNone).Pending());
    TSlowWindows<int> slow;
    slow.Asked(7, 5000, 50, false);
    slow.Asked(9, 5000, 40, false);
    EXPECT_EQ(slow.Timeout(7, 5249), 0u);                   // asked again too soon
    EXPECT_EQ(slow.Timeout(9, 5250), 10u);                  // what is left of the budget
    EXPECT_EQ(slow.Timeout(7, 5999), 0u);                   // its budget used up within the second
    EXPECT_EQ(slow.Timeout(7, 6000), kFontQueryTimeoutMs);  // forgotten
    EXPECT_EQ(slow.Timeout(8, 5100), kFontQueryTimeoutMs);  // never slow
}
