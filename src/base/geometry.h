// Plain rectangle, point and size types for the platform-free core. They have the
// same fields as the Windows RECT, POINT and SIZE; the Win32 side converts at the boundary
// (win/convert.h).
#pragma once

#include <cstdint>

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point& a, const Point& b) { return a.x == b.x && a.y == b.y; }
    friend bool operator!=(const Point& a, const Point& b) { return !(a == b); }
};

struct Size {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const Size& a, const Size& b) { return a.cx == b.cx && a.cy == b.cy; }
    friend bool operator!=(const Size& a, const Size& b) { return !(a == b); }
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    // Width and height in 64 bits: stored coordinates can be anything a registry holds.
    std::int64_t Width() const { return std::int64_t(right) - left; }
    std::int64_t Height() const { return std::int64_t(bottom) - top; }
    // Empty as Windows' IsRectEmpty: no positive width or no positive height.
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    friend bool operator==(const Rect& a, const Rect& b) {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
    friend bool operator!=(const Rect& a, const Rect& b) { return !(a == b); }
};

// Intersection as IntersectRect: an empty result is all zeros.
Rect IntersectRects(const Rect& a, const Rect& b);
// Whether two rectangles share at least one pixel.
bool RectsMeet(const Rect& a, const Rect& b);
// Offset by (dx, dy), saturating at the int range instead of overflowing.
Rect OffsetRectBy(const Rect& r, std::int64_t dx, std::int64_t dy);
// Clamps a 64-bit value into the int range.
int SaturateToInt(std::int64_t v);
