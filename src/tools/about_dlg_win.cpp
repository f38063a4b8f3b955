#include "tools/about_dlg_win.h"

#include "platform/help_win.h"
#include "platform/version_info_win.h"
#include "resource.h"
#include "settings/registry_backend_win.h"
#include "settings/ruler_settings.h"
#include "win/exceptions.h"
#include "win/message_box.h"
#include "win/strings.h"

namespace {
std::string VersionString(const CVersionInfo& version, const char* name)
{
    const char* text = version.GetString(name);
    return text ? text : "";
}
} // namespace

std::string DescribeSettingsLocation(const CRulerSettings& settings)
{
    const auto* registry = dynamic_cast<const CRegistryBackend*>(settings.GetBackend());
    if (!registry || settings.m_strKeyPath.empty())
        return std::string();
    const char* root = registry->Root() == HKEY_LOCAL_MACHINE ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
    return std::string(root) + "\\" + settings.m_strKeyPath;
}

CAboutDlg::CAboutDlg(HWND owner, const CRulerSettings& settings) : CDialogBase(IDD_ABOUTBOX, owner), m_settings(settings)
{
}

INT_PTR CAboutDlg::DoModal()
{
    if (!LoadVersionTexts())
        return IDCANCEL;
    return CDialogBase::DoModal();
}

bool CAboutDlg::LoadVersionTexts()
{
    try {
        const CVersionInfo version;
        m_strVersion = ReplaceArgs(LoadResString(IDS_ABOUT_VERSION), VersionString(version, "ProductName"),
                                   VersionString(version, "ProductVersion"));
        m_strLegal = VersionString(version, "LegalCopyright");
        m_strDescription = VersionString(version, "FileDescription");
    } catch (const CStartupException& e) {
        AppMessageBox(m_hWndParent, e.GetErrorMessage().c_str(), MB_ICONEXCLAMATION | MB_OK);
        return false;
    }
    return true;
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialogBase::OnInitDialog();
    SetWindowTextA(m_hWnd, ReplaceArgs(LoadResString(IDS_ABOUT_CAPTION), LoadResString(IDS_APP_TITLE)).c_str());
    SetDlgItemTextA(m_hWnd, IDC_ABOUT_VERSION, m_strVersion.c_str());
    SetDlgItemTextA(m_hWnd, IDC_ABOUT_LEGAL, m_strLegal.c_str());
    SetDlgItemTextA(m_hWnd, IDC_ABOUT_DESCRIPTION, m_strDescription.c_str());
    SetDlgItemTextA(m_hWnd, IDC_ABOUT_UNITS, m_strUnits.c_str());
    const std::string where = DescribeSettingsLocation(m_settings);
    SetDlgItemTextA(m_hWnd, IDC_ABOUT_SETTINGS,
                    where.empty() ? "" : ReplaceArgs(LoadResString(IDS_ABOUT_SETTINGS), where).c_str());
    return TRUE;
}

bool CAboutDlg::OnMessage(UINT msg, WPARAM, LPARAM, LRESULT* result)
{
    if (msg != WM_HELP)
        return false;
    ShowHelpTopic(m_hWnd, "settings");
    *result = TRUE;
    return true;
}
