// Colour notation values of View\Color.
#pragma once

#include <cstdint>

enum : std::uint32_t {
    CN_HLS = 1,
    CN_HSV = 2,
    CN_RGB_DEC = 4,
    CN_RGB_HEX = 8,
    CN_HTML = 16,
    CN_MASK = 0xFF,
    CN_WEB_SAFE = 0x10000,
};
