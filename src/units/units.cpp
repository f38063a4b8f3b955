#include "units/units.h"

#include "base/arith.h"
#include "units/unit_flags.h"

#include <climits>
#include <initializer_list>

namespace {

// Menu order. The pixel's length depends on the display; the dialog units' lengths and
// steps depend on a font.
const UnitInfo kUnits[kUnitCount] = {
    {RS_UNIT_CM, 2010, "cm", 566, {1, 10}, {1, 8}},
    {RS_UNIT_DBU, 2011, "dbu", 0, {0, 0}, {0, 0}},
    {RS_UNIT_DU, 2012, "du", 0, {0, 0}, {0, 0}},
    {RS_UNIT_IN, 2013, "in", 1440, {1, 20}, {1, 32}},
    {RS_UNIT_PC, 2015, "pc", 240, {2, 10}, {2, 8}},
    {RS_UNIT_PX, 2016, "px", 0, {50, 25}, {32, 16}},
    {RS_UNIT_PT, 2014, "pt", 20, {25, 5}, {24, 8}},
    {RS_UNIT_TWIP, 2017, "twip", 1, {1000, 10}, {720, 16}},
};

// The order in which a style's unit bits are tested; the centimetre is the fallback.
const std::uint32_t kUnitPrecedence[] = {RS_UNIT_PX, RS_UNIT_TWIP, RS_UNIT_PT, RS_UNIT_PC,
                                         RS_UNIT_DU, RS_UNIT_DBU, RS_UNIT_IN};

const UnitInfo* UnitByFlag(std::uint32_t flag)
{
    for (const UnitInfo& u : kUnits)
        if (u.flag == flag)
            return &u;
    return nullptr;
}

// n cut down to a multiple of m. A stored base of 0 would divide by zero: n is kept.
int CutToMultiple(int n, int m)
{
    if (m == 0)
        return n;
    return int(n - std::int64_t(n) % m);  // 64-bit: INT_MIN % -1 overflows in int
}

int ClampTwips(std::int64_t t)
{
    return t < 1 ? 1 : t > INT_MAX ? INT_MAX : int(t);
}

// trunc(v) clamped to the int range (a plain conversion of an out-of-range double is
// undefined).
int TruncToInt(double v)
{
    if (v >= double(INT_MAX))
        return INT_MAX;
    if (v <= double(INT_MIN))
        return INT_MIN;
    return int(v);
}

}  // namespace

const UnitInfo* GetUnitTable()
{
    return kUnits;
}

const UnitInfo* FindUnit(std::uint32_t style)
{
    for (std::uint32_t flag : kUnitPrecedence)
        if (style & flag)
            return UnitByFlag(flag);
    return UnitByFlag(RS_UNIT_CM);
}

const UnitInfo* FindUnitById(int id)
{
    for (const UnitInfo& u : kUnits)
        if (u.id == id)
            return &u;
    return nullptr;
}

const UnitInfo* NextUnit(std::uint32_t style)
{
    std::uint32_t bits = style & RS_UNIT_MASK;
    if (bits == 0 || (bits & (bits - 1)) != 0)
        return nullptr;
    for (int i = 0; i < kUnitCount; ++i)
        if (kUnits[i].flag == bits)
            return &kUnits[(i + 1) % kUnitCount];
    return nullptr;
}

int NiceStepUp(int base, int n)
{
    if (base == 2) {
        // 1024 closes the gap between 512 and the multiples of 1024, where cutting down
        // would give a step of 0.
        for (int s : {4, 8, 16, 32, 64, 128, 256, 512, 1024})
            if (s >= n)
                return s;
        return CutToMultiple(n, 1024);
    }
    if (base == 10) {
        for (int s : {5, 10, 25, 50, 100})
            if (s >= n)
                return s;
        return CutToMultiple(n, 100);
    }
    return CutToMultiple(n, base);
}

