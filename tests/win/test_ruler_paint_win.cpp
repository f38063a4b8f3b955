// The ruler's painting, rendered through WM_PRINTCLIENT into a DIB and checked pixel by
// pixel: caption strip, icon box, scale colours, tick columns and lengths, labels, the
// guide line, partial paints and GDI objects over many paints.
#include "ruler/view_flags.h"
#include "support/ruler_fixture.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int kThickness = 56;
constexpr int kMajor = 12;
// A place on the shared display where these small windows bother nobody.
constexpr int kLeft = 40;
constexpr int kTop = 600;
constexpr COLORREF kBk = RGB(255, 255, 0);
constexpr COLORREF kFg = RGB(0, 0, 0);

// The rendered ruler's pixels along its tick edge, read in the ruler's own terms.
struct Probe {
    const CRulerFixture& f;
    bool vertical;
    bool flipped;

    // The pixel at (along, across) counted inward from the tick edge.
    COLORREF At(int along, int inward) const
    {
        const int thickness = vertical ? f.Width() : f.Height();
        const int across = flipped ? inward : thickness - 1 - inward;
        return vertical ? f.Pixel(across, along) : f.Pixel(along, across);
    }
    // How many pixels of tick colour run inward from the tick edge at `along`.
    int Run(int along, COLORREF tick) const
    {
        int n = 0;
        while (n < kThickness && At(along, n) == tick)
            ++n;
        return n;
    }
};

// A tick of `length` ends `length` pixels in from the tick edge's coordinate; not flipped,
// that coordinate is the thickness, one past the last client pixel, so one pixel less shows.
int Visible(int length, bool flipped)
{
    return flipped ? length : length - 1;
}

bool IsDark(COLORREF c)
{
    return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 110;
}

int CountDark(const CRulerFixture& f, RECT box)
{
    int n = 0;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            n += IsDark(f.Pixel(x, y)) ? 1 : 0;
    return n;
}

std::vector<COLORREF> Snapshot(const CRulerFixture& f)
{
    std::vector<COLORREF> v;
    for (int y = 0; y < f.Height(); ++y)
        for (int x = 0; x < f.Width(); ++x)
            v.push_back(f.Pixel(x, y));
    return v;
}

class RulerPaint : public ::testing::Test {
protected:
    CRulerFixture f;

    // A ruler of `length` pixels along and kThickness across, yellow with black ticks.
    void Make(DWORD flags, int length, int base = 10, int scale = 100)
    {
        f.settings.m_nBase = base;
        f.settings.m_nScale = scale;
        f.settings.m_clrBk = std::int32_t(kBk);
        f.settings.m_clrFg = std::int32_t(kFg);
        f.settings.m_nCaption = 0;  // nothing live: no poll timer between renders
        const bool vertical = (flags & RS_VERT) != 0;
        const RECT client = vertical ? RECT{kLeft, kTop - 300, kLeft + kThickness, kTop - 300 + length}
                                     : RECT{kLeft, kTop, kLeft + length, kTop + kThickness};
        ASSERT_TRUE(f.Create(flags, client));
        ASSERT_EQ(f.ruler->m_nLogPixels, 96) << "these expectations are for 96 dpi";
        f.Render();
    }
    int Strip() const { return f.ruler->GetStripThickness(); }
};

struct TickCase {
    const char* name;
    DWORD flags;
    int base;
    int scale;
    int length;
    std::vector<int> majors;                   // every major tick inside the length
    std::vector<std::pair<int, int>> minors;   // (along, tick length)
    std::vector<int> absentLengths;            // no tick of these lengths anywhere
};

const TickCase kTickCases[] = {
    {"cm 100%", RS_HORZ | RS_UNIT_CM, 10, 100, 200, {0, 37, 75, 113, 150, 188}, {{19, 9}, {4, 4}, {41, 4}, {56, 9}}, {}},
    {"cm 50%", RS_HORZ | RS_UNIT_CM, 10, 50, 100, {0, 18, 37, 56, 75, 94}, {{9, 9}, {28, 9}}, {4}},
    {"px base 2", RS_HORZ | RS_UNIT_PX, 2, 100, 200, {0, 32, 64, 96, 128, 160, 192},
     {{2, 4}, {4, 6}, {8, 8}, {16, 9}, {24, 8}, {34, 4}, {62, 4}}, {}},
    {"px flipped", RS_HORZ | RS_FLIPPED | RS_UNIT_PX, 2, 100, 100, {0, 32, 64, 96}, {{2, 4}, {16, 9}}, {}},
    {"px vertical", RS_VERT | RS_UNIT_PX, 2, 100, 100, {0, 32, 64, 96}, {{2, 4}, {16, 9}, {40, 8}}, {}},
    {"px vertical flipped", RS_VERT | RS_FLIPPED | RS_UNIT_PX, 2, 100, 100, {0, 32, 64, 96}, {{2, 4}, {48, 9}}, {}},
    {"in base 2", RS_HORZ | RS_UNIT_IN, 2, 100, 200, {0, 96, 192}, {{3, 4}, {6, 6}, {12, 8}, {48, 9}}, {}},
};

}  // namespace

