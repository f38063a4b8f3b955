#include "ruler/poll_rules.h"
#include "ruler/style_change.h"
#include "settings/ruler_settings.h"
#include "ruler/view_flags.h"
#include "letters.h"

#include <climits>
#include <gtest/gtest.h>

static void PrintTo(const Rect& r, std::ostream* os)
{
    *os << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}

namespace {

// The decisions of a plan as letters, so a table row reads at a glance.
std::string Decisions(const StyleChangePlan& p)
{
    return Letters({{p.unitsDirty, 'U'}, {p.zOrderDirty, 'Z'}, {p.orientationChanged, 'O'}, {p.sideDirty, 'S'},
                    {p.borderChanged, 'B'}, {p.guideChanged, 'G'}, {p.magnifierChanged, 'M'},
                    {p.updatePollTimer, 'T'}, {p.retitle, 'R'}});
}

constexpr std::uint32_t H = RS_HORZ, V = RS_VERT, F = RS_FLIPPED, CM = RS_UNIT_CM;
constexpr std::uint32_t ORIENT = RS_HORZ | RS_VERT;

}  // namespace

TEST(StyleChange, PlanTable)
{
    struct {
        const char* name;
        std::uint32_t old, remove, add;
        bool force, hFlipped, vFlipped;
        std::uint32_t want;
        const char* decisions;
    } cases[] = {
        {"turn to vertical takes its own side", CM | H, ORIENT, V, false, false, true, CM | V | F, "OS"},
        {"turn to horizontal takes its own side", CM | V | F, ORIENT, H, false, true, false, CM | H | F, "OS"},
        {"turn drops a side not stored", CM | V | F, ORIENT, H, false, false, true, CM | H, "OS"},
        {"turning re-measures du", RS_UNIT_DU | H, ORIENT, V, false, false, false, RS_UNIT_DU | V, "UOSR"},
        {"turning re-measures dbu", RS_UNIT_DBU | V, ORIENT, H, false, false, false, RS_UNIT_DBU | H, "UOSR"},
        {"unit change", CM | H, RS_UNIT_MASK, RS_UNIT_PX, false, false, false, RS_UNIT_PX | H, "UTR"},
        {"side toggle", CM | H, F, F, false, false, false, CM | H | F, "S"},
        {"side toggle back", CM | H | F, F, 0, false, true, false, CM | H, "S"},
        {"topmost", CM | H, RS_TOPMOST, RS_TOPMOST, false, false, false, CM | H | RS_TOPMOST, "Z"},
        // The flag unchanged, but the window was made topmost or not by someone else.
        {"topmost again", CM | H | RS_TOPMOST, RS_TOPMOST, RS_TOPMOST, false, false, false, CM | H | RS_TOPMOST, "Z"},
        {"not topmost again", CM | H, RS_TOPMOST, 0, false, false, false, CM | H, "Z"},
        {"guide", CM | H | RS_GUIDE, RS_GUIDE, 0, false, false, false, CM | H, "GTR"},
        {"magnifier", CM | V, RS_MAGNIFIER, RS_MAGNIFIER, false, false, false, CM | V | RS_MAGNIFIER, "MTR"},
        {"border", CM | H, 0, RS_WS_THICKFRAME, false, false, false, CM | H | RS_WS_THICKFRAME, "B"},
        {"creation", CM | H | F | RS_GUIDE, 0, CM | H | F | RS_GUIDE, true, true, false, CM | H | F | RS_GUIDE, "UZR"},
        {"creation follows the stored side", CM | V, 0, CM | V, true, false, true, CM | V | F, "UZSR"},
        // Invariants hold whatever the masks say.
        {"both orientations: the added one", CM | H, 0, V, false, false, false, CM | V, "OS"},
        {"both orientations added: horizontal", CM | V, 0, ORIENT, false, false, false, CM | H, "OS"},
        {"no orientation: the old one", CM | V, ORIENT, 0, false, false, true, CM | V | F, "S"},
        {"unused bits never set", CM | H, 0, 0x0C00, false, false, false, CM | H, ""},
        {"no unit bit kept as asked", CM | H, RS_UNIT_MASK, 0, false, false, false, H, "UTR"},
        {"several unit bits kept as asked", CM | H, RS_UNIT_MASK, RS_UNIT_DU | RS_UNIT_PX, false, false, false,
         RS_UNIT_DU | RS_UNIT_PX | H, "UTR"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto p = PlanStyleChange(c.old | RS_WS_POPUP, c.remove, c.add, c.force, c.hFlipped, c.vFlipped);
        EXPECT_EQ(p.newStyle, c.want | RS_WS_POPUP);
        EXPECT_EQ(p.changed, p.oldStyle ^ p.newStyle);
        EXPECT_EQ(Decisions(p), c.decisions);
    }
}

TEST(StyleChange, OnlyTheUnitInUseDecidesReMeasuring)
{
    // Several unit bits: the metrics use the first in their order, and so does the plan.
    const auto hidden = PlanStyleChange(RS_UNIT_DBU | RS_UNIT_PX | H, ORIENT, V, false, false, false);
    EXPECT_EQ(hidden.unitFlag, RS_UNIT_PX);
    EXPECT_FALSE(hidden.unitsDirty);
    const auto shown = PlanStyleChange(RS_UNIT_DBU | RS_UNIT_IN | H, ORIENT, V, false, false, false);
    EXPECT_EQ(shown.unitFlag, RS_UNIT_DBU);
    EXPECT_TRUE(shown.unitsDirty);
    EXPECT_EQ(PlanStyleChange(H, 0, 0, false, false, false).unitFlag, RS_UNIT_CM);
}

TEST(StyleChange, TurnKeepsTheOutsideZeroPoint)
{
    const Rect client{100, 200, 500, 256};  // L 100, T 200, W 400, H 56
    struct { const char* name; std::uint32_t from, to; Rect want; } cases[] = {
        {"plain", H, V, {44, 256, 100, 656}},  // L - H, T + H, H, W
        {"magnifier", H | RS_MAGNIFIER, V | RS_MAGNIFIER, {44, 256, 100, 656}},
        {"flipped", H | F, V | F, {101, 199, 157, 599}},
        {"to flipped", H, V | F, {101, 256, 157, 656}},
        {"from flipped", H | F, V, {44, 199, 100, 599}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Rect turned = TurnClientRect(client, c.from, c.to);
        EXPECT_EQ(turned, c.want);
        EXPECT_EQ(TurnClientRect(turned, c.to, c.from), client);
    }
}

TEST(StyleChange, TurnSaturatesOnStoredExtremes)
{
    const Rect far{INT_MAX - 10, INT_MAX - 10, INT_MAX, INT_MAX};
    const Rect t = TurnClientRect(far, H, V);
    EXPECT_LE(t.left, t.right);
    EXPECT_LE(t.top, t.bottom);
    const Rect inverted{100, 100, 50, 50};  // negative size: taken as empty
    EXPECT_EQ(TurnClientRect(inverted, H, V), (Rect{100, 100, 100, 100}));
    EXPECT_EQ(TurnClientRect(Rect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, H, V).left, INT_MIN);
}

TEST(StyleChange, FlipJumpsAcrossTheTickLine)
{
    const Rect client{0, 0, 400, 56};
    const Rect vclient{0, 0, 56, 400};
    struct { const char* name; Rect window, client; std::uint32_t from, to; int dx, dy; } cases[] = {
        {"horizontal down", {100, 200, 500, 256}, client, H, H | F, 0, 57},
        {"horizontal with border", {96, 196, 504, 260}, client, H, H | F, 0, 57},
        {"horizontal with magnifier", {100, 200, 500, 256}, client, H | RS_MAGNIFIER, H | F | RS_MAGNIFIER, 0, 57},
        {"vertical right", {100, 200, 156, 600}, vclient, V, V | F, 57, 0},
        {"nothing moves it", {100, 200, 500, 256}, client, H, H | RS_GUIDE, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Rect moved = FlipWindowRect(c.window, c.client, c.from, c.to);
        EXPECT_EQ(moved, OffsetRectBy(c.window, c.dx, c.dy));
        EXPECT_EQ(FlipWindowRect(moved, c.client, c.to, c.from), c.window);
    }
    EXPECT_EQ(FlipWindowRect(Rect{0, INT_MAX - 10, 400, INT_MAX}, client, H, H | F).bottom, INT_MAX);
}

TEST(StyleChange, BorderShrinksAndGrowsBack)
{
    const Rect window{100, 200, 500, 256};
    const Rect shrunk = ResizeForBorder(window, false, 3, 2);
    EXPECT_EQ(shrunk, (Rect{103, 202, 497, 254}));
    EXPECT_EQ(ResizeForBorder(shrunk, true, 3, 2), window);
    const Rect edge{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    EXPECT_EQ(ResizeForBorder(edge, true, 3, 3), edge);
}

TEST(PollRules, NeedsPollTimerTable)
{
    struct { bool visible; std::uint32_t style, caption; bool want; } cases[] = {
        {true, RS_UNIT_CM | H, 0, false},
        {false, RS_UNIT_CM | H | RS_MAGNIFIER, CI_POSITION, false},
        {true, RS_UNIT_CM | H | RS_MAGNIFIER, 0, true},
        {true, RS_UNIT_CM | H | RS_GUIDE, 0, true},
        {true, RS_UNIT_DU | H, 0, true},
        {true, RS_UNIT_DBU | V, 0, true},
        {true, RS_UNIT_CM | H | RS_TOPMOST | F, 0, false},
        {true, RS_UNIT_CM | H, CI_POSITION, true},
        {true, RS_UNIT_PX | H, CI_PIXELS, false},
        {true, RS_UNIT_CM | H, CI_PIXELS, true},
        {true, RS_UNIT_PX | H, CI_PIXELS | CI_UNITS, true},
        {true, RS_UNIT_PX | H | RS_GUIDE, CI_PIXELS, true},
        {true, RS_UNIT_PX | H, 0x100, true},  // unknown caption bits still count as non-zero
    };
    for (const auto& c : cases)
        EXPECT_EQ(NeedsPollTimer(c.visible, c.style, c.caption), c.want)
            << c.visible << " " << std::hex << c.style << " " << c.caption;
}

TEST(StyleChange, TheSettingsMirrorWhatThePlanChanged)
{
    StyleChangePlan plan;
    plan.sideDirty = plan.zOrderDirty = true;
    CRulerSettings s;
    s.m_bHFlipped = 1;
    s.m_bOnTop = 5;  // any non-zero value means on top: a topmost style changes nothing
    s.m_bChanged = 0;
    MirrorStyleInSettings(plan, RS_VERT | RS_FLIPPED | RS_TOPMOST, s);
    EXPECT_EQ(s.m_bVFlipped, 1);
    EXPECT_EQ(s.m_bHFlipped, 1);  // the other orientation's side is kept
    EXPECT_EQ(s.m_bOnTop, 5);
    EXPECT_EQ(s.m_bChanged, 0);
    MirrorStyleInSettings(plan, RS_VERT, s);
    EXPECT_EQ(s.m_bOnTop, 0);
    EXPECT_EQ(s.m_bChanged, 1);

    // Every other change writes its own value, and only its own.
    StyleChangePlan all;
    all.magnifierChanged = all.borderChanged = all.unitsDirty = all.orientationChanged = all.guideChanged = true;
    CRulerSettings t;
    MirrorStyleInSettings(all, RS_HORZ | RS_UNIT_CM | RS_MAGNIFIER, t);
    EXPECT_EQ(t.m_bZoom, 1);
    EXPECT_EQ(t.m_bBorderless, 1);
    EXPECT_EQ(t.m_nUnit, std::int32_t(RS_UNIT_CM));
    EXPECT_EQ(t.m_bVertical, 0);
    EXPECT_EQ(t.m_bGuide, 0);
    MirrorStyleInSettings(all, RS_VERT | RS_UNIT_PT | RS_WS_THICKFRAME | RS_GUIDE, t);
    EXPECT_EQ(t.m_bZoom, 0);
    EXPECT_EQ(t.m_bBorderless, 0);
    EXPECT_EQ(t.m_nUnit, std::int32_t(RS_UNIT_PT));
    EXPECT_EQ(t.m_bVertical, 1);
    EXPECT_EQ(t.m_bGuide, 1);
    MirrorStyleInSettings(StyleChangePlan{}, RS_HORZ | RS_UNIT_CM | RS_MAGNIFIER, t);
    EXPECT_EQ(t.m_bZoom, 0);
    EXPECT_EQ(t.m_bBorderless, 0);
    EXPECT_EQ(t.m_nUnit, std::int32_t(RS_UNIT_PT));
    EXPECT_EQ(t.m_bVertical, 1);
    EXPECT_EQ(t.m_bGuide, 1);
}

TEST(StyleChange, MeasuredPixelsPerInchAndFontTurn)
{
    struct {
        std::uint32_t oldStyle, add;
        int held, measured;
        bool measures, unitsDirty;
        int after;
    } cases[] = {
        {RS_HORZ | RS_UNIT_CM, RS_UNIT_CM, 0, 96, true, true, 96},     // never measured
        {RS_HORZ | RS_UNIT_CM, RS_UNIT_CM, 96, 96, false, false, 96},  // nothing turned
        {RS_HORZ | RS_UNIT_CM, RS_VERT | RS_UNIT_CM, 96, 96, true, false, 96},
        {RS_HORZ | RS_UNIT_CM, RS_VERT | RS_UNIT_CM, 96, 120, true, true, 120},
    };
    for (const auto& c : cases) {
        StyleChangePlan plan = PlanStyleChange(c.oldStyle, RS_HORZ | RS_VERT | RS_UNIT_MASK, c.add, false, false,
                                               false);
        ASSERT_FALSE(plan.unitsDirty) << "a cm ruler turned needs no new metrics before it is measured";
        int held = c.held;
        EXPECT_EQ(NeedsDpiMeasure(plan, held), c.measures) << c.held << " " << c.add;
        if (NeedsDpiMeasure(plan, held))
            TakeMeasuredDpi(plan, c.measured, held);
        EXPECT_EQ(plan.unitsDirty, c.unitsDirty);
        EXPECT_EQ(plan.retitle, c.unitsDirty);
        EXPECT_EQ(held, c.after);
    }
    EXPECT_EQ(RulerFontEscapement(RS_HORZ), 0);
    EXPECT_EQ(RulerFontEscapement(RS_VERT | RS_FLIPPED), -900);
}

TEST(StyleChange, RulerFontHeightRoundsAsMulDiv)
{
    struct { int system, ruler; } cases[] = {
        {16, 14}, {-16, -14}, {10, 9}, {-10, -9}, {0, 0}, {1, 1}, {2, 2}, {-1, -1},
        {INT_MAX, 1825361100}, {INT_MIN, -1825361101},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RulerFontHeight(c.system), c.ruler) << c.system;
}

TEST(StyleChange, RulerSizesFollowTheMonitorsDensity)
{
    struct {
        int dpi, systemDpi, systemFont;
        RulerDpiSizes want;  // font, tick, icon box, icon
    } cases[] = {
        {96, 96, 16, {14, 12, 20, 16}},    // the system's density: as the ruler always was
        {144, 96, 16, {20, 18, 30, 24}},   // 150 %: font 24 * 85 %
        {120, 96, -16, {-17, 15, 25, 20}}, // a character height (negative) keeps its sign
        {96, 144, 24, {14, 8, 13, 11}},    // a 100 % monitor beside a 150 % system
        {192, 120, 20, {27, 19, 32, 26}},  // font 32 * 85 % = 27.2
        {0, 96, 16, {14, 12, 20, 16}},     // an unknown density is the system's
    };
    for (const auto& c : cases) {
        const RulerDpiSizes s = RulerSizesForDpi(c.dpi, c.systemDpi, c.systemFont);
        EXPECT_EQ(s.fontHeight, c.want.fontHeight) << c.dpi << "/" << c.systemDpi;
        EXPECT_EQ(s.tickLength, c.want.tickLength) << c.dpi << "/" << c.systemDpi;
        EXPECT_EQ(s.iconBox, c.want.iconBox) << c.dpi << "/" << c.systemDpi;
        EXPECT_EQ(s.iconSize, c.want.iconSize) << c.dpi << "/" << c.systemDpi;
    }
}
