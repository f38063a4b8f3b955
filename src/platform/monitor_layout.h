// The monitors of the desktop as the program sees them, and the choices made over them: the
// monitor a rectangle belongs to, the main screen, which part of an area lies on no monitor,
// and where a window is kept so that it stays within reach. The Win32 side enumerates the
// monitors (monitors_win.h); everything here works on made-up layouts as well.
#pragma once

#include "base/geometry.h"

// A desk rarely has more than a few; monitors past this many are not considered.
constexpr int kMaxMonitors = 16;

struct MonitorArea {
    Rect monitor;  // the whole monitor, in virtual-screen coordinates
    Rect work;     // its work area (the monitor less task bars)
    bool primary = false;
};

// A fixed-size list, so that it can be kept and read on every magnifier refresh without
// allocating.
struct MonitorLayout {
    MonitorArea items[kMaxMonitors];
    int count = 0;

    // Adds a monitor; an empty rectangle or a full list adds nothing (false). An empty or
    // stray work area (one that is not inside the monitor) counts as the whole monitor.
    bool Add(const Rect& monitor, const Rect& work, bool primary = false);
};

// The monitor Windows' MONITOR_DEFAULTTONEAREST gives for a rectangle: the one sharing the
// most pixels with it; when it meets none, the one whose edges are the shortest straight
// distance away. The first in the list wins a tie. -1 only for an empty list.
int NearestMonitor(const MonitorLayout& layout, const Rect& rc);
// The same for a point (the monitor holding it, else the nearest).
int NearestMonitor(const MonitorLayout& layout, Point p);

// The nearest monitor's work area (`workArea`) or whole rectangle; `fallback` for an empty list.
Rect NearestMonitorArea(const MonitorLayout& layout, const Rect& rc, bool workArea, const Rect& fallback);

// The main screen: the primary monitor (the one marked so, else the one holding the origin,
// else the first); `fallback` for an empty list.
Rect MainScreenRect(const MonitorLayout& layout, const Rect& fallback);

// The parts of `area` that lie on no monitor (gaps between monitors of different sizes, the
// space beyond the desktop), as at most `capacity` disjoint rectangles written to `out`,
// row by row; returns how many. Pieces past the capacity are left out; kMaxUncoveredParts
// holds every piece any layout can give.
constexpr int kMaxUncoveredParts = (2 * kMaxMonitors + 1) * (kMaxMonitors + 1);
int UncoveredParts(const MonitorLayout& layout, const Rect& area, Rect* out, int capacity);

// Where stored or moved bounds go so that the window stays within reach: on the nearest
// monitor's work area (`workArea`) or whole area, with marginX / marginY pixels of it
// inside (-1 means 32). Bounds that lie on no monitor at all (a monitor that was there
// when they were stored is gone) come onto the nearest one by the same margins.
Rect KeepOnMonitors(const Rect& rc, const MonitorLayout& layout, bool workArea, int marginX, int marginY);
