#include "ruler/style_change.h"

#include "platform/dpi_rules.h"
#include "ruler/paint_layout.h"
#include "ruler/ruler_geometry.h"
#include "settings/ruler_settings.h"
#include "ruler/view_flags.h"
#include "units/units.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kOrientation = RS_HORZ | RS_VERT;
constexpr std::uint32_t kUnusedBits = 0x0400 | 0x0800;

// Exactly one orientation bit, whatever the masks asked for.
std::uint32_t KeepOneOrientation(std::uint32_t style, std::uint32_t oldStyle, std::uint32_t addMask)
{
    const std::uint32_t o = style & kOrientation;
    if (o == RS_HORZ || o == RS_VERT)
        return style;
    std::uint32_t keep = RS_HORZ;
    if (o == kOrientation) {
        if ((addMask & kOrientation) == RS_VERT)
            keep = RS_VERT;
    } else if ((oldStyle & kOrientation) == RS_VERT) {
        keep = RS_VERT;
    }
    return (style & ~kOrientation) | keep;
}

// Client size from a stored rectangle: negative extents count as empty.
Rect ClientAtOrigin(const Rect& r)
{
    return Rect{0, 0, SaturateToInt(std::max<std::int64_t>(r.Width(), 0)),
                SaturateToInt(std::max<std::int64_t>(r.Height(), 0))};
}

Point OutsideZero(std::uint32_t style, const Rect& clientAtOrigin)
{
    return GetZeroPoint(style, GetGraduatedRect(style, clientAtOrigin), true);
}

}  // namespace

StyleChangePlan PlanStyleChange(std::uint32_t oldStyle, std::uint32_t removeMask, std::uint32_t addMask,
                                bool force, bool hFlipped, bool vFlipped)
{
    // The orientation the ruler ends up with; for every well-formed call that is the
    // one the add mask names.
    const std::uint32_t oriented = KeepOneOrientation((oldStyle & ~removeMask) | addMask, oldStyle, addMask);

    // Each orientation remembers its own side.
    const bool neitherFlips = !((removeMask | addMask) & RS_FLIPPED);
    if ((removeMask & kOrientation) || ((addMask & kOrientation) && neitherFlips)) {
        removeMask |= RS_FLIPPED;
        if ((oriented & RS_VERT) ? vFlipped : hFlipped)
            addMask |= RS_FLIPPED;
    }

    StyleChangePlan plan;
    plan.oldStyle = oldStyle;
    std::uint32_t style = (oldStyle & ~removeMask) | addMask;
    style = KeepOneOrientation(style, oldStyle, addMask) & ~kUnusedBits;
    plan.newStyle = style;
    plan.changed = oldStyle ^ style;
    plan.unitFlag = FindUnit(style)->flag;

    const std::uint32_t changed = plan.changed;
    plan.orientationChanged = (changed & kOrientation) != 0;
    // Dialog units measure along the axis, so turning changes their length.
    const bool axisUnit = plan.unitFlag == RS_UNIT_DU || plan.unitFlag == RS_UNIT_DBU;
    plan.unitsDirty = force || (changed & RS_UNIT_MASK) || (plan.orientationChanged && axisUnit);
    // Asked for by name, the z-order is applied even when the flag stays: the window may
    // have been made topmost or not by someone else.
    plan.zOrderDirty = force || ((removeMask | addMask) & RS_TOPMOST);
    plan.sideDirty = plan.orientationChanged || (changed & RS_FLIPPED);
    plan.borderChanged = (changed & RS_WS_THICKFRAME) != 0;
    plan.guideChanged = (changed & RS_GUIDE) != 0;
    plan.magnifierChanged = (changed & RS_MAGNIFIER) != 0;
    plan.updatePollTimer = plan.magnifierChanged || plan.guideChanged || (changed & RS_UNIT_MASK);
    plan.retitle = plan.magnifierChanged || plan.unitsDirty || plan.guideChanged;
    return plan;
}

