#include "platform/dpi_rules.h"

#include "base/arith.h"

#include <algorithm>

namespace {
bool IsDpi(int dpi)
{
    return dpi >= kLowestDpi && dpi <= kHighestDpi;
}
} // namespace

int DpiOrFallback(int dpi, int fallback)
{
    return IsDpi(dpi) ? dpi : fallback;
}

int ScaleToDpi(int value, int toDpi, int fromDpi)
{
    if (!IsDpi(toDpi) || !IsDpi(fromDpi) || toDpi == fromDpi)
        return value;
    // The densities are at most 960, so any int scales without overflow of the 64-bit product;
    // a result beyond the int range (MulDiv's -1) cannot come from a size.
    return MulDivRound(value, toDpi, fromDpi);
}

int DpiFromChangeMessage(std::uint32_t wParam)
{
    const int dpi = int(wParam & 0xFFFFu);
    return IsDpi(dpi) ? dpi : 0;
}

Rect BoundsAfterDpiChange(const Rect& current, const Rect* suggested, int oldDpi, int newDpi)
{
    if (suggested && suggested->Width() > 0 && suggested->Height() > 0)
        return *suggested;
    const std::int64_t cx = std::max<std::int64_t>(1, ScaleToDpi(SaturateToInt(current.Width()), newDpi, oldDpi));
    const std::int64_t cy = std::max<std::int64_t>(1, ScaleToDpi(SaturateToInt(current.Height()), newDpi, oldDpi));
    return Rect{current.left, current.top, SaturateToInt(current.left + cx), SaturateToInt(current.top + cy)};
}
