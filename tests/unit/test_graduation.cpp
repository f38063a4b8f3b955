#include "ruler/view_flags.h"
#include "units/graduation.h"
#include "units/units.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>
#include <gtest/gtest.h>

namespace {

// A horizontal ruler, not flipped, 30 pixels thick, laid out whole unless a range is given.
GraduationParams Ruler(std::uint32_t unit, int base, int dpi, int scale, int length)
{
    UnitMetrics m = CalcUnitMetrics(unit, dpi, {6, 13}, base);
    GraduationParams p;
    p.dpi = dpi;
    p.unitTwips = m.unitTwips;
    p.labelStep = m.labelStep;
    p.subdivisions = m.subdivisions;
    p.scale = scale;
    p.inch = FindUnit(unit)->flag == RS_UNIT_IN;
    p.length = length;
    p.thickness = 30;
    p.fontHeight = 16;
    p.from = 0;
    p.to = length;
    p.labelExtent = 24;
    return p;
}

GraduationLayout Layout(const GraduationParams& p)
{
    GraduationLayout out;
    LayoutGraduations(p, out);
    return out;
}

int Len(const GraduationTick& t)
{
    return t.acrossStart > t.acrossEnd ? t.acrossStart - t.acrossEnd : t.acrossEnd - t.acrossStart;
}

std::vector<int> MajorPositions(const GraduationLayout& g)
{
    std::vector<int> v;
    for (auto& t : g.ticks)
        if (Len(t) == 12)
            v.push_back(t.along);
    return v;
}

std::vector<std::pair<int, std::string>> Labels(const GraduationLayout& g)
{
    std::vector<std::pair<int, std::string>> v;
    for (auto& l : g.labels)
        v.emplace_back(l.along, std::string(l.text, size_t(l.textLength)));
    return v;
}

// Minor ticks strictly between two along positions, as (along, length).
std::vector<std::pair<int, int>> Minors(const GraduationLayout& g, int after, int before)
{
    std::vector<std::pair<int, int>> v;
    for (auto& t : g.ticks)
        if (t.along > after && t.along < before && Len(t) != 12)
            v.emplace_back(t.along, Len(t));
    return v;
}

TEST(Graduation, MajorTicksAndLabels)
{
    using L = std::vector<std::pair<int, std::string>>;
    struct { GraduationParams p; std::vector<int> majors; L labels; } cases[] = {
        // Positions truncate toward zero.
        {Ruler(RS_UNIT_CM, 10, 96, 100, 200), {0, 37, 75, 113, 150, 188},
         {{0, "0"}, {37, "1"}, {75, "2"}, {113, "3"}, {150, "4"}, {188, "5"}}},
        // Below 100 % only every second major tick is labelled.
        {Ruler(RS_UNIT_CM, 10, 96, 50, 100), {0, 18, 37, 56, 75, 94}, {{0, "0"}, {37, "2"}, {75, "4"}}},
        // ... except in inches.
        {Ruler(RS_UNIT_IN, 2, 96, 50, 150), {0, 48, 96, 144}, {{0, "0"}, {48, "1"}, {96, "2"}, {144, "3"}}},
        {Ruler(RS_UNIT_IN, 10, 96, 100, 300), {0, 96, 192, 288}, {{0, "0"}, {96, "1"}, {192, "2"}, {288, "3"}}},
        {Ruler(RS_UNIT_PX, 10, 96, 100, 160), {0, 50, 100, 150}, {{0, "0"}, {50, "50"}, {100, "100"}, {150, "150"}}},
        {Ruler(RS_UNIT_PX, 2, 96, 100, 100), {0, 32, 64, 96}, {{0, "0"}, {32, "32"}, {64, "64"}, {96, "96"}}},
        {Ruler(RS_UNIT_DU | RS_HORZ, 2, 96, 100, 100), {0, 46, 93}, {{0, "0"}, {46, "32"}, {93, "64"}}},
        // A scale of 0 leaves positions unscaled but labels only every second tick.
        {Ruler(RS_UNIT_CM, 10, 96, 0, 80), {0, 37, 75}, {{0, "0"}, {75, "2"}}},
        // Shorter than one interval: the zero tick and its label still show.
        {Ruler(RS_UNIT_CM, 10, 96, 100, 20), {0}, {{0, "0"}}},
    };
    for (auto& c : cases) {
        GraduationLayout g = Layout(c.p);
        EXPECT_EQ(MajorPositions(g), c.majors) << c.p.unitTwips << " at " << c.p.scale;
        EXPECT_EQ(Labels(g), c.labels) << c.p.unitTwips << " at " << c.p.scale;
        EXPECT_FALSE(g.truncated);
    }
}

TEST(Graduation, LastTickIsTheFirstAtOrBeyondTheLength)
{
    GraduationParams p = Ruler(RS_UNIT_CM, 10, 96, 100, 100);
    p.to = 1000;  // a clip box past the end shows where the graduations stop
    EXPECT_EQ(MajorPositions(Layout(p)), (std::vector<int>{0, 37, 75, 113}));
    p.length = 113;
    EXPECT_EQ(MajorPositions(Layout(p)), (std::vector<int>{0, 37, 75, 113}));
    p.length = 114;
    EXPECT_EQ(MajorPositions(Layout(p)), (std::vector<int>{0, 37, 75, 113, 150}));
}

TEST(Graduation, SubdivisionPatterns)
{
    using M = std::vector<std::pair<int, int>>;
    struct { const char* name; GraduationParams p; int next; M minors; } cases[] = {
        {"cm base 10: 9 at 5 mm, 4 at the other millimetres", Ruler(RS_UNIT_CM, 10, 96, 100, 100), 37,
         {{4, 4}, {7, 4}, {11, 4}, {15, 4}, {19, 9}, {22, 4}, {26, 4}, {30, 4}, {33, 4}}},
        {"cm at 50 %: only the half-centimetre", Ruler(RS_UNIT_CM, 10, 96, 50, 100), 18, {{9, 9}}},
        {"cm base 2", Ruler(RS_UNIT_CM, 2, 96, 100, 100), 37,
         {{5, 4}, {9, 6}, {14, 4}, {19, 9}, {23, 4}, {28, 6}, {32, 4}}},
        {"inch base 10: 9 at 0.5, 6 at tenths, 4 at twentieths", Ruler(RS_UNIT_IN, 10, 96, 100, 100), 96,
         {{5, 4}, {10, 6}, {14, 4}, {19, 6}, {24, 4}, {29, 6}, {34, 4}, {38, 6}, {43, 4}, {48, 9},
          {53, 4}, {58, 6}, {62, 4}, {67, 6}, {72, 4}, {77, 6}, {82, 4}, {86, 6}, {91, 4}}},
        {"px base 2 at 50 %: thirds dropped", Ruler(RS_UNIT_PX, 2, 96, 50, 100), 16,
         {{2, 6}, {4, 8}, {6, 6}, {8, 9}, {10, 6}, {12, 8}, {14, 6}}},
        {"odd count: thirds except the middle", Ruler(RS_UNIT_PX, 2, 96, 100, 100), 0, {}},
    };
    // Seven subdivisions: no pattern, all thirds.
    cases[5].p.subdivisions = 7;
    cases[5].next = 32;
    cases[5].minors = {{5, 4}, {9, 4}, {14, 4}, {18, 4}, {23, 4}, {27, 4}};
    for (auto& c : cases)
        EXPECT_EQ(Minors(Layout(c.p), 0, c.next), c.minors) << c.name;

    // Inch base 2: 9 at 1/2, 8 at eighths, 6 at sixteenths, 4 at thirty-seconds.
    GraduationLayout g = Layout(Ruler(RS_UNIT_IN, 2, 96, 100, 100));
    M minors = Minors(g, 0, 96);
    ASSERT_EQ(minors.size(), 31u);
    for (auto [along, len] : minors) {
        int want = along == 48 ? 9 : along % 12 == 0 ? 8 : along % 6 == 0 ? 6 : 4;
        EXPECT_EQ(len, want) << along;
    }
    // Pixels: 25 or 16 minor intervals between labels 50 or 32 apart.
    EXPECT_EQ(Minors(Layout(Ruler(RS_UNIT_PX, 10, 96, 100, 100)), 0, 50).size(), 24u);
    EXPECT_EQ(Minors(Layout(Ruler(RS_UNIT_PX, 2, 96, 100, 100)), 0, 32).size(), 15u);
}

TEST(Graduation, SidesAndOrientations)
{
    struct { bool vertical, flipped; int edge, tickEnd, labelAcross, minorEnd; } cases[] = {
        {false, false, 30, 18, 2, 26},   // labels above the tick ends
        {false, true, 0, 12, 12, 4},     // ticks down from the top, labels below
        {true, false, 30, 18, 18, 26},   // the turned font extends left of its origin
        {true, true, 0, 12, 28, 4},
    };
    for (auto& c : cases) {
        GraduationParams p = Ruler(RS_UNIT_CM, 10, 96, 100, 40);
        p.vertical = c.vertical;
        p.flipped = c.flipped;
        GraduationLayout g = Layout(p);
        ASSERT_GE(g.ticks.size(), 2u);
        EXPECT_EQ(g.ticks[0].acrossStart, c.edge);
        EXPECT_EQ(g.ticks[0].acrossEnd, c.tickEnd);
        EXPECT_EQ(g.ticks[1].acrossStart, c.edge);  // the first millimetre
        EXPECT_EQ(g.ticks[1].acrossEnd, c.minorEnd);
        ASSERT_FALSE(g.labels.empty());
        EXPECT_EQ(g.labels[0].across, c.labelAcross) << c.vertical << c.flipped;
    }
}

// A whole layout, flattened once, and the part of it that a range must show: the ticks
// inside the range and the labels whose text reaches into it.
struct Whole {
    std::vector<std::pair<int, int>> ticks;  // along, across end
    std::vector<std::pair<int, std::string>> labels;
};

void ExpectSameAsWholeInRange(const Whole& whole, GraduationParams p, int from, int to, GraduationLayout& part)
{
    p.from = from;
    p.to = to;
    LayoutGraduations(p, part);
    ASSERT_FALSE(part.truncated);
    auto lo = std::lower_bound(whole.ticks.begin(), whole.ticks.end(), std::make_pair(from, INT_MIN));
    auto hi = std::lower_bound(whole.ticks.begin(), whole.ticks.end(), std::make_pair(to, INT_MIN));
    std::vector<std::pair<int, int>> got;
    for (auto& t : part.ticks)
        got.emplace_back(t.along, t.acrossEnd);
    const std::vector<std::pair<int, int>> wantTicks(lo, hi);
    ASSERT_EQ(got, wantTicks) << "range " << from << ".." << to << " scale " << p.scale << " twips " << p.unitTwips;
    std::vector<std::pair<int, std::string>> want;
    for (auto& l : whole.labels)
        if (l.first < to && std::int64_t(l.first) + std::max(p.labelExtent, 1) > from)
            want.push_back(l);
    ASSERT_EQ(Labels(part), want) << "range " << from << ".." << to;
}

TEST(Graduation, RangeMatchesWholeLayout)
{
    const std::uint32_t units[] = {RS_UNIT_CM, RS_UNIT_DBU, RS_UNIT_DU, RS_UNIT_IN,
                                   RS_UNIT_PC, RS_UNIT_PX, RS_UNIT_PT, RS_UNIT_TWIP};
    const int length = 1500;
    std::uint32_t seed = 12345;
    auto next = [&seed](int n) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 8) % std::uint32_t(n));
    };
    GraduationLayout part;
    for (std::uint32_t unit : units)
        for (int base : {2, 10})
            for (int dpi : {96, 110})
                for (int scale : {50, 73, 100, 1000})
                    for (int extent : {0, 30}) {
                        GraduationParams p = Ruler(unit, base, dpi, scale, length);
                        p.labelExtent = extent;
                        p.to = INT_MAX;  // the whole ruler and past its end
                        const GraduationLayout full = Layout(p);
                        ASSERT_FALSE(full.truncated);
                        Whole whole;
                        for (auto& t : full.ticks)
                            whole.ticks.emplace_back(t.along, t.acrossEnd);
                        whole.labels = Labels(full);
                        // Ranges starting just before, at and after every major tick ...
                        for (int along : MajorPositions(full))
                            for (int d : {-1, 0, 1})
                                ExpectSameAsWholeInRange(whole, p, along + d, along + d + 1 + next(40), part);
                        // ... and anywhere, including before 0 and past the end.
                        for (int k = 0; k < 20; ++k) {
                            int from = next(length + 300) - 100;
                            ExpectSameAsWholeInRange(whole, p, from, from + 1 + next(300), part);
                        }
                    }
}