TEST_F(RulerPaint, TickColumnsAndLengths)
{
    for (const TickCase& c : kTickCases) {
        SCOPED_TRACE(c.name);
        Make(c.flags, c.length, c.base, c.scale);
        const bool flipped = (c.flags & RS_FLIPPED) != 0;
        const Probe probe{f, (c.flags & RS_VERT) != 0, flipped};
        std::vector<int> majors;
        std::set<int> runs;
        for (int along = 0; along < c.length; ++along) {
            const int run = probe.Run(along, kFg);
            runs.insert(run);
            if (run >= Visible(kMajor, flipped))
                majors.push_back(along);
            EXPECT_LE(run, Visible(kMajor, flipped)) << "along " << along;
        }
        EXPECT_EQ(majors, c.majors);
        for (const auto& m : c.minors)
            EXPECT_EQ(probe.Run(m.first, kFg), Visible(m.second, flipped)) << "minor at " << m.first;
        for (int len : c.absentLengths)
            EXPECT_EQ(runs.count(Visible(len, flipped)), 0u) << "a tick of length " << len;
        f.Destroy();
    }
}

TEST_F(RulerPaint, LabelsSitInsideTheTickEnds)
{
    struct Case {
        const char* name;
        DWORD flags;
        int scale;
        int length;
        std::vector<int> labelled;
        std::vector<int> bare;
    };
    const Case cases[] = {
        {"cm 50%: even majors only", RS_HORZ | RS_UNIT_CM, 50, 120, {0, 37, 75}, {18, 56, 94}},
        {"cm 100%: every major", RS_HORZ | RS_UNIT_CM, 100, 200, {0, 37, 75, 113}, {}},
        {"in 50%: every major", RS_HORZ | RS_UNIT_IN, 50, 200, {0, 48, 96, 144}, {}},
        {"flipped", RS_HORZ | RS_FLIPPED | RS_UNIT_CM, 100, 120, {0, 37, 75}, {}},
        {"vertical", RS_VERT | RS_UNIT_CM, 50, 120, {0, 37, 75}, {18, 56, 94}},
        {"vertical flipped", RS_VERT | RS_FLIPPED | RS_UNIT_CM, 100, 120, {0, 37, 75}, {}},
        {"shorter than one interval", RS_HORZ | RS_UNIT_CM, 100, 34, {0}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Make(c.flags, c.length, 10, c.scale);
        const bool vertical = (c.flags & RS_VERT) != 0, flipped = (c.flags & RS_FLIPPED) != 0;
        const int h = int(f.ruler->m_tmRuler.tmHeight);
        // The label's box on the inner side of the tick end; a vertical font's cells lie to
        // the left of its origin, and its text runs downward from the tick.
        const int tickEnd = flipped ? kMajor : kThickness - kMajor;
        const int lo = vertical ? (flipped ? tickEnd : tickEnd - h) : (flipped ? tickEnd : tickEnd - h);
        const auto box = [&](int pos) {
            return vertical ? RECT{lo, pos, lo + h, pos + 6} : RECT{pos, lo, pos + 6, lo + h};
        };
        EXPECT_GT(Probe({f, vertical, flipped}).Run(0, kFg), 0) << "the zero tick";
        for (int pos : c.labelled)
            EXPECT_GE(CountDark(f, box(pos)), 3) << "label at " << pos;
        for (int pos : c.bare)
            EXPECT_EQ(CountDark(f, box(pos)), 0) << "no label at " << pos;
        // Nothing of a label runs across the ticks.
        const RECT ticks = vertical ? (flipped ? RECT{0, 1, kMajor, c.length} : RECT{tickEnd, 1, kThickness, c.length})
                                    : (flipped ? RECT{1, 0, c.length, kMajor} : RECT{1, tickEnd, c.length, kThickness});
        for (int y = ticks.top; y < ticks.bottom; ++y)
            for (int x = ticks.left; x < ticks.right; ++x) {
                const COLORREF p = f.Pixel(x, y);
                ASSERT_TRUE(p == kBk || p == kFg) << x << "," << y;
            }
        f.Destroy();
    }
}

TEST_F(RulerPaint, StripSideAndColours)
{
    struct Case {
        const char* name;
        DWORD flags;
    };
    const Case cases[] = {
        {"horizontal", RS_HORZ | RS_UNIT_CM},
        {"horizontal flipped", RS_HORZ | RS_FLIPPED | RS_UNIT_CM},
        {"vertical", RS_VERT | RS_UNIT_CM},
        {"vertical flipped", RS_VERT | RS_FLIPPED | RS_UNIT_CM},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Make(c.flags, 200);
        const bool vertical = (c.flags & RS_VERT) != 0, flipped = (c.flags & RS_FLIPPED) != 0;
        const int t = Strip();
        // (along, across) with across counted from the strip's outer edge.
        const auto px = [&](int along, int fromOuter) {
            const int across = flipped ? kThickness - 1 - fromOuter : fromOuter;
            return vertical ? f.Pixel(across, along) : f.Pixel(along, across);
        };
        ASSERT_NE(GetActiveWindow(), f.Hwnd());
        const COLORREF inactive = GetSysColor(COLOR_INACTIVECAPTION);
        // The icon box's ends and the far end of the text rectangle show the strip colour.
        for (int along : {0, 1, 18, 19, 190, 199})
            for (int across : {0, t - 1})
                EXPECT_EQ(px(along, across), inactive) << along << "," << across;
        // The scale area starts right after the strip.
        EXPECT_EQ(px(100, t), kBk);
        EXPECT_EQ(px(101, kThickness - kMajor - 2), kBk);
        // The icon is drawn inside its 20-pixel box.
        int iconPixels = 0;
        for (int along = 2; along < 18; ++along)
            for (int across = 0; across < t; ++across)
                iconPixels += px(along, across) != inactive ? 1 : 0;
        EXPECT_GT(iconPixels, 8);

        SetActiveWindow(f.Hwnd());
        ASSERT_EQ(GetActiveWindow(), f.Hwnd());
        f.Render();
        EXPECT_EQ(px(0, 0), GetSysColor(COLOR_ACTIVECAPTION));
        EXPECT_EQ(px(199, t - 1), GetSysColor(COLOR_ACTIVECAPTION));
        f.Destroy();
    }
}

TEST_F(RulerPaint, StoredColoursAndTheirSystemFallbacks)
{
    struct Case {
        std::int32_t bk, fg;
        COLORREF wantBk, wantFg;
    };
    const Case cases[] = {
        {-1, -1, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNTEXT)},
        {std::int32_t(RGB(10, 200, 30)), std::int32_t(RGB(200, 0, 90)), RGB(10, 200, 30), RGB(200, 0, 90)},
    };
    for (const Case& c : cases) {
        f.settings.m_clrBk = c.bk;
        f.settings.m_clrFg = c.fg;
        f.settings.m_nCaption = 0;
        f.settings.m_nBase = 2;
        ASSERT_TRUE(f.Create(RS_HORZ | RS_UNIT_PX, RECT{kLeft, kTop, kLeft + 100, kTop + kThickness}));
        f.Render();
        EXPECT_EQ(f.Pixel(1, 30), c.wantBk);
        EXPECT_EQ(f.Pixel(32, kThickness - 1), c.wantFg);
        EXPECT_EQ(f.Pixel(32, kThickness - kMajor + 1), c.wantFg);
        f.Destroy();
    }
}

