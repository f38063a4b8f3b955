#include "units/density.h"

#include "units/unit_flags.h"
#include "units/units.h"

#include <cmath>

double RoundDensity(double dpi)
{
    return std::round(dpi * 1000) / 1000;
}

bool IsCalibratedDensityValid(double dpi)
{
    return dpi >= kMinCalibratedDpi && dpi <= kMaxCalibratedDpi;
}

double DensityFromLength(double pixels, double millimetres)
{
    if (!(pixels > 0) || !(millimetres > 0))
        return 0;
    return RoundDensity(pixels * 25.4 / millimetres);
}

int PixelsForLength(double millimetres, double dpi)
{
    const double px = millimetres * dpi / 25.4;
    if (!(px > 0))
        return 0;
    return px >= 1e9 ? 1000000000 : int(std::lround(px));
}

bool IsPhysicalUnit(std::uint32_t style)
{
    const std::uint32_t flag = FindUnit(style)->flag;
    return flag == RS_UNIT_CM || flag == RS_UNIT_IN || flag == RS_UNIT_PT || flag == RS_UNIT_PC ||
           flag == RS_UNIT_TWIP;
}

Density UnitDensity(std::uint32_t style, int logPixels, const Density* calibrated)
{
    if (calibrated && IsPhysicalUnit(style) && calibrated->dpi > 0)
        return *calibrated;
    return {double(logPixels), DensitySource::Logical};
}
