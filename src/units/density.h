// How many screen pixels make an inch: the system's logical density, or a density the user
// calibrated against a real ruler or took from the monitor's reported size. A calibrated
// density may be fractional; it is held to a thousandth of a pixel per inch, so that every
// length computed from it is exact integer arithmetic (see LayoutGraduations).
#pragma once

#include <cstdint>

enum class DensitySource {
    Logical,     // the system's logical pixels per inch (96, 120, 144 ...)
    Reported,    // the monitor's reported physical size, accepted by the user
    Calibrated,  // calibrated by the user against a real length
};

struct Density {
    double dpi = 96;
    DensitySource source = DensitySource::Logical;
};

// The densities a calibration may give. Outside them a measurement is a mistake (a bar
// matched to the wrong length, a width typed in centimetres).
constexpr double kMinCalibratedDpi = 20;
constexpr double kMaxCalibratedDpi = 2400;

// A bank card's width (ISO/IEC 7810 ID-1), the length most people have at hand.
constexpr double kCardWidthMm = 85.60;

// dpi rounded to the nearest thousandth (halves away from zero).
double RoundDensity(double dpi);
// Whether a density lies within the calibration limits (NaN never does).
bool IsCalibratedDensityValid(double dpi);
// The density that makes `pixels` screen pixels `millimetres` long, rounded to a thousandth;
// 0 when either is not positive.
double DensityFromLength(double pixels, double millimetres);
// Whole pixels that come closest to `millimetres` at `dpi`.
int PixelsForLength(double millimetres, double dpi);

// The density the units of a ruler style are measured with: a calibrated one (when given,
// and only for the units whose length is physical: cm, in, pt, pc, twip), else the logical
// pixels per inch. Pixels and the dialog units always keep the logical density.
Density UnitDensity(std::uint32_t style, int logPixels, const Density* calibrated);
// Whether the style's unit has a physical length (calibration changes it).
bool IsPhysicalUnit(std::uint32_t style);
