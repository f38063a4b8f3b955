#include "platform/monitor_layout.h"
#include "ruler/window_moves.h"

#include <gtest/gtest.h>
#include <string>

namespace {

std::string Str(const Rect& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

// Desks as they are set up, in physical pixels: a monitor's size follows from its scale.
//   left:  a 1920 x 1080 main monitor (96 dpi, task bar 40) and a 1600 x 900 one left of it
//   above: a 1920 x 1080 main monitor and a 2560 x 1440 one (144 dpi) above it, shifted right
//   gap:   a 1280 x 1024 main monitor and a 1600 x 900 one right of it (a gap under the latter)
//   mixed: 96, 120, 144 and 192 dpi side by side: 1920 x 1080 main, 2400 x 1350 right of it,
//          2880 x 1620 left of it, 3840 x 2160 above it
MonitorLayout Desk(const char* name)
{
    MonitorLayout d;
    const std::string n = name;
    if (n == "left") {
        d.Add({0, 0, 1920, 1080}, {0, 0, 1920, 1040}, true);
        d.Add({-1600, 0, 0, 900}, {-1600, 0, 0, 900});
    } else if (n == "above") {
        d.Add({0, 0, 1920, 1080}, {0, 0, 1920, 1040}, true);
        d.Add({300, -1440, 2860, 0}, {300, -1440, 2860, 0});
    } else if (n == "gap") {
        d.Add({0, 0, 1280, 1024}, {0, 0, 1280, 1024}, true);
        d.Add({1280, 0, 2880, 900}, {1280, 0, 2880, 860});
    } else if (n == "mixed") {
        d.Add({0, 0, 1920, 1080}, {0, 0, 1920, 1040}, true);
        d.Add({1920, 0, 4320, 1350}, {1920, 0, 4320, 1350});
        d.Add({-2880, 0, 0, 1620}, {-2880, 0, 0, 1560});
        d.Add({0, -2160, 3840, 0}, {0, -2160, 3840, 0});
    }
    return d;
}

} // namespace

TEST(MonitorLayout, NearestMonitorIsTheOneSharingMostElseTheClosest)
{
    const struct {
        const char* desk;
        Rect rc;
        int want;
    } cases[] = {
        {"left", {-800, 100, -160, 156}, 1},      // wholly on the left monitor
        {"left", {-300, 100, 340, 156}, 0},       // 300 px there, 340 px here: the main one
        {"left", {-340, 100, 300, 156}, 1},       // and the other way round
        {"left", {-5000, 300, -4000, 356}, 1},    // far left: the left one is closest
        {"left", {-500, 950, -100, 1000}, 1},     // under the shorter left monitor: 50 px
                                                  // up to it, 100 px across to the main one
        {"left", {-500, 1000, -10, 1050}, 0},     // 100 px under it, 10 px beside the main one
        {"above", {400, -100, 1000, -44}, 1},     // on the upper monitor
        {"above", {0, -100, 200, -44}, 0},        // 44 px above the main one, 100 px beside the other
        {"gap", {1300, 920, 1400, 1000}, 0},      // 20 px from both: the first one wins
        {"gap", {1500, 950, 1600, 1000}, 1},      // in the gap: 50 px to the right monitor
        {"gap", {1300, 950, 1400, 1000}, 0},      // 20 px to the main one
        {"mixed", {-100, 1500, 100, 1600}, 2},    // mostly on the 144-dpi one
        {"mixed", {3000, -50, 3200, 40}, 3},      // more above than below: the 192-dpi one
        {"mixed", {4000, 1300, 4400, 1400}, 1},   // off the lower right corner
    };
    for (const auto& c : cases)
        EXPECT_EQ(NearestMonitor(Desk(c.desk), c.rc), c.want) << c.desk << " " << Str(c.rc);
    // A point on the border belongs to the monitor that starts there.
    EXPECT_EQ(NearestMonitor(Desk("left"), Point{0, 10}), 0);
    EXPECT_EQ(NearestMonitor(Desk("left"), Point{-1, 10}), 1);
    EXPECT_EQ(NearestMonitor(MonitorLayout{}, Point{0, 0}), -1);
}

TEST(MonitorLayout, MainScreenIsThePrimaryMonitorWhereverItIsListed)
{
    MonitorLayout d;
    d.Add({-1600, 0, 0, 900}, {});
    d.Add({0, 0, 1920, 1080}, {}, true);
    EXPECT_EQ(MainScreenRect(d, {}), (Rect{0, 0, 1920, 1080}));
    // Without a mark: the monitor holding the origin.
    MonitorLayout unmarked;
    unmarked.Add({-1600, 0, 0, 900}, {});
    unmarked.Add({0, 0, 1280, 1024}, {});
    EXPECT_EQ(MainScreenRect(unmarked, {}), (Rect{0, 0, 1280, 1024}));
    EXPECT_EQ(MainScreenRect(MonitorLayout{}, {0, 0, 800, 600}), (Rect{0, 0, 800, 600}));
    // A work area that is not the monitor's own counts as the whole monitor.
    d.Add({1920, 0, 3840, 1080}, {0, 0, 100, 100});
    EXPECT_EQ(d.items[2].work, (Rect{1920, 0, 3840, 1080}));
}

TEST(MonitorLayout, UncoveredPartsAreTheGapsAndWhatLiesBeyond)
{
    const struct {
        const char* desk;
        Rect area;
        std::string want;
    } cases[] = {
        {"gap", {1270, 890, 1290, 910}, "1280,900,1290,910 "},         // the gap's corner
        {"gap", {2870, 890, 2890, 910}, "2880,890,2890,900 2870,900,2890,910 "},  // off the far corner
        {"gap", {100, 100, 120, 120}, ""},                              // on a monitor
        {"gap", {1270, 100, 1290, 120}, ""},                            // across the seam
        {"left", {-10, 895, 10, 905}, "-10,900,0,905 "},                // under the shorter monitor
        {"left", {-1610, -5, -1590, 5}, "-1610,-5,-1590,0 -1610,0,-1600,5 "},  // the desk's corner
        {"mixed", {-5000, -5000, -4990, -4990}, "-5000,-5000,-4990,-4990 "},   // far off
    };
    for (const auto& c : cases) {
        Rect parts[kMaxUncoveredParts];
        const int n = UncoveredParts(Desk(c.desk), c.area, parts, kMaxUncoveredParts);
        std::string got;
        for (int i = 0; i < n; ++i)
            got += Str(parts[i]) + " ";
        EXPECT_EQ(got, c.want) << c.desk << " " << Str(c.area);
    }
    Rect one[1];
    EXPECT_EQ(UncoveredParts(Desk("gap"), {2870, 890, 2890, 910}, one, 1), 1);  // never past the capacity
}

TEST(MonitorLayout, BoundsStayWithinReachOnTheirMonitorAndComeBackFromOneThatIsGone)
{
    MonitorLayout mainOnly;
    mainOnly.Add({0, 0, 1920, 1080}, {0, 0, 1920, 1040}, true);
    const struct {
        const char* desk;  // nullptr: the main monitor alone (the others are gone)
        Rect rc;
        bool workArea;
        Rect want;
    } cases[] = {
        {"left", {-1200, 300, -560, 356}, true, {-1200, 300, -560, 356}},     // on the left monitor: stays
        {nullptr, {-1200, 300, -560, 356}, true, {-608, 300, 32, 356}},       // that monitor is gone
        {nullptr, {300, -1000, 940, -944}, true, {300, -24, 940, 32}},        // one above is gone
        {nullptr, {2500, 1200, 3140, 1256}, true, {1888, 1008, 2528, 1064}},  // one below right
        {nullptr, {2500, 1200, 3140, 1256}, false, {1888, 1048, 2528, 1104}}, // on top: the whole monitor
        {nullptr, {-5000, 300, -2000, 356}, true, {-2968, 300, 32, 356}},     // longer than the monitor
        {nullptr, {-600, 300, 40, 356}, true, {-600, 300, 40, 356}},          // 40 px still on it
        {nullptr, {-600, 300, 20, 356}, true, {-588, 300, 32, 356}},          // 20 px: the 32-px rule
        {"gap", {1500, 1000, 2140, 1056}, true, {1500, 828, 2140, 884}},      // in the gap: onto the
                                                                              // right monitor's work area
        {"left", {-1590, 880, -950, 936}, true, {-1590, 868, -950, 924}},     // 20 px on it: up to 32
        {"mixed", {-9000, -9000, -8000, -8944}, true, {-3848, -24, -2848, 32}}, // far up and left
    };
    for (const auto& c : cases) {
        const MonitorLayout d = c.desk ? Desk(c.desk) : mainOnly;
        EXPECT_EQ(Str(KeepOnMonitors(c.rc, d, c.workArea, -1, -1)), Str(c.want))
            << (c.desk ? c.desk : "main only") << " " << Str(c.rc);
    }
}

TEST(MonitorLayout, MoveToCursorIsJudgedOnTheMonitorTheRulerLandsOn)
{
    const Rect ruler{100, 100, 740, 156};  // its zero point (100, 156) goes to the pointer
    const struct {
        const char* desk;
        Point pointer;
        bool allowed;
    } cases[] = {
        {"left", {-1500, 500}, true},    // onto the left monitor (the ruler lies above the pointer)
        {"left", {-2224, 500}, true},    // left of it: 16 px of the ruler still on it
        {"left", {-2225, 500}, false},
        {"left", {-1000, 940}, true},    // below it: 16 px on it
        {"left", {-1000, 941}, false},
        {"left", {-5, 916}, true},       // mostly on the main monitor
        {"gap", {1600, 1000}, false},    // in the gap: the ruler would be off every monitor
        {"gap", {1264, 1000}, true},     // from the main monitor towards the gap: 16 px stay
        {"gap", {1270, 1000}, false},
        {"above", {500, -500}, true},    // onto the upper monitor
        {"above", {2850, -500}, false},  // 10 px from its right edge
        {"mixed", {-2000, 1600}, true},  // the 144-dpi monitor's work area ends at 1560
        {"mixed", {-2000, 1601}, false},
    };
    for (const auto& c : cases) {
        const std::optional<Rect> moved = MoveToCursorOn(Desk(c.desk), ruler, {100, 156}, c.pointer);
        EXPECT_EQ(moved.has_value(), c.allowed) << c.desk << " " << c.pointer.x << "," << c.pointer.y;
        if (moved) {
            EXPECT_EQ(*moved, MoveZeroToPointer(ruler, {100, 156}, c.pointer));
        }
    }
}

TEST(MonitorLayout, ResetWindowTakesTheDefaultRectangleOnTheRulersMonitor)
{
    const Rect primary{0, 0, 1920, 1080};
    const struct {
        const char* desk;
        Rect ruler;
        bool vertical;
        Rect want;
    } cases[] = {
        {"left", {300, 300, 940, 356}, false, {480, 135, 1440, 191}},        // the main monitor
        {"left", {-1200, 300, -560, 356}, false, {-1200, 113, -400, 169}},   // the left one
        {"left", {-1200, 300, -1144, 940}, true, {-1400, 225, -1344, 675}},
        {"above", {400, -900, 1040, -844}, false, {940, -1260, 2220, -1204}},
        {"mixed", {2000, 100, 2640, 156}, true, {2220, 338, 2276, 1013}},   // the 120-dpi one
    };
    for (const auto& c : cases)
        EXPECT_EQ(Str(ResetRectOn(Desk(c.desk), c.ruler, c.vertical, primary)), Str(c.want)) << c.desk;
    EXPECT_EQ(ResetRectOn(MonitorLayout{}, {}, false, primary), (Rect{480, 135, 1440, 191}));
}
