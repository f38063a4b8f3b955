// The Colors dialog: the ruler's background and graduation colours, each "Default" or one of
// sixteen fixed colours. The settings change on OK only.
#pragma once

#include <windows.h>

#include "tools/color_combo_box_win.h"
#include "win/dialog.h"

class CRulerSettings;

class CWindowColorsDlg : public CDialogBase {
public:
    CWindowColorsDlg(HWND parent, CRulerSettings& settings);

    CColorComboBox m_cboGraduations;
    CColorComboBox m_cboBackground;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    BOOL OnInitDialog() override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    CRulerSettings& m_settings;
};
