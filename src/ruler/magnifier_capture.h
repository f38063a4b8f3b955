// The magnifier's bookkeeping around its screen capture: when it draws again, whether the
// kept bitmap is big enough, where the inverted hot spot lies in the copy, which pixel of
// the copy a later colour reading may use, and its zoom label.
#pragma once

#include "base/geometry.h"

#include <cstddef>
#include <cstdint>
#include <optional>

// A draw that is not forced is skipped while the pointer stays on the pixel last drawn for.
inline bool ShouldRedrawMagnifier(bool force, Point pointer, Point last) { return force || pointer != last; }

// The kept capture bitmap serves while it is at least as large as the area in both sides.
inline bool CaptureBitmapFits(Size held, Size needed) { return held.cx >= needed.cx && held.cy >= needed.cy; }

// The pointer's pixel in a copy of the screen area `area` (top-left = (0, 0) of the copy),
// or nothing when the pointer is outside it (no hot spot to invert).
std::optional<Point> HotSpotInCapture(const Rect& area, Point pointer);

// The pixel of the copy that shows the screen pixel `screen`: only the hot spot of the last
// capture (taken of `area` for the pointer `capturedFor`) is read back, so the colour is the
// one the magnifier shows for this very pointer. Nothing otherwise.
std::optional<Point> CapturedPixelOffset(const Rect& area, Point capturedFor, Point screen);

// The screen colour of the hot spot, which the copy holds inverted; CLR_INVALID
// (0xFFFFFFFF, a pixel that could not be read) stays so.
std::uint32_t RestoreCapturedPixel(std::uint32_t shown);

// The zoom label, "<zoom>%", and the length to draw (at most size - 1).
int FormatZoomLabel(char* out, std::size_t size, int zoom);

// The label is white on a black pixel under its corner, else black (0x00BBGGRR).
inline std::uint32_t ZoomLabelColor(std::uint32_t under) { return under == 0 ? 0x00FFFFFFu : 0u; }
