#include "tools/target_rect.h"

#include <cstdint>

Size MeasureTargetSize(const Rect& window, Size frame, Size stored, SizingSwitches switches)
{
    std::int64_t w = stored.cx;
    std::int64_t h = stored.cy;
    if (switches.doWidth)
        w = window.Width();
    if (switches.doHeight)
        h = window.Height();
    if (!switches.doFrame) {
        if (switches.doWidth)
            w -= 2 * std::int64_t(frame.cx);
        if (switches.doHeight)
            h -= 2 * std::int64_t(frame.cy);
    }
    return Size{SaturateToInt(w), SaturateToInt(h)};
}

Rect ComputeTargetRect(const Rect& window, Size frame, Size wanted, SizingSwitches switches)
{
    Rect r = window;
    std::int64_t right = r.right;
    std::int64_t bottom = r.bottom;
    if (switches.doWidth)
        right = std::int64_t(r.left) + wanted.cx;
    if (switches.doHeight)
        bottom = std::int64_t(r.top) + wanted.cy;
    if (!switches.doFrame) {
        if (switches.doWidth)
            right += 2 * std::int64_t(frame.cx);
        if (switches.doHeight)
            bottom += 2 * std::int64_t(frame.cy);
    }
    r.right = SaturateToInt(right);
    r.bottom = SaturateToInt(bottom);
    return r;
}

Rect KeepTargetReachable(const Rect& r, const Rect& reference)
{
    const Rect overlap = IntersectRects(r, reference);
    std::int64_t dx = 0;
    std::int64_t dy = 0;
    if (overlap.Width() < kMinReachable && r.left < reference.left)
        dx = kMinReachable - overlap.Width();
    if (overlap.Height() < kMinReachable && r.top < reference.top)
        dy = kMinReachable - overlap.Height();
    return OffsetRectBy(r, dx, dy);
}
