#include "platform/monitors_win.h"

#include "win/convert.h"

#include <windows.h>

namespace {
BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM param)
{
    auto* layout = reinterpret_cast<MonitorLayout*>(param);
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    if (GetMonitorInfoA(monitor, &mi))
        layout->Add(FromRECT(mi.rcMonitor), FromRECT(mi.rcWork), (mi.dwFlags & MONITORINFOF_PRIMARY) != 0);
    return layout->count < kMaxMonitors;
}
} // namespace

MonitorLayout EnumMonitors()
{
    MonitorLayout layout;
    EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&layout));
    if (layout.count == 0) {
        const Rect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        RECT work{};
        const bool gotWork = SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0) != FALSE;
        layout.Add(screen, gotWork ? FromRECT(work) : screen, true);
    }
    return layout;
}
