// What one paint of the ruler draws where: the parts the background erase fills, the
// caption text, the graduations' range and points, and whether the guide line and the
// magnifier are drawn. Pure functions of the window's style, client rectangle, strip
// thickness and clip box; the Win32 side measures these and draws what they say.
#pragma once

#include "base/geometry.h"
#include "ruler/ruler_geometry.h"
#include "units/graduation.h"

#include <cstdint>

// Side of the program's small icon, drawn centred in the caption strip's icon box, at the
// system's density.
constexpr int kCaptionIconSize = 16;

// The caption strip's icon box and icon at the density of the ruler's monitor.
struct IconBoxSizes {
    int box = kCaptionIconBox;
    int icon = kCaptionIconSize;
};

struct EraseLayout {
    Rect strip;         // the caption strip inside the clip box (caption colour); empty: nothing
    bool icon = false;  // the icon box meets the clip box
    Point iconAt;       // top-left of the icon, centred in the box
    Rect scale;         // the scale area, erase form, inside the clip box (background colour)
};

// The background erase for a clip box taken before the erase cuts it to the graduated
// rectangle (the magnifier square is never erased: the caller clips it away).
EraseLayout LayoutErase(std::uint32_t style, const Rect& client, int stripThickness, const Rect& clip,
                        IconBoxSizes icon = {});

struct PaintLayout {
    bool text = false;         // the caption text rectangle meets the clip box
    Rect textRect;             // filled opaque with the caption colour, the text drawn at textOrigin
    Point textOrigin;
    bool graduations = false;  // the scale area, paint form, meets the clip box
    bool guide = false;        // the guide line is on and has been drawn at a pointer position
    bool magnifier = false;    // the magnifier is on and its square meets the outer clip box
};

// The paint for `clip`, the clip box once cut to the graduated rectangle, and `outerClip`,
// the one before; `guide` is where the guide line was last drawn (x == INT_MAX: never).
PaintLayout LayoutPaint(std::uint32_t style, const Rect& client, int stripThickness, const Rect& clip,
                        const Rect& outerClip, Point guide, int iconBox = kCaptionIconBox);

// The guide line's inverted column or row at p, kept inside the graduated rectangle: at
// x = G.right the column would otherwise fall on the magnifier's frame, which a paint
// (clipped to G) and a poll (not clipped) would invert unevenly, leaving it inverted.
Rect GetDrawnGuideRect(std::uint32_t style, const Rect& client, int stripThickness, Point p);

// What the graduations are laid out from, besides the window's geometry.
struct ScaleMetrics {
    int dpi = 96;           // pixels per inch along the ruler
    int unitTwips = 15;
    int labelStep = 1;
    int subdivisions = 1;
    int scale = 100;        // ruler scale in percent
    int tickLength = 12;    // major tick
    int fontHeight = 0;     // tmHeight of the ruler font
};

// The layout parameters for the graduations across the along-range of `clip` (client
// coordinates). labelExtent is left 0: it needs the font, which the caller measures.
GraduationParams MakeGraduationParams(std::uint32_t style, const Rect& client, const ScaleMetrics& m,
                                      const Rect& clip);

// The client point of a graduation's (along, across) position.
Point GraduationPoint(bool vertical, int along, int across);
