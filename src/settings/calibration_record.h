// A monitor's calibration as the registry keeps it: one REG_SZ per monitor in the section
// "Calibration" of the program's key, named after the monitor's identity, holding the
// density and the mode it was made in, e.g. "mode=1920x1080;dpi=96;density=94.337;source=user".
// A calibration applies only in the mode it was made in: after a change of the monitor's
// resolution or scale its pixels are no longer the ones that were measured.
#pragma once

#include "units/density.h"

#include <optional>
#include <string>

class CRegistrySettings;

extern const char kSectionCalibration[];

// What the monitor shows: its size in pixels and the logical pixels per inch (the scale).
struct MonitorMode {
    int width = 0;
    int height = 0;
    int dpi = 0;
    bool operator==(const MonitorMode& o) const { return width == o.width && height == o.height && dpi == o.dpi; }
};

struct CalibrationRecord {
    MonitorMode mode;
    double density = 0;  // pixels per inch, to a thousandth
    DensitySource source = DensitySource::Calibrated;  // Calibrated or Reported
};

std::string FormatCalibrationRecord(const CalibrationRecord& record);
// The record in `text`, or nothing when any part of it is missing, malformed or out of range
// (a density outside the calibration limits, a mode that no monitor has). Fields it does not
// know are skipped, so a later version may add some.
std::optional<CalibrationRecord> ParseCalibrationRecord(const std::string& text);

enum class CalibrationFit {
    None,       // no usable record
    Applies,    // made in the present mode
    OtherMode,  // made in another resolution or scale: not used
};
CalibrationFit FitCalibration(const std::optional<CalibrationRecord>& record, const MonitorMode& present);

// The registry value name for a monitor's identity: printable characters, a backslash as
// '/', at most 200 characters; "Display" for an empty identity.
std::string CalibrationValueName(const std::string& identity);

// Longest value text read; anything longer is not a record of ours.
constexpr std::size_t kMaxCalibrationText = 512;

// The stored record for a monitor (whatever its mode), or nothing.
std::optional<CalibrationRecord> ReadCalibration(CRegistrySettings& settings, const std::string& identity);
// Stores the record; false when the registry refused it.
bool WriteCalibration(CRegistrySettings& settings, const std::string& identity, const CalibrationRecord& record);
