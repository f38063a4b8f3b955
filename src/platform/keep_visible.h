// The arithmetic of keeping a window reachable: shift a rectangle so that a margin of it lies
// inside a reference area. Coordinates may be anything a registry holds, so all sums are
// 64-bit and results saturate.
#pragma once

#include "base/geometry.h"

#include <cstdint>

// The margin a caller means by -1.
constexpr int kDefaultVisibleMargin = 32;

// Shifts `rc` so that at least marginX pixels of it lie inside `area` horizontally and
// marginY pixels vertically (-1 means 32). A margin larger than the area counts as the area's
// size, so the result always meets a non-empty area; an empty area changes nothing.
Rect KeepRectInArea(const Rect& rc, const Rect& area, int marginX, int marginY);

// The largest window width or height placed from stored bounds (the window system's
// 16-bit coordinate limit): a larger stored size is cut there, keeping the left/top edge.
constexpr std::int64_t kMaxWindowExtent = 32767;
Rect LimitRectExtent(const Rect& rc, std::int64_t maxExtent = kMaxWindowExtent);
