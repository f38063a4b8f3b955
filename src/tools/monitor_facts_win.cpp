#include "tools/monitor_facts_win.h"

#include "win/handles.h"

namespace {

// The monitor's own device id ("MONITOR\ABC1234\{...}\0001", or its interface path): the
// display device name ("\\.\DISPLAY1") follows the port and the order of the monitors.
std::string MonitorIdentity(const char* displayDevice)
{
    DISPLAY_DEVICEA dd{};
    dd.cb = sizeof dd;
    if (EnumDisplayDevicesA(displayDevice, 0, &dd, EDD_GET_DEVICE_INTERFACE_NAME) && dd.DeviceID[0])
        return dd.DeviceID;
    dd = DISPLAY_DEVICEA{};
    dd.cb = sizeof dd;
    if (EnumDisplayDevicesA(displayDevice, 0, &dd, 0) && dd.DeviceID[0])
        return dd.DeviceID;
    return displayDevice;
}

} // namespace

bool DescribeMonitorAt(POINT screen, int dpi, MonitorFacts& facts)
{
    facts.handle = MonitorFromPoint(screen, MONITOR_DEFAULTTONEAREST);
    MONITORINFOEXA mi{};
    mi.cbSize = sizeof mi;
    if (!facts.handle || !GetMonitorInfoA(facts.handle, &mi))
        return false;
    facts.identity = MonitorIdentity(mi.szDevice);
    facts.rcMonitor = mi.rcMonitor;
    facts.rcWork = mi.rcWork;
    CalibrationMonitor& m = facts.monitor;
    m.mode.width = int(mi.rcMonitor.right - mi.rcMonitor.left);
    m.mode.height = int(mi.rcMonitor.bottom - mi.rcMonitor.top);
    m.mode.dpi = dpi;
    m.reportedWidthMm = m.reportedHeightMm = 0;
    if (COwnedDC dc{CreateDCA(mi.szDevice, mi.szDevice, nullptr, nullptr)}) {
        if (m.mode.dpi <= 0)
            m.mode.dpi = GetDeviceCaps(dc, LOGPIXELSX);
        m.reportedWidthMm = GetDeviceCaps(dc, HORZSIZE);
        m.reportedHeightMm = GetDeviceCaps(dc, VERTSIZE);
    }
    return true;
}
