#include "platform/placement_win.h"

#include "platform/keep_visible.h"
#include "platform/screen_win.h"
#include "settings/settings_store.h"
#include "win/convert.h"
#include "win/window.h"

namespace {
HWND ResolveWindow(HWND hWnd)
{
    if (!hWnd)
        hWnd = GetMainWindowHandle();
    return hWnd && IsWindow(hWnd) ? hWnd : nullptr;
}

// GetWindowPlacement gives the normal rectangle of a window with a task bar button in
// workspace coordinates (relative to its monitor's work area). The bounds are placed with
// SetWindowPos in screen coordinates, so they are stored as such: otherwise a ruler would
// creep by the task bar's size at every run when the task bar is at the top or left.
RECT NormalRectOnScreen(HWND hWnd, const WINDOWPLACEMENT& wp)
{
    RECT rc = wp.rcNormalPosition;
    if (GetWindowLongPtrA(hWnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW)
        return rc;
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    if (GetMonitorInfoA(MonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST), &mi))
        OffsetRect(&rc, mi.rcWork.left - mi.rcMonitor.left, mi.rcWork.top - mi.rcMonitor.top);
    return rc;
}

// The system may cut a window's size to its largest tracking size while keeping its left
// and top edges: a stored rectangle far wider than the screen would then leave the window
// outside every monitor. Such a window is shifted once more, as it really is.
void KeepLimitedWindowVisible(CSettingsStore& store, HWND hWnd, const RECT& requested, int marginX, int marginY)
{
    RECT actual;
    if (IsIconic(hWnd) || IsZoomed(hWnd) || !GetWindowRect(hWnd, &actual))
        return;
    if (actual.right - actual.left == requested.right - requested.left &&
        actual.bottom - actual.top == requested.bottom - requested.top)
        return;
    const RECT before = actual;
    KeepRectVisible(store.m_bOnTop == 0, false, actual, marginX, marginY);
    if (!EqualRect(&before, &actual))
        SetWindowPos(hWnd, nullptr, actual.left, actual.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    store.m_rcBounds = FromRECT(actual);
}
} // namespace

bool CapturePlacement(CSettingsStore& store, HWND hWnd)
{
    hWnd = ResolveWindow(hWnd);
    if (!hWnd)
        return false;
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    if (!GetWindowPlacement(hWnd, &wp))
        return false;
    return store.TakePlacement(int(wp.showCmd), FromRECT(NormalRectOnScreen(hWnd, wp)));
}

bool ApplyPlacement(CSettingsStore& store, HWND hWnd, UINT swpFlags, bool restoreState, int marginX, int marginY)
{
    hWnd = ResolveWindow(hWnd);
    if (!hWnd)
        return false;
    bool placed = false;
    if (!store.m_rcBounds.IsEmpty()) {
        // Stored bounds can be anything: a size past the window system's range would leave
        // the window where nobody can reach it.
        RECT rc = ToRECT(LimitRectExtent(store.m_rcBounds));
        KeepRectVisible(store.m_bOnTop == 0, false, rc, marginX, marginY);
        store.m_rcBounds = FromRECT(rc);
        SetWindowPos(hWnd, store.m_bOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, rc.left, rc.top, rc.right - rc.left,
                     rc.bottom - rc.top, swpFlags);
        KeepLimitedWindowVisible(store, hWnd, rc, marginX, marginY);
        placed = true;
    } else if (swpFlags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) {
        ShowWindow(hWnd, (swpFlags & SWP_SHOWWINDOW) ? SW_SHOWNORMAL : SW_HIDE);
    }
    if (restoreState && (store.m_nShowState == SW_SHOWMINIMIZED || store.m_nShowState == SW_SHOWMAXIMIZED))
        ShowWindow(hWnd, store.m_nShowState);
    if (!(swpFlags & (SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER)))
        SetForegroundWindow(hWnd);
    return placed;
}
