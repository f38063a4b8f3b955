// The magnifier's arithmetic: image area, source area around the pointer, and where the
// visible part of the source lands when the pointer is near the edge of the desktop.
#pragma once

#include "base/geometry.h"

// Width of the sunken frame inside the magnifier square.
constexpr int kMagnifierFrame = 2;

// M' = the magnifier square shrunk by the frame on every side; Rect{} when nothing is left.
Rect GetMagnifierImageRect(const Rect& magnifier);

// srcW = width(image) * 100 / zoom, srcH likewise (integer division), but at least 1 each
// while the image is not empty, so that a tiny ruler at a high zoom never maps onto nothing.
// Size{} for an empty image (the copy command then has nothing to capture). A zoom of 0 or
// less counts as 100.
Size GetMagnifierSourceSize(const Rect& image, int zoom);

// The screen area shown: srcW x srcH with left = p.x - srcW / 2, top = p.y - srcH / 2.
// CopyMagnifierSource copies exactly this rectangle at 1:1.
Rect GetMagnifierSourceRect(Point pointer, Size source);

struct MagnifierLayout {
    Rect image;          // M'
    Rect source;         // S
    Rect visible;        // I = S intersected with the virtual screen
    Rect dest;           // D, where I is drawn inside M'; Rect{} when I is empty
    bool partial = false;  // I is not all of S: fill M' outside D with the desktop colour
};

// DrawMagnifier's rectangles for the magnifier square M, the zoom, the pointer (screen) and
// the virtual screen. When I is all of S, D is M'; otherwise D is I mapped into M' with the
// rounding D.left = M'.left + ((I.left - S.left) * width(M') + srcW / 2) / srcW and likewise.
// An empty image gives an all-empty layout.
MagnifierLayout LayoutMagnifier(const Rect& magnifier, int zoom, Point pointer, const Rect& virtualScreen);
