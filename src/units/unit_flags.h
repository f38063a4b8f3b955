// The unit bits: which of the eight units the ruler shows. They are the low byte of the
// ruler's view flags, and View\Unit stores them as they are. Dialog units also depend on the
// axis they are measured along; the axis bit is the ruler's vertical flag.
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
    UNIT_AXIS_VERT = 0x0200,
};
