// What the Calibrate dialog decides: the density its bar shows, the bar's length in pixels
// (a bank card's width at that density), the steps of the keys and the spin box, a width
// typed in millimetres, and what it says about the stored calibration and the monitor's
// reported size. The Win32 dialog only draws and forwards.
#pragma once

#include "base/geometry.h"
#include "settings/calibration_record.h"
#include "units/density.h"

#include <optional>
#include <string>

// The monitor the dialog calibrates.
struct CalibrationMonitor {
    MonitorMode mode;           // pixels and logical dpi now
    int reportedWidthMm = 0;    // the physical size the monitor reports; 0: none
    int reportedHeightMm = 0;
};

// The density the monitor's reported width gives, when it is plausible; 0 otherwise.
double ReportedDensity(const CalibrationMonitor& monitor);

// A typed visible width in millimetres: digits with one '.' or ',' as the decimal point,
// spaces around it and a trailing "mm" allowed.
enum class TypedWidthStatus { Ok, NotANumber, OutOfRange };
struct TypedWidth {
    TypedWidthStatus status = TypedWidthStatus::NotANumber;
    double millimetres = 0;
    double density = 0;
    // The widths that give a density within the calibration limits (for the message).
    double minMillimetres = 0;
    double maxMillimetres = 0;
};
TypedWidth ParseTypedWidth(const std::string& text, int widthPixels);

// The string id that names where a density came from (IDS_DENSITY_*).
int DensitySourceStringId(DensitySource source);

// Where the dialog goes on the monitor it calibrates and how much its bar widens: room for
// twice the bar it starts with (`startBar`) and `slack` pixels more, as far as the work area
// allows with `margin` pixels on each side; never narrower than it was. The dialog is
// centred on the work area, its top-left kept on it.
struct CalibrationDialogFit {
    int widenBy = 0;    // added to the bar and the texts beside it, and to the dialog
    int barRoom = 0;    // the longest bar the widened control shows
    Rect bounds;        // the dialog, in screen coordinates
};
CalibrationDialogFit FitCalibrationDialog(const Rect& dialog, int barWidth, int startBar, const Rect& work,
                                          int slack, int margin);

class CCalibration {
public:
    // `maxBarPixels`: the longest bar the dialog can show on the monitor.
    CCalibration(const CalibrationMonitor& monitor, const std::optional<CalibrationRecord>& stored, int maxBarPixels);

    const Density& GetDensity() const { return m_density; }
    CalibrationFit StoredFit() const { return m_fit; }
    const std::optional<CalibrationRecord>& Stored() const { return m_stored; }
    double Reported() const { return m_dReported; }

    // The bar: a card's width at the density, within MinBar..MaxBar.
    int BarPixels() const;
    int MinBar() const { return m_nMinBar; }
    int MaxBar() const { return m_nMaxBar; }
    // Keys, spin box and dragging: the bar is given a length and the density follows.
    void SetBarPixels(int pixels);
    void StepBar(int delta) { SetBarPixels(BarPixels() + delta); }
    // A typed width sets the density (the bar shows it to the nearest pixel); anything but
    // Ok leaves everything as it was.
    TypedWidth TypeVisibleWidth(const std::string& text);
    // The density of the monitor's reported size, when it reports a plausible one.
    void UseReported();
    // The width of the monitor in millimetres at the density, to a hundredth.
    double VisibleWidthMm() const;

    // What OK stores. A density the dialog started from and the user left alone keeps its
    // source (a stored calibration, the monitor's reported size); one the user confirmed or
    // changed is the user's.
    CalibrationRecord Result() const;

private:
    void SetDensity(double dpi, DensitySource source);

    CalibrationMonitor m_monitor;
    std::optional<CalibrationRecord> m_stored;
    CalibrationFit m_fit;
    double m_dReported;
    Density m_density;
    int m_nMinBar;
    int m_nMaxBar;
};
