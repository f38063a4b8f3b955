// The start-up decisions that do not depend on Windows: which system is too old to run on,
// and which stored window rectangle is replaced by the default one.
#pragma once

#include "base/geometry.h"

#include <cstdint>

// The oldest major system version the program starts on.
constexpr std::uint32_t kMinSystemMajorVersion = 4;

inline bool IsSystemSupported(std::uint32_t majorVersion) { return majorVersion >= kMinSystemMajorVersion; }

// Stored bounds without a pixel of width or height (a first run, a damaged record) give way
// to the default ruler rectangle for the stored orientation.
bool NeedsDefaultBounds(const Rect& stored);
