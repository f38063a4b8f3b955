// The sizing tool's arithmetic: the size read from a window, the rectangle a window is given,
// and the shift that keeps a resized window within reach.
#pragma once

#include "base/geometry.h"

// Which dimensions take part, and whether the sizing border counts.
struct SizingSwitches {
    bool doWidth = true;
    bool doHeight = false;
    bool doFrame = false;
};

// Get size: the stored pair after reading a window whose outer rectangle is `window` and
// whose sizing border is `frame` thick on each side. A dimension that does not take part
// keeps its stored value; with the frame excluded the border comes off both sides.
Size MeasureTargetSize(const Rect& window, Size frame, Size stored, SizingSwitches switches);

// Set size: `window` with its right and bottom edges moved so that the taking-part
// dimensions become `wanted` (plus the border on both sides when the frame is excluded).
// The top-left corner stays; edges that would leave the int range stop at its end.
Rect ComputeTargetRect(const Rect& window, Size frame, Size wanted, SizingSwitches switches);

// Least overlap, in pixels, that a resized window keeps with its reference area.
constexpr int kMinReachable = 50;

// Moves `r` right (down) by 50 less its overlap with `reference` when it overlaps that area
// by less than 50 pixels horizontally (vertically) and its left (top) edge lies beyond the
// reference's. Both tests use the overlap before any move. Off the right or bottom side
// nothing moves.
Rect KeepTargetReachable(const Rect& r, const Rect& reference);
