// Where the parts of the ruler lie: graduated area, magnifier square, caption strip, scale
// area, guide line and zero point. All rectangles are in client coordinates unless stated;
// style is the full window style with the RS_* view flags in its low word.
#pragma once

#include "base/geometry.h"
#include "ruler/view_flags.h"

#include <cstdint>

// The one orientation test every ruler computation uses (RS_VERT set means vertical).
inline bool IsVerticalStyle(std::uint32_t style) { return (style & RS_VERT) != 0; }

// Length of the caption strip's icon box along the ruler, in pixels at the system's density
// (it grows and shrinks with the density of the monitor the ruler is on).
constexpr int kCaptionIconBox = 20;

// Parts of the caption strip for GetCaptionStripRect.
enum : int {
    CSR_STRIP = 1,  // the whole strip
    CSR_ICON = 2,   // the icon box at its start
    CSR_TEXT = 4,   // the text rectangle after the icon box
};

// The client rectangle less the magnifier square; never of negative size, even when the
// client is shorter than it is thick.
Rect GetGraduatedRect(std::uint32_t style, const Rect& client);

// The magnifier square: side = client height at the right end of a horizontal ruler,
// side = client width at the bottom of a vertical one; Rect{} when RS_MAGNIFIER is clear.
// It stays square when the client is shorter than it is thick (it then starts before the
// client and is cut by clipping).
Rect GetMagnifierRect(std::uint32_t style, const Rect& client);

struct RulerExtent {
    int thickness = 0;  // across the ruler
    int length = 0;     // along the ruler
};
RulerExtent GetRulerExtent(std::uint32_t style, const Rect& graduated);

// Graduation zero on the tick edge of the graduated rectangle, client coordinates.
// Inner form: (left, bottom) horizontal / (right, top) vertical when not flipped, (left, top)
// when flipped. Outside form: a flipped ruler gives the pixel line just outside instead,
// (left, top - 1) horizontal / (left - 1, top) vertical. The caller converts to screen.
Point GetZeroPoint(std::uint32_t style, const Rect& graduated, bool outside);

// A part (CSR_*) of the caption strip, which runs along the edge opposite the tick edge
// with the given thickness (tmHeight + tmExternalLeading of the ruler font). textOrigin,
// when not null, receives where the caption text is drawn: along = iconBox for CSR_TEXT, else 0;
// across = the strip's top (horizontal) or its right edge (vertical, the font is turned
// -90 degrees so its cells extend to the left of the origin). An unknown part gives Rect{}.
Rect GetCaptionStripRect(std::uint32_t style, const Rect& graduated, int stripThickness, int part,
                         Point* textOrigin, int iconBox = kCaptionIconBox);

// The graduated rectangle less the caption strip. The paint form is one pixel narrower on
// the side that touches the strip; the erase form is not. Never of negative size.
Rect GetScaleRect(std::uint32_t style, const Rect& graduated, int stripThickness, bool paintForm);

// The 1-pixel column (horizontal) or row (vertical) at p that the guide line inverts across
// the scale area, or Rect{} when no guide is drawn there (p outside the graduated length).
Rect GetGuideRect(std::uint32_t style, const Rect& client, const Rect& graduated, int stripThickness,
                  Point p);

// The ruler's default window rectangle on a screen of screenW x screenH pixels.
Rect GetDefaultRulerRect(bool vertical, int screenW, int screenH);
