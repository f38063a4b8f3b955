#include "ruler/magnifier_math.h"

#include <algorithm>

namespace {

// (n * image + src / 2) / src: a source extent mapped into the image, rounded to nearest.
std::int64_t MapExtent(std::int64_t n, std::int64_t image, std::int64_t src)
{
    return (n * image + src / 2) / src;
}

}  // namespace

Rect GetMagnifierImageRect(const Rect& magnifier)
{
    if (magnifier.IsEmpty())
        return Rect{};
    const Rect r = OffsetRectBy(magnifier, kMagnifierFrame, kMagnifierFrame);
    const Rect shrunk{r.left, r.top, SaturateToInt(std::int64_t(magnifier.right) - kMagnifierFrame),
                      SaturateToInt(std::int64_t(magnifier.bottom) - kMagnifierFrame)};
    return shrunk.IsEmpty() ? Rect{} : shrunk;
}

Size GetMagnifierSourceSize(const Rect& image, int zoom)
{
    if (image.IsEmpty())
        return Size{};
    const std::int64_t z = zoom > 0 ? zoom : 100;
    // At least one pixel: the edge mapping divides by these.
    const auto side = [z](std::int64_t n) { return SaturateToInt(std::max<std::int64_t>(n * 100 / z, 1)); };
    return Size{side(image.Width()), side(image.Height())};
}

Rect GetMagnifierSourceRect(Point pointer, Size source)
{
    const std::int64_t left = std::int64_t(pointer.x) - source.cx / 2;
    const std::int64_t top = std::int64_t(pointer.y) - source.cy / 2;
    return Rect{SaturateToInt(left), SaturateToInt(top), SaturateToInt(left + source.cx),
                SaturateToInt(top + source.cy)};
}

MagnifierLayout LayoutMagnifier(const Rect& magnifier, int zoom, Point pointer, const Rect& virtualScreen)
{
    MagnifierLayout out;
    out.image = GetMagnifierImageRect(magnifier);
    if (out.image.IsEmpty())
        return out;
    const Size src = GetMagnifierSourceSize(out.image, zoom);
    out.source = GetMagnifierSourceRect(pointer, src);
    out.visible = IntersectRects(out.source, virtualScreen);
    if (out.visible == out.source) {
        out.dest = out.image;
        return out;
    }
    out.partial = true;
    if (out.visible.IsEmpty())
        return out;  // the whole image shows the desktop colour
    const Rect& m = out.image;
    const Rect& s = out.source;
    const Rect& i = out.visible;
    const std::int64_t top = m.top + MapExtent(std::int64_t(i.top) - s.top, m.Height(), src.cy);
    const std::int64_t left = m.left + MapExtent(std::int64_t(i.left) - s.left, m.Width(), src.cx);
    const std::int64_t bottom = top + MapExtent(i.Height(), m.Height(), src.cy);
    const std::int64_t right = left + MapExtent(i.Width(), m.Width(), src.cx);
    out.dest = Rect{SaturateToInt(left), SaturateToInt(top), SaturateToInt(right), SaturateToInt(bottom)};
    return out;
}
