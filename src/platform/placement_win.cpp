#include "platform/placement_win.h"

#include "platform/placement.h"
#include "platform/monitors_win.h"
#include "settings/settings_store.h"
#include "win/convert.h"
#include "win/window.h"

static_assert(kSwpNoZOrder == SWP_NOZORDER && kSwpNoActivate == SWP_NOACTIVATE && kSwpShowWindow == SWP_SHOWWINDOW &&
                  kSwpHideWindow == SWP_HIDEWINDOW && kSwpNoOwnerZOrder == SWP_NOOWNERZORDER,
              "SetWindowPos flags");
static_assert(kSwHide == SW_HIDE && kSwShowNormal == SW_SHOWNORMAL && kSwShowMinimized == SW_SHOWMINIMIZED &&
                  kSwShowMaximized == SW_SHOWMAXIMIZED,
              "show commands");

namespace {
HWND ResolveWindow(HWND hWnd)
{
    if (!hWnd)
        hWnd = GetMainWindowHandle();
    return hWnd && IsWindow(hWnd) ? hWnd : nullptr;
}

class CWindowPlacement final : public CPlacedWindow {
public:
    explicit CWindowPlacement(HWND hWnd) : m_hWnd(hWnd) {}

    MonitorLayout Monitors() override { return EnumMonitors(); }
    void SetBounds(const Rect& rc, bool topmost, std::uint32_t swpFlags) override
    {
        SetWindowPos(m_hWnd, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, rc.left, rc.top, rc.right - rc.left,
                     rc.bottom - rc.top, UINT(swpFlags));
    }
    bool NormalWindowRect(Rect& rc) override
    {
        RECT wr;
        if (IsIconic(m_hWnd) || IsZoomed(m_hWnd) || !GetWindowRect(m_hWnd, &wr))
            return false;
        rc = FromRECT(wr);
        return true;
    }
    void MoveTo(Point p) override
    {
        SetWindowPos(m_hWnd, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    void Show(int showCmd) override { ShowWindow(m_hWnd, showCmd); }
    void BringToForeground() override { SetForegroundWindow(m_hWnd); }

private:
    HWND m_hWnd;
};
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
    // The bounds are placed with SetWindowPos in screen coordinates, so they are stored as
    // such: otherwise a ruler would creep by the task bar's size at every run when the task
    // bar is at the top or left.
    const bool tool = (GetWindowLongPtrA(hWnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0;
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    if (!tool)
        GetMonitorInfoA(MonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST), &mi);  // unread: no shift
    const Rect normal = NormalRectOnScreen(FromRECT(wp.rcNormalPosition), tool, FromRECT(mi.rcMonitor),
                                           FromRECT(mi.rcWork));
    return store.TakePlacement(int(wp.showCmd), normal);
}

bool ApplyPlacement(CSettingsStore& store, HWND hWnd, UINT swpFlags, bool restoreState, int marginX, int marginY)
{
    hWnd = ResolveWindow(hWnd);
    if (!hWnd)
        return false;
    CWindowPlacement window(hWnd);
    return PlaceFromStore(store, window, swpFlags, restoreState, marginX, marginY);
}
