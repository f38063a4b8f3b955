// The ruler's view flags, kept in the low word of its window style (the unit bits come from
// the unit table), and the caption items.
#pragma once

#include <cstdint>

#include "units/unit_flags.h"

enum : std::uint32_t {
    RS_HORZ = 0x0100,
    RS_VERT = UNIT_AXIS_VERT,
    RS_FLIPPED = 0x1000,
    RS_TOPMOST = 0x2000,
    RS_GUIDE = 0x4000,
    RS_MAGNIFIER = 0x8000,
    // The window-style bits the ruler's state also uses (same values as Windows').
    RS_WS_THICKFRAME = 0x00040000,
    RS_WS_POPUP = 0x80000000,
};

// Items of the caption line (View\Caption).
enum : std::uint32_t {
    CI_POSITION = 0x01,
    CI_DISTANCE = 0x02,
    CI_ANGLE = 0x04,
    CI_COLOR = 0x08,
    CI_PIXELS = 0x10,
    CI_SCREEN = 0x20,
    CI_UNITS = 0x40,
    CI_SCALE = 0x80,
};
