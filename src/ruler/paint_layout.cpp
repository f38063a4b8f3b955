#include "ruler/paint_layout.h"

#include "ruler/ruler_geometry.h"
#include "units/units.h"

#include <climits>

namespace {

// The part of r inside the clip box; empty when they share no pixel.
Rect PartInClip(const Rect& r, const Rect& clip)
{
    return RectsMeet(r, clip) ? IntersectRects(r, clip) : Rect{};
}

}  // namespace

EraseLayout LayoutErase(std::uint32_t style, const Rect& client, int stripThickness, const Rect& clip,
                        IconBoxSizes icon)
{
    const Rect g = GetGraduatedRect(style, client);
    EraseLayout out;
    out.strip = PartInClip(GetCaptionStripRect(style, g, stripThickness, CSR_STRIP, nullptr), clip);
    const Rect box = GetCaptionStripRect(style, g, stripThickness, CSR_ICON, nullptr, icon.box);
    out.icon = RectsMeet(box, clip);
    if (out.icon)
        out.iconAt = Point{SaturateToInt((std::int64_t(box.left) + box.right - icon.icon) / 2),
                           SaturateToInt((std::int64_t(box.top) + box.bottom - icon.icon) / 2)};
    out.scale = PartInClip(GetScaleRect(style, g, stripThickness, false), clip);
    return out;
}

PaintLayout LayoutPaint(std::uint32_t style, const Rect& client, int stripThickness, const Rect& clip,
                        const Rect& outerClip, Point guide, int iconBox)
{
    const Rect g = GetGraduatedRect(style, client);
    PaintLayout out;
    out.textRect = GetCaptionStripRect(style, g, stripThickness, CSR_TEXT, &out.textOrigin, iconBox);
    out.text = RectsMeet(out.textRect, clip);
    out.graduations = RectsMeet(GetScaleRect(style, g, stripThickness, true), clip);
    out.guide = (style & RS_GUIDE) && guide.x != INT_MAX;
    out.magnifier = (style & RS_MAGNIFIER) && RectsMeet(GetMagnifierRect(style, client), outerClip);
    return out;
}

Rect GetDrawnGuideRect(std::uint32_t style, const Rect& client, int stripThickness, Point p)
{
    const Rect g = GetGraduatedRect(style, client);
    return IntersectRects(GetGuideRect(style, client, g, stripThickness, p), g);
}

GraduationParams MakeGraduationParams(std::uint32_t style, const Rect& client, const ScaleMetrics& m,
                                      const Rect& clip)
{
    const RulerExtent extent = GetRulerExtent(style, GetGraduatedRect(style, client));
    const bool vertical = IsVerticalStyle(style);
    GraduationParams p;
    p.dpi = m.dpi;
    p.unitTwips = m.unitTwips;
    p.labelStep = m.labelStep;
    p.subdivisions = m.subdivisions;
    p.scale = m.scale;
    p.inch = FindUnit(style)->flag == RS_UNIT_IN;
    p.length = extent.length;
    p.thickness = extent.thickness;
    p.flipped = (style & RS_FLIPPED) != 0;
    p.vertical = vertical;
    p.tickLength = m.tickLength;
    p.fontHeight = m.fontHeight;
    p.from = vertical ? clip.top : clip.left;
    p.to = vertical ? clip.bottom : clip.right;
    return p;
}

Point GraduationPoint(bool vertical, int along, int across)
{
    return vertical ? Point{across, along} : Point{along, across};
}
