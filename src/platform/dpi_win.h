// The density of the monitor a window is on, and the system metrics at a density. The
// per-monitor functions are looked up at run time: Windows before 10 (1607) and Wine 8 lack
// some of them, and there every answer is the system's density, as it always was.
#pragma once

#include <windows.h>

// What the process was started as (from the manifest): its windows get the density of their
// monitor only when per-monitor aware.
enum class DpiAwareness { kUnaware, kSystem, kPerMonitor, kPerMonitorV2 };
DpiAwareness ProcessDpiAwareness();

// The system's density (LOGPIXELSY of the screen): what the system font and metrics are at.
int SystemDpi();
// The density of the monitor the window is on, as the window sees it: the system's density
// where the system has no per-monitor densities or the process is not per-monitor aware.
int WindowDpi(HWND hWnd);

// GetSystemMetrics at a density (the system's value where the system has no such function,
// scaled from the system's density).
int SystemMetricForDpi(int index, int dpi);
// AdjustWindowRectEx at a density, likewise.
BOOL AdjustWindowRectForDpi(RECT* rc, DWORD style, DWORD exStyle, int dpi);
// Asks the system to scale the non-client area of a per-monitor (v1) window with its
// density; call from WM_NCCREATE. Nothing where v2 does it already or the function is missing.
void EnableNonClientScaling(HWND hWnd);

// Tests stand in for the monitor: the density every window reports until reset (0).
// Wine gives every monitor the system's density, so a change can only be seen this way.
void SetWindowDpiOverride(int dpi);