int NiceStepDown(int base, int n)
{
    if (base == 2) {
        if (n >= 1024)
            return CutToMultiple(n, 1024);
        for (int s : {512, 256, 128, 64, 32})
            if (s <= n)
                return s;
        return n > 15 ? 16 : n > 7 ? 8 : n > 3 ? 4 : n;
    }
    if (base == 10) {
        if (n >= 100)
            return CutToMultiple(n, 100);
        return n >= 50 ? 50 : n > 24 ? 25 : n > 9 ? 10 : n > 4 ? 5 : n;
    }
    return CutToMultiple(n, base);
}

StepChoice ChooseStep(int base, int dpi, int twipsPerUnit)
{
    const int c = twipsPerUnit < 1 ? 1 : twipsPerUnit;
    // Whole units in 600 twips (5/12 inch), raised to a step of the base.
    int step = NiceStepUp(base, int(600.0 / c));
    if (step < 1)
        step = 1;  // an unknown base can cut the step to 0: the ruler would never end

    // Major interval in pixels at 100 %; every minor interval should stay two pixels wide.
    const double x = double(step) * c * dpi / 1440;
    const std::int64_t e = TruncToInt(x * 0.5);
    const int m = base == 10 ? 5 : 8;
    const std::int64_t f = e - e % m;
    std::int64_t g = step;
    if (g < f)
        while (2 * g <= f)
            g *= 2;
    if (f % g != 0)
        g = Gcd(int(g), int(f % g));
    int sub = (g < step && step <= e) ? step : NiceStepDown(base, int(g));

    // Minor intervals of two to three pixels look crowded: thin them out.
    if (sub > 0) {
        const double minor = x / sub;
        if (minor > 2 && minor < 3) {
            if (base == 10 && sub % 10 != 0 && sub % 5 == 0)
                sub /= 5;
            else
                sub /= 2;
        }
    }
    if (sub < 1)
        sub = 1;
    return {step, sub};
}

UnitMetrics CalcUnitMetrics(std::uint32_t style, int logPixels, Size dlgBase, int base)
{
    // A display reports a positive density; anything else would divide by zero below.
    const int dpi = logPixels < 1 ? 1 : logPixels;
    const bool vertical = (style & UNIT_AXIS_VERT) != 0;
    const UnitInfo* unit = FindUnit(style);

    if (unit->flag == RS_UNIT_DU || unit->flag == RS_UNIT_DBU) {
        const int b = vertical ? dlgBase.cy : dlgBase.cx;
        int twips;
        if (unit->flag == RS_UNIT_DU) {
            const std::int64_t d = vertical ? 8 : 4;
            twips = ClampTwips(std::int64_t(b) * 1440 / (d * dpi));
        } else {
            twips = ClampTwips(TruncToInt(b * 1440.0 / dpi));
        }
        StepChoice s = ChooseStep(base, dpi, twips);
        return {twips, s.labelStep, s.subdivisions};
    }

    const StepChoice& s = base == 10 ? unit->base10 : unit->base2;
    // Above 1440 dpi a pixel is shorter than a twip; the length is kept at one twip.
    const int twips = unit->flag == RS_UNIT_PX ? ClampTwips(1440 / dpi) : unit->twips;
    return {twips, s.labelStep, s.subdivisions};
}

double UnitsFromPixels(double p, int unitTwips, double dpi, int scale)
{
    const double den = double(unitTwips) * dpi * (scale > 0 ? scale : 100);
    if (unitTwips <= 0 || !(dpi > 0))
        return 0.0;
    return p * 144000 / den;
}

double PixelEquivalent(double p, int scale)
{
    return scale > 0 ? p * 100 / scale : p;
}

Size DialogBaseUnitsFromMeasure(bool measured, int extentWidth52, int textHeight, Size systemBaseUnits)
{
    if (!measured)
        return systemBaseUnits;
    Size s;
    s.cx = (extentWidth52 / 26 + 1) / 2;  // average letter width to the nearest pixel
    s.cy = textHeight;
    if (s.cx > 0 && s.cy > 0)
        return s;
    return systemBaseUnits;
}

Size SplitDialogBaseUnits(std::uint32_t dbu)
{
    auto word = [](std::uint32_t w) { return w >= 0x8000 ? int(w) - 0x10000 : int(w); };
    Size s;
    s.cx = word(dbu & 0xFFFF);
    s.cy = word(dbu >> 16);
    return s;
}
