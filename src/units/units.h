// The eight measurement units, their graduation steps and the conversions from pixels.
// Pure arithmetic: the display density and dialog base units come in as values.
#pragma once

#include "base/geometry.h"

#include <cstdint>

// Label step (units between two major ticks) and minor intervals per major interval.
struct StepChoice {
    int labelStep = 0;
    int subdivisions = 0;
};

struct UnitInfo {
    std::uint32_t flag;    // RS_UNIT_* view flag
    int id;                // command id, also the id of the abbreviation string
    const char* abbrev;    // text of that string
    int twips;             // fixed length in twips; 0 when it depends on the display or a font
    StepChoice base10;     // fixed steps; zero for the dialog units, whose steps are chosen
    StepChoice base2;
};

constexpr int kUnitCount = 8;

// The units in menu order: cm, dbu, du, in, pc, px, pt, twip.
const UnitInfo* GetUnitTable();
// The unit a style means: the first bit set in the order px, twip, pt, pc, du, dbu, in;
// centimetre when none of these is set. Never null.
const UnitInfo* FindUnit(std::uint32_t style);
// The unit with this command id, or null.
const UnitInfo* FindUnitById(int id);
// The unit after the style's one in menu order (twip wraps to cm); null unless the style
// holds exactly one unit bit.
const UnitInfo* NextUnit(std::uint32_t style);

struct UnitMetrics {
    int unitTwips;
    int labelStep;
    int subdivisions;
};

// Length of one unit in twips, label step and subdivisions for a ruler style (unit bit and
// orientation), the display's pixels per inch along the ruler's axis, the dialog base units
// in pixels and the number base (View\Base; any value but 10 takes the base-2 steps of the
// fixed units). Whatever the inputs: unitTwips >= 1, labelStep >= 1, subdivisions >= 1.
UnitMetrics CalcUnitMetrics(std::uint32_t style, int logPixels, Size dlgBase, int base);

// Label step and subdivisions for a unit of twipsPerUnit twips at dpi pixels per inch.
// Both are at least 1. A base other than 2 or 10 steps in multiples of itself and thins
// crowded subdivisions as base 2 does.
StepChoice ChooseStep(int base, int dpi, int twipsPerUnit);
// n raised to a step of the base (base 2: powers of two from 4; base 10: 5, 10, 25, 50,
// 100, then whole hundreds).
int NiceStepUp(int base, int n);
// n lowered to a step of the base.
int NiceStepDown(int base, int n);

// A pixel distance along the ruler in units: p * 144000 / (unitTwips * dpi * scale).
// A scale of 0 or below counts as 100 %, as in painting; 0 when the unit or density is not
// positive.
double UnitsFromPixels(double p, int unitTwips, double dpi, int scale);
// The unscaled pixel distance: p * 100 / scale; p itself for a scale of 0 or below.
double PixelEquivalent(double p, int scale);

// The dialog base units of a measured font: cx = (width of the 52 letters / 26 + 1) / 2,
// cy = the font's height; the system's units when the font could not be measured or either
// value is not positive.
Size DialogBaseUnitsFromMeasure(bool measured, int extentWidth52, int textHeight, Size systemBaseUnits);
// GetDialogBaseUnits' value: low word cx, high word cy, each a signed 16-bit number.
Size SplitDialogBaseUnits(std::uint32_t dbu);