TEST(Graduation, CostDoesNotGrowWithLength)
{
    // Walking from tick 0 would run out of the work budget long before the end of this ruler.
    for (int scale : {50, 100}) {
        GraduationParams p = Ruler(RS_UNIT_PX, 2, 96, scale, INT_MAX - 1);
        p.from = INT_MAX - 300;
        p.to = INT_MAX - 100;
        GraduationLayout g = Layout(p);
        EXPECT_FALSE(g.truncated);
        EXPECT_EQ(g.ticks.size(), 100u);
        ASSERT_FALSE(g.labels.empty());
        // A pixel label reads its own position (twice it at 50 %), beyond the int range there.
        for (auto& l : g.labels)
            EXPECT_EQ(std::string(l.text), std::to_string(std::int64_t(l.along) * 100 / scale));
    }
}

TEST(Graduation, DegenerateInputsStayBounded)
{
    GraduationParams base = Ruler(RS_UNIT_PX, 2, 96, 100, 1000);
    struct { const char* name; void (*set)(GraduationParams&); } cases[] = {
        {"length 0", [](GraduationParams& p) { p.length = 0; }},
        {"negative length", [](GraduationParams& p) { p.length = -5; }},
        {"empty range", [](GraduationParams& p) { p.from = p.to = 500; }},
        {"1440 ticks a pixel", [](GraduationParams& p) { p.dpi = 1; p.unitTwips = 1; p.labelStep = 1; }},
        {"no step", [](GraduationParams& p) { p.labelStep = 0; }},
        {"negative density", [](GraduationParams& p) { p.dpi = -96; }},
        {"huge everything", [](GraduationParams& p) { p.dpi = p.unitTwips = p.labelStep = p.scale = INT_MAX; }},
        {"tiny scale", [](GraduationParams& p) { p.scale = 1; p.subdivisions = INT_MAX; }},
        {"huge subdivisions", [](GraduationParams& p) { p.subdivisions = INT_MAX; p.scale = 50; }},
        {"negative subdivisions", [](GraduationParams& p) { p.subdivisions = -4; }},
        {"range before 0", [](GraduationParams& p) { p.length = INT_MAX; p.from = INT_MIN; p.to = INT_MIN + 1000; }},
        {"range at the int limit", [](GraduationParams& p) { p.length = INT_MAX; p.from = INT_MAX - 10; p.to = INT_MAX; }},
        {"huge label", [](GraduationParams& p) { p.labelExtent = INT_MAX; p.from = 900; p.dpi = 1; p.unitTwips = 1; }},
        {"extreme across", [](GraduationParams& p) { p.thickness = INT_MAX; p.fontHeight = INT_MIN; p.tickLength = INT_MAX; }},
    };
    for (auto& c : cases) {
        GraduationParams p = base;
        c.set(p);
        GraduationLayout g = Layout(p);
        const std::int64_t range = std::max<std::int64_t>(std::int64_t(p.to) - p.from, 0);
        EXPECT_LE(std::int64_t(g.ticks.size()), 2 * range + 64) << c.name;
        EXPECT_TRUE(std::is_sorted(g.ticks.begin(), g.ticks.end(),
                                   [](auto& a, auto& b) { return a.along < b.along; })) << c.name;
        for (auto& t : g.ticks) {
            EXPECT_GE(t.along, p.from) << c.name;
            EXPECT_LT(t.along, p.to) << c.name;
        }
    }
    EXPECT_TRUE(Layout(base).ticks.size() > 0);
    // Without a step only the zero tick is placed.
    GraduationParams none = base;
    none.labelStep = 0;
    none.from = -10;
    const GraduationLayout zero = Layout(none);
    ASSERT_EQ(zero.ticks.size(), 1u);
    EXPECT_EQ(zero.ticks[0].along, 0);
}

