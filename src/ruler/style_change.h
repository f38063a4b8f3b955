// The decisions of ModifyRulerStyle, and where the ruler goes when it turns, flips or gains
// or loses its border. Pure functions: the Win32 side measures and moves the window.
#pragma once

#include "base/geometry.h"

#include <cstdint>

class CRulerSettings;

struct StyleChangePlan {
    std::uint32_t oldStyle = 0;
    std::uint32_t newStyle = 0;     // the style to set (invariants kept, see PlanStyleChange)
    std::uint32_t changed = 0;      // oldStyle ^ newStyle
    std::uint32_t unitFlag = 0;     // the single unit bit the metrics use (FindUnit)
    bool unitsDirty = false;        // recompute unit metrics, write View\Unit, retitle
    bool zOrderDirty = false;       // apply RS_TOPMOST (forced, or named in a mask)
    bool orientationChanged = false;
    bool sideDirty = false;         // write the stored flip, move (TurnClientRect / FlipWindowRect)
    bool borderChanged = false;     // write View\Borderless, ResizeForBorder
    bool guideChanged = false;      // write View\Guide, forget the drawn guide, retitle
    bool magnifierChanged = false;  // write View\Zoom, retitle
    bool updatePollTimer = false;   // the magnifier, the guide or the unit changed
    bool retitle = false;           // rebuild the caption line
};

// The plan for ModifyRulerStyle(remove, add, force) on a window whose style is oldStyle;
// hFlipped and vFlipped are the stored View\HFlipped and View\VFlipped.
// Flip follows orientation: when the remove mask has RS_HORZ or RS_VERT, or the add mask has
// one while neither mask has RS_FLIPPED, RS_FLIPPED is taken from the stored flip of the
// orientation being set (VFlipped when the new style is vertical, else HFlipped).
// The new style always has exactly one of RS_HORZ / RS_VERT (both: the one the add mask
// names alone, else horizontal; neither: the old orientation, else horizontal) and never the
// unused bits 0x0400 / 0x0800. The unit byte is kept as asked even with zero or several bits
// (View\Unit is stored as it is); everything that needs one unit uses unitFlag.
// Not decided here (needs the display): when the orientation changed or the pixels per inch
// were never measured, the Win32 side reads LOGPIXELSX/Y and, if the value differs from the
// stored one, treats units as dirty too (and so retitles).
StyleChangePlan PlanStyleChange(std::uint32_t oldStyle, std::uint32_t removeMask, std::uint32_t addMask,
                                bool force, bool hFlipped, bool vFlipped);

// The pixels per inch along the ruler are measured after a turn, or when never measured.
inline bool NeedsDpiMeasure(const StyleChangePlan& plan, int logPixels)
{
    return plan.orientationChanged || logPixels == 0;
}

// Takes a measured pixels-per-inch value into `logPixels`; one that differs from the value
// held makes the units dirty and the caption line rebuilt.
void TakeMeasuredDpi(StyleChangePlan& plan, int measured, int& logPixels);

// The ruler font's escapement (and orientation) in tenths of a degree: turned -90 degrees
// on a vertical ruler, so its text runs downwards.
int RulerFontEscapement(std::uint32_t style);

// The ruler font's height: 85 % of the system font's (lfHeight, either sign), rounded to
// the nearest, halves away from zero, as MulDiv rounds.
int RulerFontHeight(int systemHeight);

// The ruler's own sizes at the density of its monitor: the font, the major tick and the
// caption strip's icon box and icon. Designed at the system's density (the system font's
// lfHeight is at systemDpi), they follow the ratio of the two, so on a monitor of the
// system's density the ruler is drawn as it always was.
struct RulerDpiSizes {
    int fontHeight = 0;  // lfHeight of the ruler font
    int tickLength = 12;
    int iconBox = 20;
    int iconSize = 16;
};
RulerDpiSizes RulerSizesForDpi(int dpi, int systemDpi, int systemFontHeight);

// The client rectangle (screen coordinates) after turning: width and height exchanged,
// placed so that the new outside zero point falls on the old one. A not-flipped horizontal
// client L, T, W, H becomes a not-flipped vertical client L - H, T + H, H, W.
// Saturates at the int range; a stored rectangle of negative size is taken as empty.
Rect TurnClientRect(const Rect& oldClientScreen, std::uint32_t oldStyle, std::uint32_t newStyle);

// The window rectangle (screen) moved so that the outside zero point stays on the same
// screen pixel when the side (or anything else that moves the zero point without turning)
// changes; client is the client rectangle (only its size matters). A 56-pixel-thick
// horizontal ruler moves down by 57 when flipped.
Rect FlipWindowRect(const Rect& window, const Rect& client, std::uint32_t oldStyle, std::uint32_t newStyle);

// The window rectangle after the sizing border was added (grow) or removed (shrink) by
// fx = SM_CXFRAME - 1 left and right and fy = SM_CYFRAME - 1 top and bottom. Saturating.
Rect ResizeForBorder(const Rect& window, bool added, int fx, int fy);

// Writes what the plan changed into the settings record, from `style` (the window's style
// once set): View\Zoom, View\Borderless, View\Unit (when the units are dirty, the pixels
// per inch included), View\Vertical, the flip of the orientation shown, View\Guide, and
// Window\On top (marking the record changed when that differs from what it held).
void MirrorStyleInSettings(const StyleChangePlan& plan, std::uint32_t style, CRulerSettings& s);
