#include "ruler/ruler_geometry.h"

#include "base/arith.h"

#include <algorithm>

namespace {

// A rectangle from 64-bit edges; the ruler's rectangles come from stored bounds and
// font metrics, so every edge is computed wide and clamped back.
Rect MakeRect(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom)
{
    return Rect{SaturateToInt(left), SaturateToInt(top), SaturateToInt(right), SaturateToInt(bottom)};
}

// Builds a rectangle from along/across extents in the ruler's own orientation.
Rect AlongAcross(bool vertical, std::int64_t alongLo, std::int64_t alongHi, std::int64_t acrossLo,
                 std::int64_t acrossHi)
{
    return vertical ? MakeRect(acrossLo, alongLo, acrossHi, alongHi) : MakeRect(alongLo, acrossLo, alongHi, acrossHi);
}

// The caption strip's across extent: along the edge opposite the tick edge.
void StripAcross(std::uint32_t style, const Rect& g, int stripThickness, std::int64_t* lo, std::int64_t* hi)
{
    const bool vertical = IsVerticalStyle(style);
    const std::int64_t t = std::max(stripThickness, 0);
    if (style & RS_FLIPPED) {
        *hi = vertical ? g.right : g.bottom;
        *lo = *hi - t;
    } else {
        *lo = vertical ? g.left : g.top;
        *hi = *lo + t;
    }
}

}  // namespace

Rect GetMagnifierRect(std::uint32_t style, const Rect& client)
{
    if (!(style & RS_MAGNIFIER))
        return Rect{};
    if (IsVerticalStyle(style)) {
        const std::int64_t side = client.Width();
        if (side <= 0)
            return Rect{};
        return MakeRect(client.left, client.bottom - side, client.right, client.bottom);
    }
    const std::int64_t side = client.Height();
    if (side <= 0)
        return Rect{};
    return MakeRect(client.right - side, client.top, client.right, client.bottom);
}

Rect GetGraduatedRect(std::uint32_t style, const Rect& client)
{
    Rect g = client;
    const Rect m = GetMagnifierRect(style, client);
    if (m.IsEmpty())
        return g;
    // The square may be longer than the client; the graduated part then shrinks to nothing.
    if (IsVerticalStyle(style))
        g.bottom = std::max(client.top, std::min(client.bottom, m.top));
    else
        g.right = std::max(client.left, std::min(client.right, m.left));
    return g;
}

RulerExtent GetRulerExtent(std::uint32_t style, const Rect& graduated)
{
    const int w = SaturateToInt(std::max<std::int64_t>(graduated.Width(), 0));
    const int h = SaturateToInt(std::max<std::int64_t>(graduated.Height(), 0));
    return IsVerticalStyle(style) ? RulerExtent{w, h} : RulerExtent{h, w};
}

Point GetZeroPoint(std::uint32_t style, const Rect& graduated, bool outside)
{
    const bool vertical = IsVerticalStyle(style);
    if (style & RS_FLIPPED) {
        if (!outside)
            return Point{graduated.left, graduated.top};
        // The first pixel line outside the window on the tick side.
        return vertical ? Point{SaturateToInt(std::int64_t(graduated.left) - 1), graduated.top}
                        : Point{graduated.left, SaturateToInt(std::int64_t(graduated.top) - 1)};
    }
    return vertical ? Point{graduated.right, graduated.top} : Point{graduated.left, graduated.bottom};
}

Rect GetCaptionStripRect(std::uint32_t style, const Rect& graduated, int stripThickness, int part,
                         Point* textOrigin, int iconBox)
{
    const bool vertical = IsVerticalStyle(style);
    std::int64_t lo = 0, hi = 0;
    StripAcross(style, graduated, stripThickness, &lo, &hi);
    const std::int64_t start = vertical ? graduated.top : graduated.left;
    const std::int64_t end = vertical ? graduated.bottom : graduated.right;

    std::int64_t alongLo = start, alongHi = end;
    switch (part) {
    case CSR_STRIP:
        break;
    case CSR_ICON:
        alongHi = start + iconBox;
        break;
    case CSR_TEXT:
        // As long as the ruler but after the icon box: the overhang is cut by clipping.
        alongLo = start + iconBox;
        alongHi = end + iconBox;
        break;
    default:
        if (textOrigin)
            *textOrigin = Point{};
        return Rect{};
    }
    if (textOrigin) {
        const std::int64_t across = vertical ? hi : lo;
        *textOrigin = vertical ? Point{SaturateToInt(across), SaturateToInt(alongLo)}
                               : Point{SaturateToInt(alongLo), SaturateToInt(across)};
    }
    return AlongAcross(vertical, alongLo, alongHi, lo, hi);
}

Rect GetScaleRect(std::uint32_t style, const Rect& graduated, int stripThickness, bool paintForm)
{
    const bool vertical = IsVerticalStyle(style);
    const std::int64_t gLo = vertical ? graduated.left : graduated.top;
    const std::int64_t gHi = std::max(gLo, std::int64_t(vertical ? graduated.right : graduated.bottom));
    std::int64_t lo = 0, hi = 0;
    StripAcross(style, graduated, stripThickness, &lo, &hi);
    const int gap = paintForm ? 1 : 0;
    std::int64_t acrossLo = gLo, acrossHi = gHi;
    if (style & RS_FLIPPED)
        acrossHi = std::max(gLo, lo - gap);
    else
        acrossLo = std::min(gHi, hi + gap);
    const std::int64_t start = vertical ? graduated.top : graduated.left;
    const std::int64_t end = vertical ? graduated.bottom : graduated.right;
    return AlongAcross(vertical, start, end, acrossLo, acrossHi);
}

Rect GetGuideRect(std::uint32_t style, const Rect& client, const Rect& graduated, int stripThickness, Point p)
{
    const bool vertical = IsVerticalStyle(style);
    const std::int64_t along = vertical ? p.y : p.x;
    const std::int64_t start = vertical ? graduated.top : graduated.left;
    const std::int64_t end = vertical ? graduated.bottom : graduated.right;
    if (along < start || along > end)
        return Rect{};
    std::int64_t lo = 0, hi = 0;
    StripAcross(style, graduated, stripThickness, &lo, &hi);
    std::int64_t acrossLo = 0, acrossHi = 0;
    if (style & RS_FLIPPED) {
        acrossLo = vertical ? client.left : client.top;
        acrossHi = lo;
    } else {
        acrossLo = hi;
        acrossHi = vertical ? client.right : client.bottom;
    }
    if (acrossHi <= acrossLo)
        return Rect{};
    return AlongAcross(vertical, along, along + 1, acrossLo, acrossHi);
}

Rect GetDefaultRulerRect(bool vertical, int screenW, int screenH)
{
    constexpr int kThickness = 56;
    if (vertical) {
        const int left = MulDivRound(screenW, 1, 8), top = MulDivRound(screenH, 1, 4);
        return MakeRect(left, top, std::int64_t(left) + kThickness, std::int64_t(top) + MulDivRound(screenH, 1, 2));
    }
    const int left = MulDivRound(screenW, 1, 4), top = MulDivRound(screenH, 1, 8);
    return MakeRect(left, top, std::int64_t(left) + MulDivRound(screenW, 1, 2), std::int64_t(top) + kThickness);
}
