// Screen areas and window activation.
#pragma once

#include <windows.h>

// The bounding rectangle of all monitors; the desktop window's rectangle on a system without
// the virtual-screen metrics. False only for a null `out`.
bool GetVirtualScreenRect(RECT* out);

// The monitor nearest to `rc`: its work area when `workArea`, else its whole rectangle.
void GetMonitorArea(const RECT& rc, RECT* out, bool workArea);

// Shifts `rc` in place so that marginX / marginY pixels of it (-1 means 32) lie inside the
// reference area: with `wholeDesktop` the system work area (`workArea`) or the desktop
// window's rectangle, else the nearest monitor's work area or whole area.
void KeepRectVisible(bool workArea, bool wholeDesktop, RECT& rc, int marginX = -1, int marginY = -1);

// For a live, visible window only: restores it when iconic, then brings it to the foreground
// and to the top.
void ActivateWindow(HWND hWnd);
