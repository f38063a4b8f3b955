// Sizes at a monitor's density and what a change of density asks of a window. The density
// itself comes from the platform side (the monitor the window is on, or the system's one).
#pragma once

#include "base/geometry.h"

#include <cstdint>

// The density every size in the program is designed at: 100 %.
constexpr int kBaseDpi = 96;
// Densities outside this range are not a monitor's (a zero from a failed call, a broken
// value): the caller's fallback stands for them.
constexpr int kLowestDpi = 48;
constexpr int kHighestDpi = 960;

// `dpi` when it is a monitor's density, else `fallback`.
int DpiOrFallback(int dpi, int fallback);

// A size designed at `fromDpi` at `toDpi`: rounded to the nearest with halves away from zero
// (MulDiv's rounding). The value itself when either density is outside the range above.
int ScaleToDpi(int value, int toDpi, int fromDpi = kBaseDpi);

// The density WM_DPICHANGED announces: the low word of wParam (the high word, the vertical
// density, is the same for every monitor Windows knows). 0 when it is not a density.
int DpiFromChangeMessage(std::uint32_t wParam);

// Where a window goes when its density changes: the rectangle the system suggests, when it
// has one that is not empty; without one the window keeps its top-left corner and its size
// grows or shrinks by the ratio of the densities (at least 1 pixel each way).
Rect BoundsAfterDpiChange(const Rect& current, const Rect* suggested, int oldDpi, int newDpi);
