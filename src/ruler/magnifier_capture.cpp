#include "ruler/magnifier_capture.h"

#include <cstdio>

namespace {
constexpr std::uint32_t kInvalidColor = 0xFFFFFFFFu;
}  // namespace

std::optional<Point> HotSpotInCapture(const Rect& area, Point pointer)
{
    if (!area.Contains(pointer))
        return std::nullopt;
    return Point{int(std::int64_t(pointer.x) - area.left), int(std::int64_t(pointer.y) - area.top)};
}

std::optional<Point> CapturedPixelOffset(const Rect& area, Point capturedFor, Point screen)
{
    if (screen != capturedFor)
        return std::nullopt;
    return HotSpotInCapture(area, screen);
}

std::uint32_t RestoreCapturedPixel(std::uint32_t shown)
{
    return shown == kInvalidColor ? kInvalidColor : (~shown & 0x00FFFFFFu);
}

int FormatZoomLabel(char* out, std::size_t size, int zoom)
{
    if (size == 0)
        return 0;
    const int n = std::snprintf(out, size, "%d%%", zoom);
    if (n <= 0)
        return 0;
    return std::size_t(n) < size ? n : int(size) - 1;
}
