#include "base/geometry.h"

#include <algorithm>
#include <climits>

int SaturateToInt(std::int64_t v)
{
    return int(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX));
}

Rect IntersectRects(const Rect& a, const Rect& b)
{
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (r.IsEmpty())
        return Rect{};
    return r;
}

bool RectsMeet(const Rect& a, const Rect& b)
{
    return !IntersectRects(a, b).IsEmpty();
}

Rect OffsetRectBy(const Rect& r, std::int64_t dx, std::int64_t dy)
{
    return Rect{SaturateToInt(r.left + dx), SaturateToInt(r.top + dy), SaturateToInt(r.right + dx),
                SaturateToInt(r.bottom + dy)};
}
