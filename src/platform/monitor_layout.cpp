#include "platform/monitor_layout.h"

#include "platform/keep_visible.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

bool Inside(const Rect& inner, const Rect& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// The gap between [lo, hi) and [areaLo, areaHi) along one axis; 0 where they overlap or touch.
double AxisGap(int lo, int hi, int areaLo, int areaHi)
{
    if (hi <= areaLo)
        return double(areaLo) - hi;
    if (lo >= areaHi)
        return double(lo) - areaHi;
    return 0;
}

// The sorted, distinct edges of the monitors that fall inside [lo, hi), with lo and hi.
int CutPoints(const MonitorLayout& layout, int lo, int hi, bool horizontal, int (&cuts)[2 * kMaxMonitors + 2])
{
    int n = 0;
    cuts[n++] = lo;
    cuts[n++] = hi;
    for (int i = 0; i < layout.count; ++i) {
        const Rect& m = layout.items[i].monitor;
        for (const int edge : {horizontal ? m.left : m.top, horizontal ? m.right : m.bottom})
            if (edge > lo && edge < hi)
                cuts[n++] = edge;
    }
    std::sort(cuts, cuts + n);
    return int(std::unique(cuts, cuts + n) - cuts);
}

bool OnSomeMonitor(const MonitorLayout& layout, const Rect& cell)
{
    for (int i = 0; i < layout.count; ++i)
        if (Inside(cell, layout.items[i].monitor))
            return true;
    return false;
}

} // namespace

bool MonitorLayout::Add(const Rect& monitor, const Rect& work, bool primary)
{
    if (monitor.IsEmpty() || count >= kMaxMonitors)
        return false;
    const bool workFits = !work.IsEmpty() && Inside(work, monitor);
    items[count++] = MonitorArea{monitor, workFits ? work : monitor, primary};
    return true;
}

int NearestMonitor(const MonitorLayout& layout, const Rect& rc)
{
    int best = -1;
    double bestArea = 0;
    for (int i = 0; i < layout.count; ++i) {
        const Rect shared = IntersectRects(rc, layout.items[i].monitor);
        const double area = double(shared.Width()) * double(shared.Height());
        if (area > bestArea)
            best = i, bestArea = area;
    }
    if (best >= 0)
        return best;
    double bestDistance = 0;
    for (int i = 0; i < layout.count; ++i) {
        const Rect& m = layout.items[i].monitor;
        const double dx = AxisGap(rc.left, rc.right, m.left, m.right);
        const double dy = AxisGap(rc.top, rc.bottom, m.top, m.bottom);
        const double distance = dx * dx + dy * dy;
        if (best < 0 || distance < bestDistance)
            best = i, bestDistance = distance;
    }
    return best;
}

int NearestMonitor(const MonitorLayout& layout, Point p)
{
    const Rect pixel{p.x, p.y, p.x == INT_MAX ? p.x : p.x + 1, p.y == INT_MAX ? p.y : p.y + 1};
    return NearestMonitor(layout, pixel);
}

Rect NearestMonitorArea(const MonitorLayout& layout, const Rect& rc, bool workArea, const Rect& fallback)
{
    const int i = NearestMonitor(layout, rc);
    if (i < 0)
        return fallback;
    return workArea ? layout.items[i].work : layout.items[i].monitor;
}

Rect MainScreenRect(const MonitorLayout& layout, const Rect& fallback)
{
    for (int i = 0; i < layout.count; ++i)
        if (layout.items[i].primary)
            return layout.items[i].monitor;
    for (int i = 0; i < layout.count; ++i)
        if (layout.items[i].monitor.Contains(Point{0, 0}))
            return layout.items[i].monitor;
    return layout.count ? layout.items[0].monitor : fallback;
}

int UncoveredParts(const MonitorLayout& layout, const Rect& area, Rect* out, int capacity)
{
    if (area.IsEmpty() || capacity <= 0)
        return 0;
    int xs[2 * kMaxMonitors + 2], ys[2 * kMaxMonitors + 2];
    const int nx = CutPoints(layout, area.left, area.right, true, xs);
    const int ny = CutPoints(layout, area.top, area.bottom, false, ys);
    int n = 0;
    for (int row = 0; row + 1 < ny; ++row) {
        // Neighbouring bare cells of one row make one piece.
        int start = -1;
        for (int col = 0; col + 1 < nx + 1; ++col) {
            const bool bare =
                col + 1 < nx && !OnSomeMonitor(layout, Rect{xs[col], ys[row], xs[col + 1], ys[row + 1]});
            if (bare && start < 0)
                start = col;
            if (!bare && start >= 0) {
                if (n == capacity)
                    return n;
                out[n++] = Rect{xs[start], ys[row], xs[col], ys[row + 1]};
                start = -1;
            }
        }
    }
    return n;
}

Rect KeepOnMonitors(const Rect& rc, const MonitorLayout& layout, bool workArea, int marginX, int marginY)
{
    const int i = NearestMonitor(layout, rc);
    if (i < 0)
        return rc;
    return KeepRectInArea(rc, workArea ? layout.items[i].work : layout.items[i].monitor, marginX, marginY);
}
