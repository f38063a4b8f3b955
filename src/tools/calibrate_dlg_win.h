// The Calibrate dialog: a bar that should be a bank card's width, on the monitor the ruler is
// on, lengthened or shortened with the keys, the spin box or by dragging its end until it
// matches a real card; or the screen's visible width typed in millimetres. OK stores the
// density for this monitor in its present mode; Cancel changes nothing.
#pragma once

#include <windows.h>

#include "tools/monitor_facts_win.h"
#include "tools/calibration.h"
#include "win/dialog.h"

#include <optional>
#include <string>

class CRulerSettings;

class CCalibrateDlg : public CDialogBase {
public:
    // The bar control's messages to its dialog.
    static constexpr UINT kMsgBarLength = WM_APP + 20;  // returns the bar's length in pixels
    static constexpr UINT kMsgBarStep = WM_APP + 21;    // wParam: a signed step in pixels
    static constexpr UINT kMsgBarSet = WM_APP + 22;     // wParam: a new length in pixels

    CCalibrateDlg(HWND parent, CRulerSettings& settings, const MonitorFacts& facts);

    INT_PTR DoModal();
    // What OK stored (valid after IDOK).
    const CalibrationRecord& Result() const { return m_result; }
    const CCalibration& Calibration() const { return *m_cal; }

protected:
    void DoDataExchange(CDataExchange& dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    // Widens the bar for the monitor's density and centres the dialog on the monitor.
    void FitToMonitor();
    // The readout, the spin box, the width and the bar after a change.
    void Refresh();
    void ShowStatus();
    std::string SourceText(DensitySource source) const;

    CRulerSettings& m_settings;
    MonitorFacts m_facts;
    std::optional<CCalibration> m_cal;
    CalibrationRecord m_result;
    // The width text the dialog last wrote: a different one was typed by the user.
    std::string m_strShownWidth;
    bool m_bRefreshing = false;
};
