#include "tools/window_colors_dlg_win.h"

#include "platform/help_win.h"
#include "resource.h"
#include "settings/ruler_settings.h"
#include "win/exceptions.h"
#include "win/message_box.h"

CWindowColorsDlg::CWindowColorsDlg(HWND parent, CRulerSettings& settings)
    : CDialogBase(IDD_WINDOW_COLORS, parent), m_settings(settings)
{
}

void CWindowColorsDlg::DoDataExchange(CDataExchange& dx)
{
    m_cboGraduations.Attach(GetDlgItem(dx.m_hDlg, IDC_GRADUATIONS_COLOR));
    m_cboBackground.Attach(GetDlgItem(dx.m_hDlg, IDC_BACKGROUND_COLOR));
    if (!dx.m_bSaveAndValidate) {
        if (m_cboBackground.GetCount() == 0) {
            m_cboBackground.FillColorList(true);
            m_cboGraduations.FillColorList(true);
        }
        m_cboBackground.SelectColor(std::uint32_t(m_settings.m_clrBk));
        m_cboGraduations.SelectColor(std::uint32_t(m_settings.m_clrFg));
    } else {
        // A list without a selection (a stored colour that is none of the list's) stores
        // "Default".
        m_settings.m_clrBk = std::int32_t(m_cboBackground.GetSelectedColor());
        m_settings.m_clrFg = std::int32_t(m_cboGraduations.GetSelectedColor());
    }
}

BOOL CWindowColorsDlg::OnInitDialog()
{
    try {
        return CDialogBase::OnInitDialog();
    } catch (const CStartupException& e) {
        // The lists could not be filled: the dialog is abandoned with the framework's text.
        AppMessageBox(m_hWnd, e.GetErrorMessage().c_str(), MB_ICONEXCLAMATION | MB_OK);
        EndDialog(IDCANCEL);
        return TRUE;
    }
}

bool CWindowColorsDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (msg) {
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (wParam == IDC_BACKGROUND_COLOR || wParam == IDC_GRADUATIONS_COLOR) {
            (wParam == IDC_BACKGROUND_COLOR ? m_cboBackground : m_cboGraduations).DrawItem(*item);
            *result = TRUE;
            return true;
        }
        return false;
    }
    case WM_HELP:
        ShowHelpTopic(m_hWnd, "window-colors");
        *result = TRUE;
        return true;
    default:
        return false;
    }
}
