#include "app/startup_rules.h"

#include "ruler/window_moves.h"

#include <climits>

bool NeedsDefaultBounds(const Rect& stored)
{
    return stored.Width() < 1 || stored.Height() < 1;
}

namespace {

// One side of the rectangle, [low, high), at least `minimum` long.
void GrowSide(int& low, int& high, int minimum)
{
    if (std::int64_t(high) - low >= minimum)
        return;
    if (low > INT_MAX - minimum)
        low = INT_MAX - minimum;
    high = low + minimum;
}

int WithoutBorder(int side, int frame)
{
    const std::int64_t lost = frame > 1 ? 2 * (std::int64_t(frame) - 1) : 0;
    return side - lost < 1 ? 1 : int(side - lost);
}

} // namespace

Size SmallestStoredRuler(bool borderless, int frameX, int frameY)
{
    if (!borderless)
        return Size{kRulerMinimumSize, kRulerMinimumSize};
    return Size{WithoutBorder(kRulerMinimumSize, frameX), WithoutBorder(kRulerMinimumSize, frameY)};
}

Rect WithRulerMinimumSize(const Rect& stored, Size minimum)
{
    Rect r = stored;
    GrowSide(r.left, r.right, minimum.cx);
    GrowSide(r.top, r.bottom, minimum.cy);
    return r;
}
