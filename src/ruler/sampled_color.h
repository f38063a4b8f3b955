// Colours read from the screen: the web-safe palette they may be snapped to, and when a
// sampled colour is snapped at all.
#pragma once

#include <cstdint>

// The palette has 256 entries: entry r * 36 + g * 6 + b (each 0..5) holds 51r, 51g, 51b;
// the 40 entries after the 216 web-safe colours stay black.
constexpr int kWebSafePaletteSize = 256;

// The colour of one palette entry as 0x00BBGGRR; black outside the 216 web-safe ones.
std::uint32_t WebSafePaletteColor(int index);

// A sampled colour is snapped when View\Color asks for web-safe colours; a point on no
// display (CLR_INVALID) goes back as it is, never snapped into a real-looking colour.
bool SnapsSampledColor(std::uint32_t color, std::uint32_t colorSetting);
