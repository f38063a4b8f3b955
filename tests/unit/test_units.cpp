#include "ruler/view_flags.h"
#include "units/units.h"

#include <climits>
#include <cstring>
#include <gtest/gtest.h>

namespace {

const Size kDlg613{6, 13};

TEST(Units, TableInMenuOrderAndNextUnitCycles)
{
    struct { std::uint32_t flag; int id; const char* abbrev; } want[] = {
        {RS_UNIT_CM, 2010, "cm"}, {RS_UNIT_DBU, 2011, "dbu"}, {RS_UNIT_DU, 2012, "du"},
        {RS_UNIT_IN, 2013, "in"}, {RS_UNIT_PC, 2015, "pc"},   {RS_UNIT_PX, 2016, "px"},
        {RS_UNIT_PT, 2014, "pt"}, {RS_UNIT_TWIP, 2017, "twip"}};
    const UnitInfo* table = GetUnitTable();
    for (int i = 0; i < kUnitCount; ++i) {
        EXPECT_EQ(table[i].flag, want[i].flag) << i;
        EXPECT_EQ(table[i].id, want[i].id) << i;
        EXPECT_STREQ(table[i].abbrev, want[i].abbrev) << i;
        EXPECT_EQ(FindUnitById(want[i].id), &table[i]);
        // Shift+U walks the menu and wraps from twip to cm.
        const UnitInfo* next = NextUnit(want[i].flag | RS_HORZ | RS_WS_POPUP);
        ASSERT_NE(next, nullptr);
        EXPECT_EQ(next->flag, want[(i + 1) % kUnitCount].flag);
    }
    EXPECT_EQ(FindUnitById(2018), nullptr);
    for (std::uint32_t style : {0u, RS_UNIT_PX | RS_UNIT_IN, 0xFFu, 0x100u})
        EXPECT_EQ(NextUnit(style), nullptr) << style;
}

TEST(Units, FirstUnitBitWinsInTestOrder)
{
    struct { std::uint32_t style; int id; } cases[] = {
        {0, 2010},                          // no unit bit: centimetre
        {RS_HORZ, 2010},
        {RS_UNIT_CM, 2010},
        {0xFF, 2016},                       // pixel is tested first
        {RS_UNIT_IN | RS_UNIT_DBU, 2011},   // dbu before in
        {RS_UNIT_DBU | RS_UNIT_DU, 2012},   // du before dbu
        {RS_UNIT_PC | RS_UNIT_PT, 2014},    // pt before pc
        {RS_UNIT_CM | RS_UNIT_IN, 2013},    // cm is only the fallback
        {RS_UNIT_TWIP | RS_UNIT_PT, 2017},
    };
    for (auto& c : cases)
        EXPECT_EQ(FindUnit(c.style)->id, c.id) << std::hex << c.style;
}

TEST(Units, MetricsOfEveryUnitAt96Dpi)
{
    struct { std::uint32_t style; int base; int twips, step, sub; } cases[] = {
        {RS_UNIT_CM, 10, 566, 1, 10},   {RS_UNIT_CM, 2, 566, 1, 8},
        {RS_UNIT_IN, 10, 1440, 1, 20},  {RS_UNIT_IN, 2, 1440, 1, 32},
        {RS_UNIT_PT, 10, 20, 25, 5},    {RS_UNIT_PT, 2, 20, 24, 8},
        {RS_UNIT_PC, 10, 240, 2, 10},   {RS_UNIT_PC, 2, 240, 2, 8},
        {RS_UNIT_PX, 10, 15, 50, 25},   {RS_UNIT_PX, 2, 15, 32, 16},
        {RS_UNIT_TWIP, 10, 1, 1000, 10}, {RS_UNIT_TWIP, 2, 1, 720, 16},
        // Dialog units with 6 x 13 base units: 16 subdivisions of base 2 would be 2.93
        // pixels apart and are halved.
        {RS_UNIT_DU | RS_HORZ, 10, 22, 50, 5}, {RS_UNIT_DU | RS_HORZ, 2, 22, 32, 8},
        {RS_UNIT_DBU | RS_HORZ, 10, 90, 10, 10},
        {RS_UNIT_DBU | RS_VERT, 10, 195, 5, 10}, {RS_UNIT_DBU | RS_VERT, 2, 195, 4, 8},
    };
    for (auto& c : cases) {
        UnitMetrics m = CalcUnitMetrics(c.style, 96, kDlg613, c.base);
        EXPECT_EQ(m.unitTwips, c.twips) << std::hex << c.style << std::dec << " base " << c.base;
        EXPECT_EQ(m.labelStep, c.step) << std::hex << c.style << std::dec << " base " << c.base;
        EXPECT_EQ(m.subdivisions, c.sub) << std::hex << c.style << std::dec << " base " << c.base;
    }
}

TEST(Units, LengthsFollowDensityAndAxis)
{
    struct { std::uint32_t style; int dpi; Size dlg; int twips; } cases[] = {
        {RS_UNIT_PX, 120, kDlg613, 12},
        {RS_UNIT_PX, 110, kDlg613, 13},       // 1440 / 110 truncated: slightly short
        {RS_UNIT_DU | RS_VERT, 96, kDlg613, 24},   // an eighth of the height
        {RS_UNIT_DU | RS_HORZ, 120, {8, 16}, 24},
        {RS_UNIT_DBU | RS_HORZ, 144, {12, 24}, 120},
        {RS_UNIT_CM, 144, kDlg613, 566},      // fixed units ignore the display
    };
    for (auto& c : cases)
        EXPECT_EQ(CalcUnitMetrics(c.style, c.dpi, c.dlg, 2).unitTwips, c.twips) << std::hex << c.style;
}

TEST(Units, NiceSteps)
{
    struct { int base, n, up, down; } cases[] = {
        {10, 300, 300, 300}, {2, 3000, 2048, 2048},
        {10, 27, 50, 25},    {2, 27, 32, 16},     {10, 6, 10, 5},   {2, 3, 4, 3},
        {10, 250, 200, 200}, {10, 100, 100, 100}, {10, 4, 5, 4},    {2, 600, 1024, 512},
        {2, 513, 1024, 512}, {2, 1023, 1024, 512}, {2, 1024, 1024, 1024},
        {7, 20, 14, 14},     {0, 20, 20, 20},     {-3, 20, 18, 18}, {-1, INT_MIN, INT_MIN, INT_MIN},
        // A step of the base is kept as it is, at every threshold.
        {2, 4, 4, 4},        {2, 8, 8, 8},        {2, 16, 16, 16},  {2, 32, 32, 32},
        {2, 64, 64, 64},     {2, 128, 128, 128},  {2, 256, 256, 256}, {2, 512, 512, 512},
        {2, 17, 32, 16},     {10, 5, 5, 5},       {10, 10, 10, 10}, {10, 25, 25, 25},
        {10, 50, 50, 50},    {10, 26, 50, 25},   {10, 24, 25, 10},   {2, 15, 16, 8},     {2, 7, 8, 4},
    };
    for (auto& c : cases) {
        EXPECT_EQ(NiceStepUp(c.base, c.n), c.up) << c.base << "," << c.n;
        EXPECT_EQ(NiceStepDown(c.base, c.n), c.down) << c.base << "," << c.n;
    }
    // Dialog units of a 10 x 20 font at 96 dpi are 37 twips: 16 whole units in 600 twips,
    // so a base-2 ruler labels every 16 units.
    EXPECT_EQ(CalcUnitMetrics(RS_UNIT_DU | RS_HORZ, 96, {10, 20}, 2).labelStep, 16);
}

TEST(Units, SingleTwipUnitStillGetsASensibleStep)
{
    // 600 whole units of one twip would round up to 0 and make the graduation loop endless.
    EXPECT_EQ(ChooseStep(2, 96, 1).labelStep, 1024);
    EXPECT_EQ(ChooseStep(2, 96, 2).labelStep, 512);
    // Picas at 96 dpi, pixels at 384, inches at 128: the minor step doubles while it fits;
    // points at 192 dpi: minor steps of 2 to 3 pixels are halved.
    struct { int base, dpi, twips, step, sub; } steps[] = {
        {10, 96, 240, 5, 25}, {2, 384, 15, 64, 128}, {10, 128, 1440, 5, 150}, {10, 192, 20, 50, 25},
    };
    for (const auto& c : steps) {
        EXPECT_EQ(ChooseStep(c.base, c.dpi, c.twips).labelStep, c.step) << c.dpi << " " << c.twips;
        EXPECT_EQ(ChooseStep(c.base, c.dpi, c.twips).subdivisions, c.sub) << c.dpi << " " << c.twips;
    }
    // A dialog unit of one twip: a tiny font on a dense display.
    UnitMetrics m = CalcUnitMetrics(RS_UNIT_DU, 360, {1, 1}, 2);
    EXPECT_EQ(m.unitTwips, 1);
    EXPECT_EQ(m.labelStep, 1024);
}

TEST(Units, AnyStoredSettingsGivePositiveMetrics)
{
    const std::uint32_t styles[] = {0, RS_UNIT_PX, RS_UNIT_TWIP, RS_UNIT_PT, RS_UNIT_PC, RS_UNIT_DU,
                                    RS_UNIT_DU | RS_VERT, RS_UNIT_DBU, RS_UNIT_DBU | RS_VERT,
                                    RS_UNIT_IN, 0xFF, 0xFFFFFFFF};
    const int dpis[] = {INT_MIN, -96, 0, 1, 96, 1441, 100000, INT_MAX};
    const int bases[] = {INT_MIN, -10, -1, 0, 1, 2, 7, 10, 16, INT_MAX};
    const Size dlgs[] = {{0, 0}, {-6, -13}, {6, 13}, {1, 1}, {32767, -32768}, {INT_MAX, INT_MAX}, {INT_MIN, 1}};
    for (std::uint32_t style : styles)
        for (int dpi : dpis)
            for (int base : bases)
                for (Size dlg : dlgs) {
                    UnitMetrics m = CalcUnitMetrics(style, dpi, dlg, base);
                    ASSERT_GE(m.unitTwips, 1) << style << " " << dpi << " " << base << " " << dlg.cx;
                    ASSERT_GE(m.labelStep, 1) << style << " " << dpi << " " << base << " " << dlg.cx;
                    ASSERT_GE(m.subdivisions, 1) << style << " " << dpi << " " << base << " " << dlg.cx;
                }
    for (int twips : {INT_MIN, -1, 0, 1, 2, 1440, INT_MAX})
        for (int dpi : dpis)
            for (int base : bases) {
                StepChoice s = ChooseStep(base, dpi, twips);
                ASSERT_GE(s.labelStep, 1) << base << " " << dpi << " " << twips;
                ASSERT_GE(s.subdivisions, 1) << base << " " << dpi << " " << twips;
            }
}

TEST(Units, ConversionsFromPixels)
{
    struct { double p; int twips, dpi, scale; double units; } cases[] = {
        {144, 1440, 96, 100, 1.5},
        {144, 1440, 96, 200, 0.75},
        {96, 566, 96, 100, 2.5441696113},
        {-48, 1440, 96, 100, -0.5},
        {144, 1440, 96, 0, 1.5},    // no scale recorded: unscaled, as painting does
        {144, 1440, 0, 100, 0},     // no density: no reading rather than a division by zero
        {144, 0, 96, 100, 0},
    };
    for (auto& c : cases)
        EXPECT_NEAR(UnitsFromPixels(c.p, c.twips, c.dpi, c.scale), c.units, 1e-9) << c.p << " " << c.scale;
    EXPECT_DOUBLE_EQ(PixelEquivalent(144, 200), 72);
    EXPECT_DOUBLE_EQ(PixelEquivalent(144, 100), 144);
    EXPECT_DOUBLE_EQ(PixelEquivalent(144, 0), 144);
}

TEST(Units, DialogBaseUnits)
{
    const Size sys{8, 16};
    struct { bool measured; int width, height; Size want; } cases[] = {
        {true, 312, 13, {6, 13}},   // 52 letters of 6 pixels
        {true, 338, 13, {7, 13}},   // 6.5 average rounds up
        {true, 337, 13, {6, 13}},
        {false, 312, 13, sys},
        {true, 0, 13, sys},         // extent not measured
        {true, 312, 0, sys},
        {true, 26, 1, {1, 1}},      // the smallest measure taken
        {true, 25, 13, sys},        // letters under half a pixel wide
        {true, -312, 13, sys},
        {true, 312, -13, sys},
    };
    for (auto& c : cases)
        EXPECT_EQ(DialogBaseUnitsFromMeasure(c.measured, c.width, c.height, sys), c.want) << c.width << "x" << c.height;

    struct { std::uint32_t dbu; Size want; } words[] = {
        {0x00100008, {8, 16}}, {0xFFFF0008, {8, -1}}, {0x80007FFF, {32767, -32768}}, {0, {0, 0}}};
    for (auto& w : words)
        EXPECT_EQ(SplitDialogBaseUnits(w.dbu), w.want) << std::hex << w.dbu;
}

}  // namespace
