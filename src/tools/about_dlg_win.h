// The About box: the program's icon, its name and version, the legal notice and the
// description from the version resource, and where the settings are kept.
#pragma once

#include <windows.h>

#include "win/dialog.h"

#include <string>
#include <utility>

class CRulerSettings;

class CAboutDlg : public CDialogBase {
public:
    // `owner` should be the ruler's last active pop-up, so that the box stacks above a
    // dialog of the ruler that is open.
    CAboutDlg(HWND owner, const CRulerSettings& settings);

    // Runs the box; a program file without a version resource shows the framework's file
    // error text instead.
    INT_PTR DoModal();
    // Reads the texts the box shows; false (the message shown) without a version resource.
    bool LoadVersionTexts();
    // The line that says what density the physical units are measured with.
    void SetUnitsText(std::string text) { m_strUnits = std::move(text); }

protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    const CRulerSettings& m_settings;
    std::string m_strVersion;
    std::string m_strLegal;
    std::string m_strDescription;
    std::string m_strUnits;
};

// "HKEY_LOCAL_MACHINE\Software\Orrin\Calyx\" or "HKEY_CURRENT_USER\..." for where the record
// reads and writes; "" when it is not attached to the registry.
std::string DescribeSettingsLocation(const CRulerSettings& settings);
