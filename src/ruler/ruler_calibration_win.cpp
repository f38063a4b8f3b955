// Calibrated units: the Calibrate command and dialog, the Calibrated Units switch, and the
// density of the monitor under the ruler's zero point that cm, in, pt, pc and twip then use.
#include "ruler/ruler_wnd.h"

#include "tools/monitor_facts_win.h"
#include "settings/calibration_record.h"
#include "settings/ruler_settings.h"
#include "resource.h"
#include "tools/calibrate_dlg_win.h"
#include "tools/calibration.h"
#include "units/number_format.h"
#include "win/strings.h"

void CRulerWnd::OnCalibrate(UINT)
{
    MonitorFacts facts;
    if (!DescribeMonitorAt(GetZeroPoint(FALSE), m_nLogPixels, facts)) {
        MessageBeep(MB_ICONHAND);
        return;
    }
    CCalibrateDlg dialog(m_hWnd, m_settings, facts);
    if (dialog.DoModal() == IDOK)
        UpdateCalibration(true);
}

void CRulerWnd::OnCalibratedUnits(UINT)
{
    m_settings.m_bCalibratedUnits = m_settings.m_bCalibratedUnits ? 0 : 1;
    UpdateCalibration(true);
}

bool CRulerWnd::UnitIsCalibrated() const
{
    return m_settings.m_bCalibratedUnits && IsPhysicalUnit(GetStyle());
}

double CRulerWnd::UnitDpi() const
{
    // Without a calibration that applies, the logical density, as it is now.
    const bool calibrated = UnitIsCalibrated() && m_calibration.source != DensitySource::Logical;
    return calibrated && m_calibration.dpi > 0 ? m_calibration.dpi : double(m_nLogPixels);
}

void CRulerWnd::UpdateCalibration(bool force)
{
    if (!m_settings.m_bCalibratedUnits) {
        if (!force)
            return;
        m_hCalibrationMonitor = nullptr;
    } else {
        // While the ruler moves on one monitor this is all it costs.
        const HMONITOR monitor = MonitorFromPoint(GetZeroPoint(FALSE), MONITOR_DEFAULTTONEAREST);
        if (!force && monitor == m_hCalibrationMonitor)
            return;
        m_hCalibrationMonitor = monitor;
        MonitorFacts facts;
        Density density{double(m_nLogPixels), DensitySource::Logical};
        if (DescribeMonitorAt(GetZeroPoint(FALSE), m_nLogPixels, facts)) {
            const std::optional<CalibrationRecord> record = ReadCalibration(m_settings, facts.identity);
            if (FitCalibration(record, facts.monitor.mode) == CalibrationFit::Applies)
                density = {record->density, record->source};
        }
        if (!force && density.dpi == m_calibration.dpi && density.source == m_calibration.source)
            return;
        m_calibration = density;
    }
    InvalidateRect(m_hWnd, nullptr, TRUE);
    RefreshCaption();
}

std::string CRulerWnd::DescribeUnitDensity() const
{
    const bool on = m_settings.m_bCalibratedUnits != 0;
    const DensitySource source = on ? m_calibration.source : DensitySource::Logical;
    const double dpi = source == DensitySource::Logical ? double(m_nLogPixels) : m_calibration.dpi;
    return ReplaceArgs(LoadResString(on ? IDS_ABOUT_UNITS : IDS_ABOUT_UNITS_OFF), FormatNumber(dpi, false, 3),
                       LoadResString(UINT(DensitySourceStringId(source))));
}
