#include "platform/screen_win.h"

#include "platform/keep_visible.h"
#include "platform/monitors_win.h"
#include "win/convert.h"

bool GetVirtualScreenRect(RECT* out)
{
    if (!out)
        return false;
    out->left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    out->top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    out->right = out->left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    out->bottom = out->top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
    // A system without these metrics: the desktop window stands for the screen.
    if (out->right == 0 || out->bottom == 0)
        GetWindowRect(GetDesktopWindow(), out);
    return true;
}

void GetMonitorArea(const RECT& rc, RECT* out, bool workArea)
{
    if (!out)
        return;
    // The layout always holds a monitor (the primary screen at worst): no fallback is used.
    *out = ToRECT(NearestMonitorArea(EnumMonitors(), FromRECT(rc), workArea, FromRECT(rc)));
}

void KeepRectVisible(bool workArea, bool wholeDesktop, RECT& rc, int marginX, int marginY)
{
    RECT area{};
    if (wholeDesktop) {
        const bool got = workArea ? SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0) != FALSE
                                  : GetWindowRect(GetDesktopWindow(), &area) != FALSE;
        if (!got)
            return;
    } else {
        GetMonitorArea(rc, &area, workArea);
    }
    rc = ToRECT(KeepRectInArea(FromRECT(rc), FromRECT(area), marginX, marginY));
}

void ActivateWindow(HWND hWnd)
{
    if (!hWnd || !IsWindow(hWnd) || !IsWindowVisible(hWnd))
        return;
    if (IsIconic(hWnd))
        ShowWindow(hWnd, SW_RESTORE);
    SetForegroundWindow(hWnd);
    BringWindowToTop(hWnd);
}
