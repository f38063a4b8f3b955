#include "ruler/window_moves.h"

#include "platform/keep_visible.h"
#include "ruler/ruler_geometry.h"

Point ArrowKeyStep(std::uint32_t key)
{
    switch (key) {
    case kVkLeft: return Point{-1, 0};
    case kVkUp: return Point{0, -1};
    case kVkRight: return Point{1, 0};
    case kVkDown: return Point{0, 1};
    default: return Point{};
    }
}

Rect ApplyArrowKey(const Rect& window, Point step, bool resize, Size minimum)
{
    if (!resize)
        return OffsetRectBy(window, step.x, step.y);
    // SetWindowPos consults the minimum only for a window with a sizing border: a
    // borderless ruler keeps to it here.
    Rect r = window;
    if (step.x > 0 || window.Width() + step.x >= minimum.cx)
        r.right = SaturateToInt(std::int64_t(r.right) + step.x);
    if (step.y > 0 || window.Height() + step.y >= minimum.cy)
        r.bottom = SaturateToInt(std::int64_t(r.bottom) + step.y);
    return r;
}

Rect MoveZeroToPointer(const Rect& window, Point zero, Point pointer)
{
    return OffsetRectBy(window, std::int64_t(pointer.x) - zero.x, std::int64_t(pointer.y) - zero.y);
}

bool IsMoveToCursorAllowed(const Rect& moved, const Rect& workArea)
{
    return KeepRectInArea(moved, workArea, kMoveToCursorMargin, kMoveToCursorMargin) == moved;
}

std::optional<Rect> MoveToCursorOn(const MonitorLayout& monitors, const Rect& window, Point zero, Point pointer)
{
    const Rect moved = MoveZeroToPointer(window, zero, pointer);
    if (!IsMoveToCursorAllowed(moved, NearestMonitorArea(monitors, moved, true, moved)))
        return std::nullopt;
    return moved;
}

Rect ResetRectOn(const MonitorLayout& monitors, const Rect& window, bool vertical, const Rect& primaryScreen)
{
    const Rect screen = NearestMonitorArea(monitors, window, false, primaryScreen);
    const Rect rc = GetDefaultRulerRect(vertical, SaturateToInt(screen.Width()), SaturateToInt(screen.Height()));
    return OffsetRectBy(rc, screen.left, screen.top);
}

WindowTrackLimits RulerTrackLimits(const Rect& virtualScreen)
{
    const Size most{SaturateToInt(virtualScreen.Width() * 5), SaturateToInt(virtualScreen.Height() * 5)};
    return WindowTrackLimits{Size{kRulerMinimumSize, kRulerMinimumSize}, most, most};
}

void CWindowDrag::Start(Point windowTopLeft, Point pointer)
{
    m_dx = std::int64_t(windowTopLeft.x) - pointer.x;
    m_dy = std::int64_t(windowTopLeft.y) - pointer.y;
}

Point CWindowDrag::TopLeftFor(Point pointer) const
{
    return Point{SaturateToInt(pointer.x + m_dx), SaturateToInt(pointer.y + m_dy)};
}