TEST(Graduation, ContainerIsReused)
{
    GraduationLayout g;
    LayoutGraduations(Ruler(RS_UNIT_PX, 2, 96, 100, 2000), g);
    const auto* ticks = g.ticks.data();
    const size_t capacity = g.ticks.capacity();
    LayoutGraduations(Ruler(RS_UNIT_PX, 2, 96, 100, 1000), g);
    EXPECT_EQ(g.ticks.data(), ticks);
    EXPECT_EQ(g.ticks.capacity(), capacity);
    EXPECT_EQ(g.ticks.size(), 500u);
}

}  // namespace

TEST(Graduation, NoLabelHasMoreDigitsThanTheBound)
{
    const struct {
        std::uint32_t unit;
        int base, dpi, scale, length;
    } cases[] = {
        {RS_UNIT_PX, 10, 96, 100, 640},   {RS_UNIT_PX, 2, 96, 50, 30000},   {RS_UNIT_TWIP, 10, 96, 100, 5000},
        {RS_UNIT_TWIP, 2, 120, 1000, 900}, {RS_UNIT_CM, 10, 96, 50, 20000}, {RS_UNIT_IN, 2, 144, 100, 999},
        {RS_UNIT_PT, 10, 96, 70, 1001},   {RS_UNIT_PX, 10, 96, 100, 9},     {RS_UNIT_DU, 10, 96, 100, 640},
        {RS_UNIT_PX, 10, 96, 0, 30000},  // a stored scale of 0 is drawn unscaled
    };
    for (const auto& c : cases) {
        const GraduationParams p = Ruler(c.unit, c.base, c.dpi, c.scale, c.length);
        const int bound = MaxLabelDigits(p);
        int widest = 0;
        for (const GraduationLabel& l : Layout(p).labels)
            widest = std::max(widest, l.textLength);
        EXPECT_GE(bound, widest) << c.unit << " " << c.scale << " " << c.length;
    }
}
