// The monitors as Windows reports them, for the choices of platform/monitor_layout.h.
#pragma once

#include "platform/monitor_layout.h"

// Every monitor with its work area, the primary one marked. On a system without the
// multi-monitor functions, the primary screen (0, 0, SM_CXSCREEN, SM_CYSCREEN) with the
// system work area stands for the one monitor.
MonitorLayout EnumMonitors();
