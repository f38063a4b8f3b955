// The ruler's view flags, kept in the low word of its window style, and the caption items.
#pragma once

#include <cstdint>

enum : std::uint32_t {
    RS_UNIT_PX = 0x0001,
    RS_UNIT_TWIP = 0x0002,
    RS_UNIT_PT = 0x0004,
    RS_UNIT_DU = 0x0008,
    RS_UNIT_IN = 0x0010,
    RS_UNIT_CM = 0x0020,
    RS_UNIT_DBU = 0x0040,
    RS_UNIT_PC = 0x0080,
    RS_UNIT_MASK = 0x00FF,
    RS_HORZ = 0x0100,
    RS_VERT = 0x0200,
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
