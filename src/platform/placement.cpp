#include "platform/placement.h"

#include "platform/keep_visible.h"
#include "settings/settings_store.h"

namespace {

// The system may cut a window's size to its largest tracking size while keeping its left
// and top edges: a stored rectangle far wider than the screen would then leave the window
// outside every monitor. Such a window is shifted once more, as it really is.
void KeepLimitedWindowVisible(CSettingsStore& store, CPlacedWindow& window, const Rect& requested, int marginX,
                              int marginY)
{
    Rect actual;
    if (!window.NormalWindowRect(actual))
        return;
    if (actual.Width() == requested.Width() && actual.Height() == requested.Height())
        return;
    const Rect kept = KeepOnMonitors(actual, window.Monitors(), store.m_bOnTop == 0, marginX, marginY);
    if (kept != actual)
        window.MoveTo(Point{kept.left, kept.top});
    store.m_rcBounds = kept;
}

} // namespace

bool PlaceFromStore(CSettingsStore& store, CPlacedWindow& window, std::uint32_t swpFlags, bool restoreState,
                    int marginX, int marginY)
{
    bool placed = false;
    if (!store.m_rcBounds.IsEmpty()) {
        // Stored bounds can be anything: a size past the window system's range would leave
        // the window where nobody can reach it.
        const Rect limited = LimitRectExtent(store.m_rcBounds);
        const Rect rc = KeepOnMonitors(limited, window.Monitors(), store.m_bOnTop == 0, marginX, marginY);
        store.m_rcBounds = rc;
        window.SetBounds(rc, store.m_bOnTop != 0, swpFlags);
        KeepLimitedWindowVisible(store, window, rc, marginX, marginY);
        placed = true;
    } else if (swpFlags & (kSwpShowWindow | kSwpHideWindow)) {
        window.Show((swpFlags & kSwpShowWindow) ? kSwShowNormal : kSwHide);
    }
    if (restoreState && (store.m_nShowState == kSwShowMinimized || store.m_nShowState == kSwShowMaximized))
        window.Show(store.m_nShowState);
    if (!(swpFlags & (kSwpNoZOrder | kSwpNoActivate | kSwpNoOwnerZOrder)))
        window.BringToForeground();
    return placed;
}

Rect NormalRectOnScreen(const Rect& normal, bool toolWindow, const Rect& monitor, const Rect& work)
{
    if (toolWindow)
        return normal;
    return OffsetRectBy(normal, std::int64_t(work.left) - monitor.left, std::int64_t(work.top) - monitor.top);
}
