// What calibration needs to know of a monitor: who it is (its identity survives a restart and
// a change of the monitors' order), the mode it shows, and the physical size it reports.
#pragma once

#include <windows.h>

#include "settings/calibration_record.h"
#include "tools/calibration.h"

#include <string>

struct MonitorFacts {
    HMONITOR handle = nullptr;
    std::string identity;        // the monitor's device id, else its display device's name
    CalibrationMonitor monitor;  // mode and reported size
    RECT rcMonitor{};
    RECT rcWork{};
};

// The monitor under (or nearest to) a screen point, shown at `dpi` pixels per inch (the
// density the program is given there: its own monitor's under per-monitor awareness, else the
// system's). False when none can be described.
bool DescribeMonitorAt(POINT screen, int dpi, MonitorFacts& facts);
