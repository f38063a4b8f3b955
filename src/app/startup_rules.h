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

// Stored bounds narrower or lower than the smallest ruler (a damaged or hand-edited record:
// the window never makes one) grow to it from their top-left corner, or up to the end of the
// coordinates where that corner lies too close to it, so that the ruler can be seen and taken
// hold of. Others are returned as they are.
Rect WithRulerMinimumSize(const Rect& stored);