TEST_F(RulerPaint, AClipRangePaintsWhatAFullPaintPaintsThere)
{
    struct Case {
        const char* name;
        DWORD flags;
        int base;
        int length;
        RECT clip;  // along range given as left/right (top/bottom for vertical)
    };
    const Case cases[] = {
        // Starts just after the label "4" began at 150: its tail must still be drawn.
        {"cm, label straddling", RS_HORZ | RS_UNIT_CM, 10, 400, {153, 0, 197, kThickness}},
        {"px base 10, wide labels", RS_HORZ | RS_UNIT_PX, 10, 600, {352, 0, 361, kThickness}},
        {"scale area only", RS_HORZ | RS_UNIT_IN, 2, 300, {90, 30, 140, kThickness}},
        {"vertical flipped", RS_VERT | RS_FLIPPED | RS_UNIT_PX, 2, 300, {0, 130, kThickness, 170}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Make(c.flags, c.length, c.base);
        const std::vector<COLORREF> full = Snapshot(f);
        f.Render(&c.clip);
        int differing = 0, outside = 0;
        for (int y = 0; y < f.Height(); ++y)
            for (int x = 0; x < f.Width(); ++x) {
                const bool in = x >= c.clip.left && x < c.clip.right && y >= c.clip.top && y < c.clip.bottom;
                const COLORREF p = f.Pixel(x, y);
                if (in)
                    differing += p != full[std::size_t(y) * std::size_t(f.Width()) + std::size_t(x)] ? 1 : 0;
                else
                    outside += p != CRulerFixture::kFill ? 1 : 0;
            }
        EXPECT_EQ(differing, 0);
        EXPECT_EQ(outside, 0);
        f.Destroy();
    }
}

TEST_F(RulerPaint, GuideInvertsOneLineAndASecondDrawRestoresIt)
{
    struct Case {
        const char* name;
        DWORD flags;
        POINT at;
        RECT line;  // the pixels that flip; empty for none
    };
    // The line covers the scale area from the strip to the client edge on the tick side.
    const int t = [] {
        CRulerFixture probe;
        probe.settings.m_nCaption = 0;
        probe.Create(RS_HORZ | RS_UNIT_PX, RECT{kLeft, kTop, kLeft + 100, kTop + kThickness});
        return probe.ruler ? probe.ruler->GetStripThickness() : 0;
    }();
    ASSERT_GT(t, 0);
    const int m = 200 - kThickness;  // the magnifier's first column
    const Case cases[] = {
        {"horizontal", RS_HORZ | RS_UNIT_PX, {70, 5}, {70, t, 71, kThickness}},
        {"horizontal flipped", RS_HORZ | RS_FLIPPED | RS_UNIT_PX, {0, 40}, {0, 0, 1, kThickness - t}},
        {"vertical", RS_VERT | RS_UNIT_PX, {30, 120}, {t, 120, kThickness, 121}},
        {"vertical flipped", RS_VERT | RS_FLIPPED | RS_UNIT_PX, {0, 199}, {0, 199, kThickness - t, 200}},
        {"last graduated column", RS_HORZ | RS_UNIT_PX | RS_MAGNIFIER, {m - 1, 0}, {m - 1, t, m, kThickness}},
        {"never on the magnifier", RS_HORZ | RS_UNIT_PX | RS_MAGNIFIER, {m, 0}, {}},
        {"left of the ruler", RS_HORZ | RS_UNIT_PX, {-1, 0}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Make(c.flags, 200, 2);
        const std::vector<COLORREF> before = Snapshot(f);
        f.ruler->DrawGuide(f.Dc(), c.at.x, c.at.y);
        GdiFlush();
        for (int y = 0; y < f.Height(); ++y)
            for (int x = 0; x < f.Width(); ++x) {
                const COLORREF was = before[std::size_t(y) * std::size_t(f.Width()) + std::size_t(x)];
                const bool in = x >= c.line.left && x < c.line.right && y >= c.line.top && y < c.line.bottom;
                ASSERT_EQ(f.Pixel(x, y), in ? (~was & 0xFFFFFF) : was) << x << "," << y;
            }
        f.ruler->DrawGuide(f.Dc(), c.at.x, c.at.y);
        GdiFlush();
        EXPECT_EQ(Snapshot(f), before);
        f.Destroy();
    }
}

TEST_F(RulerPaint, PaintDrawsTheGuideWhereItStands)
{
    f.settings.m_nCaption = 0;
    f.settings.m_clrBk = std::int32_t(kBk);
    // The guide starts the poll timer; no messages are handled between the renders, so it
    // cannot move the guide while this looks.
    ASSERT_TRUE(f.Create(RS_HORZ | RS_UNIT_PX | RS_GUIDE, RECT{kLeft, kTop, kLeft + 200, kTop + kThickness}));
    f.ruler->m_ptGuide = POINT{INT_MAX, 0};
    f.Render();
    const std::vector<COLORREF> plain = Snapshot(f);
    // Column 117 carries only a short tick, clear of the label of 96.
    f.ruler->m_ptGuide = POINT{117, 3};
    f.Render();
    EXPECT_EQ(f.Pixel(117, kThickness - 16), ~kBk & 0xFFFFFF);
    EXPECT_EQ(f.Pixel(117, 0), plain[117]);  // the strip is not crossed
    EXPECT_EQ(f.Pixel(116, kThickness - 16), kBk);
}

TEST_F(RulerPaint, GdiObjectsStayFlatOverManyPaints)
{
    Make(RS_HORZ | RS_UNIT_CM, 300);
    for (int i = 0; i < 20; ++i)
        f.Render();
    const int before = CountGdiObjects();
    if (before < 0)
        GTEST_SKIP() << kNoGdiCount;
    for (int i = 0; i < 2000; ++i) {
        f.Render();
        InvalidateRect(f.Hwnd(), nullptr, TRUE);
        UpdateWindow(f.Hwnd());
        f.ruler->DrawGuide(nullptr, i % 300, 0);
        f.ruler->DrawGuide(nullptr, i % 300, 0);
    }
    EXPECT_EQ(CountGdiObjects(), before);
}
