#include "app/startup_rules.h"

#include "ruler/window_moves.h"

#include <climits>

bool NeedsDefaultBounds(const Rect& stored)
{
    return stored.Width() < 1 || stored.Height() < 1;
}

namespace {

// One side of the rectangle, [low, high), at least kRulerMinimumSize long.
void GrowSide(int& low, int& high)
{
    if (std::int64_t(high) - low >= kRulerMinimumSize)
        return;
    if (low > INT_MAX - kRulerMinimumSize)
        low = INT_MAX - kRulerMinimumSize;
    high = low + kRulerMinimumSize;
}

} // namespace

Rect WithRulerMinimumSize(const Rect& stored)
{
    Rect r = stored;
    GrowSide(r.left, r.right);
    GrowSide(r.top, r.bottom);
    return r;
}
