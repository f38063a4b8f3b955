#include "platform/keep_visible.h"

namespace {
// The shift along one axis that puts `margin` pixels of [lo, hi) inside [areaLo, areaHi):
// a rectangle short of the area's near edge moves until its far edge is `margin` inside, one
// past the far edge moves back until its near edge is. The margin never exceeds the area's
// size, so the result always meets the area.
std::int64_t AxisShift(std::int64_t lo, std::int64_t hi, std::int64_t areaLo, std::int64_t areaHi, int margin)
{
    std::int64_t m = margin == -1 ? kDefaultVisibleMargin : margin;
    if (m < 0)
        m = 0;
    if (m > areaHi - areaLo)
        m = areaHi - areaLo;
    if (hi < areaLo + m)
        return areaLo + m - hi;
    if (lo > areaHi - m)
        return areaHi - m - lo;
    return 0;
}
} // namespace

Rect KeepRectInArea(const Rect& rc, const Rect& area, int marginX, int marginY)
{
    if (area.IsEmpty())
        return rc;
    const std::int64_t dx = AxisShift(rc.left, rc.right, area.left, area.right, marginX);
    const std::int64_t dy = AxisShift(rc.top, rc.bottom, area.top, area.bottom, marginY);
    return OffsetRectBy(rc, dx, dy);
}

Rect LimitRectExtent(const Rect& rc, std::int64_t maxExtent)
{
    Rect out = rc;
    if (rc.Width() > maxExtent)
        out.right = SaturateToInt(std::int64_t(rc.left) + maxExtent);
    if (rc.Height() > maxExtent)
        out.bottom = SaturateToInt(std::int64_t(rc.top) + maxExtent);
    return out;
}
