// HLS and HSV views of a sampled screen colour, and web-safe snapping.
#pragma once

#include <cstdint>

// The hue reported for colours without one (greys): the double nearest to 2/3.
constexpr double HUE_UNDEFINED = 0.6666666666666666;

// Channels in 0..1. Hue in degrees, 0 <= h < 360, or HUE_UNDEFINED; the rest in 0..1.
void RgbToHls(double r, double g, double b, double* h, double* l, double* s);
void RgbToHsv(double r, double g, double b, double* h, double* s, double* v);

// A COLORREF (0x00BBGGRR) to three integers on a 0..255 scale, hue included.
void ColorToHls(std::uint32_t c, int* h, int* l, int* s);
void ColorToHsv(std::uint32_t c, int* h, int* s, int* v);

// Each channel to the nearest of 0, 51, 102, 153, 204, 255; the top byte is cleared.
std::uint32_t SnapToWebSafe(std::uint32_t c);