void TakeMeasuredDpi(StyleChangePlan& plan, int measured, int& logPixels)
{
    if (measured != logPixels) {
        plan.unitsDirty = true;
        plan.retitle = true;
    }
    logPixels = measured;
}

int RulerFontEscapement(std::uint32_t style)
{
    return IsVerticalStyle(style) ? -900 : 0;
}

int RulerFontHeight(int systemHeight)
{
    constexpr std::int64_t kPercent = 85;
    const std::int64_t n = std::int64_t(systemHeight) * kPercent;
    return int(n < 0 ? -((-n + 50) / 100) : (n + 50) / 100);
}

RulerDpiSizes RulerSizesForDpi(int dpi, int systemDpi, int systemFontHeight)
{
    constexpr int kTickLength = 12;
    RulerDpiSizes s;
    s.fontHeight = RulerFontHeight(ScaleToDpi(systemFontHeight, dpi, systemDpi));
    s.tickLength = ScaleToDpi(kTickLength, dpi, systemDpi);
    s.iconBox = ScaleToDpi(kCaptionIconBox, dpi, systemDpi);
    s.iconSize = ScaleToDpi(kCaptionIconSize, dpi, systemDpi);
    return s;
}

Rect TurnClientRect(const Rect& oldClientScreen, std::uint32_t oldStyle, std::uint32_t newStyle)
{
    const Rect oldClient = ClientAtOrigin(oldClientScreen);
    const Rect newClient{0, 0, oldClient.bottom, oldClient.right};
    const Point oldZero = OutsideZero(oldStyle, oldClient);
    const Point newZero = OutsideZero(newStyle, newClient);
    const std::int64_t left = std::int64_t(oldClientScreen.left) + oldZero.x - newZero.x;
    const std::int64_t top = std::int64_t(oldClientScreen.top) + oldZero.y - newZero.y;
    return Rect{SaturateToInt(left), SaturateToInt(top), SaturateToInt(left + newClient.right),
                SaturateToInt(top + newClient.bottom)};
}

Rect FlipWindowRect(const Rect& window, const Rect& client, std::uint32_t oldStyle, std::uint32_t newStyle)
{
    const Rect c = ClientAtOrigin(client);
    const Point oldZero = OutsideZero(oldStyle, c);
    const Point newZero = OutsideZero(newStyle, c);
    return OffsetRectBy(window, std::int64_t(oldZero.x) - newZero.x, std::int64_t(oldZero.y) - newZero.y);
}

Rect ResizeForBorder(const Rect& window, bool added, int fx, int fy)
{
    const std::int64_t dx = added ? -std::int64_t(fx) : fx;
    const std::int64_t dy = added ? -std::int64_t(fy) : fy;
    return Rect{SaturateToInt(window.left + dx), SaturateToInt(window.top + dy), SaturateToInt(window.right - dx),
                SaturateToInt(window.bottom - dy)};
}

void MirrorStyleInSettings(const StyleChangePlan& plan, std::uint32_t style, CRulerSettings& s)
{
    const auto bit = [style](std::uint32_t flag) { return (style & flag) ? 1 : 0; };
    if (plan.magnifierChanged)
        s.m_bZoom = bit(RS_MAGNIFIER);
    if (plan.borderChanged)
        s.m_bBorderless = 1 - bit(RS_WS_THICKFRAME);
    if (plan.unitsDirty)
        s.m_nUnit = std::int32_t(style & RS_UNIT_MASK);
    if (plan.orientationChanged)
        s.m_bVertical = bit(RS_VERT);
    if (plan.sideDirty)
        (IsVerticalStyle(style) ? s.m_bVFlipped : s.m_bHFlipped) = bit(RS_FLIPPED);
    if (plan.zOrderDirty && (s.m_bOnTop != 0) != ((style & RS_TOPMOST) != 0)) {
        s.m_bOnTop = bit(RS_TOPMOST);
        s.m_bChanged = 1;
    }
    if (plan.guideChanged)
        s.m_bGuide = bit(RS_GUIDE);
}
