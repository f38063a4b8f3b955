#include "settings/ruler_settings.h"
#include "app/startup_rules.h"
#include "app/window_style.h"

#include <climits>
#include <gtest/gtest.h>

TEST(WindowStyle, FromSettings)
{
    struct Case {
        const char* what;
        void (*setup)(CRulerSettings&);
        std::uint32_t style, exStyle;
    } cases[] = {
        {"first run", [](CRulerSettings&) {}, 0x8004C101u, 0},
        {"vertical keeps its own side", [](CRulerSettings& s) { s.m_bVertical = 1; s.m_bHFlipped = 1; }, 0x8004C201u, 0},
        {"vertical flipped", [](CRulerSettings& s) { s.m_bVertical = 1; s.m_bVFlipped = 1; }, 0x8004D201u, 0},
        {"horizontal flipped", [](CRulerSettings& s) { s.m_bHFlipped = 1; s.m_bVFlipped = 0; }, 0x8004D101u, 0},
        {"borderless, no guide, no magnifier", [](CRulerSettings& s) { s.m_bBorderless = 1; s.m_bGuide = 0; s.m_bZoom = 0; }, 0x80000101u, 0},
        {"topmost, cm, not in task bar", [](CRulerSettings& s) { s.m_bOnTop = 1; s.m_nUnit = 0x20; s.m_bNotInTaskBar = 1; }, 0x8004E120u, 0x80},
        {"stored unit bits merged as they are", [](CRulerSettings& s) { s.m_nUnit = 0x21; }, 0x8004C121u, 0},
        {"high bits of a hand-edited unit are not window styles", [](CRulerSettings& s) { s.m_nUnit = 0x10000001; }, 0x8004C101u, 0},
        {"any non-zero counts as set", [](CRulerSettings& s) { s.m_bGuide = -7; s.m_bBorderless = 0; }, 0x8004C101u, 0},
    };
    for (const Case& c : cases) {
        CRulerSettings s;
        c.setup(s);
        const RulerWindowStyle w = ComputeRulerWindowStyle(s);
        EXPECT_EQ(w.style, c.style) << c.what;
        EXPECT_EQ(w.exStyle, c.exStyle) << c.what;
    }
}

TEST(StartupRules, EmptyStoredBoundsGetTheDefault)
{

    struct { Rect stored; bool replaced; } bounds[] = {
        {{}, true},                        // a first run
        {{100, 100, 500, 156}, false},
        {{100, 100, 101, 101}, false},     // one pixel is kept
        {{100, 100, 100, 156}, true},      // no width
        {{100, 100, 500, 40}, true},       // bottom above top
        {{INT_MIN, 0, INT_MAX, 56}, false},
    };
    for (const auto& b : bounds)
        EXPECT_EQ(NeedsDefaultBounds(b.stored), b.replaced) << b.stored.left << "," << b.stored.top << ","
                                                            << b.stored.right << "," << b.stored.bottom;
}

TEST(StartupRules, TooSmallStoredBoundsGrowToTheSmallestRuler)
{
    const Size bordered = SmallestStoredRuler(false, 4, 4);
    struct { Rect stored; Size minimum; Rect want; } bounds[] = {
        {{31, 22, 32, 32}, bordered, {31, 22, 63, 54}},                 // 1 x 10
        {{30, 0, 32, 32767}, bordered, {30, 0, 62, 32767}},             // 2 wide, tall enough
        {{100, 100, 132, 132}, bordered, {100, 100, 132, 132}},         // the smallest itself
        {{100, 100, 500, 156}, bordered, {100, 100, 500, 156}},
        {{INT_MAX - 5, INT_MAX - 1, INT_MAX, INT_MAX}, bordered, {INT_MAX - 32, INT_MAX - 32, INT_MAX, INT_MAX}},
        // A 32-pixel ruler that lost its border is stored 26 high and stays so.
        {{100, 200, 500, 226}, SmallestStoredRuler(true, 4, 4), {100, 200, 500, 226}},
        {{100, 200, 101, 210}, SmallestStoredRuler(true, 4, 4), {100, 200, 126, 226}},
        {{100, 200, 101, 210}, SmallestStoredRuler(true, 2, 9), {100, 200, 130, 216}},
    };
    for (const auto& b : bounds) {
        const Rect got = WithRulerMinimumSize(b.stored, b.minimum);
        EXPECT_EQ(got, b.want) << got.left << "," << got.top << "," << got.right << "," << got.bottom;
    }
    EXPECT_EQ(bordered, (Size{32, 32}));
    EXPECT_EQ(SmallestStoredRuler(true, 20, 0), (Size{1, 32})) << "never below a pixel; no frame loses nothing";
}
