// The start-up decisions that do not depend on Windows: which system is too old to run on,
// which stored window rectangle is replaced by the default one, and how a too small one grows.
#pragma once

#include "base/geometry.h"

#include <cstdint>

// The oldest major system version the program starts on.
constexpr std::uint32_t kMinSystemMajorVersion = 4;

inline bool IsSystemSupported(std::uint32_t majorVersion) { return majorVersion >= kMinSystemMajorVersion; }

// Stored bounds without a pixel of width or height (a first run, a damaged record) give way
// to the default ruler rectangle for the stored orientation.
bool NeedsDefaultBounds(const Rect& stored);

// The smallest bounds the program itself stores: the smallest ruler (32 x 32, which the
// window keeps while it has a border) and, for a borderless ruler, that ruler after losing
// its border, frameX - 1 and frameY - 1 on each side (SM_CXFRAME and SM_CYFRAME; 26 x 26 at
// a frame of 4). Never less than one pixel.
Size SmallestStoredRuler(bool borderless, int frameX, int frameY);

// Stored bounds narrower or lower than `minimum` (a damaged or hand-edited record: the
// program never stores such bounds) grow to it from their top-left corner, or up to the end
// of the coordinates where that corner lies too close to it, so that the ruler can be seen
// and taken hold of. Others are returned as they are.
Rect WithRulerMinimumSize(const Rect& stored, Size minimum);
