// The one place where the core's plain types meet the Windows ones.
#pragma once

#include <windows.h>

#include "base/geometry.h"

inline Rect FromRECT(const RECT& r) { return Rect{int(r.left), int(r.top), int(r.right), int(r.bottom)}; }
inline RECT ToRECT(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
inline Point FromPOINT(const POINT& p) { return Point{int(p.x), int(p.y)}; }
inline POINT ToPOINT(const Point& p) { return POINT{p.x, p.y}; }
inline Size FromSIZE(const SIZE& s) { return Size{int(s.cx), int(s.cy)}; }
