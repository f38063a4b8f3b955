#include "tools/custom_scale_dlg_win.h"

#include "platform/help_win.h"
#include "resource.h"
#include "settings/ruler_settings.h"
#include "win/exceptions.h"
#include "win/message_box.h"
#include "win/strings.h"

#include <commctrl.h>

CCustomScaleDlg* g_pCustomScaleDlg = nullptr;

CCustomScaleDlg::CCustomScaleDlg(HWND parent, ICustomScaleTarget& target, CRulerSettings& settings, bool ruler,
                                 int current, int minValue, int maxValue)
    : CDialogBase(IDD_CUSTOM_SCALE, parent),
      m_nValue(current),
      m_bAutoPreview(ruler ? settings.m_bScalePreview : settings.m_bZoomPreview),
      m_nInitial(current),
      m_nMin(minValue),
      m_nMax(maxValue),
      m_bRuler(ruler),
      m_target(target),
      m_settings(settings),
      m_preview(current, minValue, maxValue)
{
}

INT_PTR CCustomScaleDlg::DoModal()
{
    if (g_pCustomScaleDlg) {
        if (g_pCustomScaleDlg->m_hWnd && IsWindow(g_pCustomScaleDlg->m_hWnd))
            SetForegroundWindow(g_pCustomScaleDlg->m_hWnd);
        return kCustomScaleAlreadyRunning;
    }
    g_pCustomScaleDlg = this;
    const INT_PTR result = CDialogBase::DoModal();
    g_pCustomScaleDlg = nullptr;
    // The preview is taken back as the window goes (TakeBackPreview). When the window went
    // with the ruler, the ruler may be gone as well: nothing here touches it.
    if (result == -1 && !m_bShown)
        AppMessageBox(m_hWndParent, CResourceException().GetErrorMessage().c_str(), MB_ICONEXCLAMATION | MB_OK);
    return result;
}

void CCustomScaleDlg::TakeBackPreview()
{
    // Whatever the preview left in effect, even when Auto-Preview was switched off again
    // after it had shown a value.
    if (const std::optional<int> restore = m_preview.Cancelled()) {
        m_nValue = *restore;
        ApplyCustomScale();
    }
}

void CCustomScaleDlg::OnOK()
{
    if (!UpdateData(true))
        return;
    m_bConfirmed = true;
    EndDialog(IDOK);
}

void CCustomScaleDlg::DoDataExchange(CDataExchange& dx)
{
    m_spin = GetDlgItem(dx.m_hDlg, IDC_SCALE_SPIN);
    DDX_Text(dx, IDC_SCALE_VALUE, m_nValue);
    DDV_MinMaxInt(dx, IDC_SCALE_VALUE, m_nValue, m_nMin, m_nMax);
    DDX_Check(dx, IDC_AUTO_PREVIEW, m_bAutoPreview);
    if (dx.m_bSaveAndValidate)
        (m_bRuler ? m_settings.m_bScalePreview : m_settings.m_bZoomPreview) = m_bAutoPreview;
}

BOOL CCustomScaleDlg::OnInitDialog()
{
    m_bShown = true;
    CDialogBase::OnInitDialog();
    SetWindowTextA(m_hWnd, LoadResString(m_bRuler ? IDS_RULER_CUSTOM_SCALE : IDS_MAGNIFIER_CUSTOM_SCALE).c_str());
    SendMessageA(m_spin, UDM_SETRANGE, 0, MAKELPARAM(m_nMax, m_nMin));
    return TRUE;
}

bool CCustomScaleDlg::OnCommand(WORD id, WORD code, HWND control)
{
    if (id == IDC_AUTO_PREVIEW && code == BN_CLICKED) {
        OnAutoPreviewClicked();
        return true;
    }
    if (id == IDC_SCALE_VALUE && code == EN_CHANGE) {
        OnValueChanged();
        return true;
    }
    return CDialogBase::OnCommand(id, code, control);
}

bool CCustomScaleDlg::OnMessage(UINT msg, WPARAM, LPARAM, LRESULT* result)
{
    // Ended without OK in any way (Cancel, Escape, the close box, or the ruler and its owned
    // windows destroyed under it, as when the program is closed): the preview is taken back
    // while the ruler is still there, so the settings keep only a confirmed scale.
    if (msg == WM_DESTROY && !m_bConfirmed)
        TakeBackPreview();
    if (msg != WM_HELP)
        return false;
    ShowHelpTopic(m_hWnd, "custom-scale");
    *result = TRUE;
    return true;
}

void CCustomScaleDlg::OnAutoPreviewClicked()
{
    if (!UpdateData(true)) {
        UpdateData(false);
        return;
    }
    if (m_preview.AutoPreviewClicked(m_bAutoPreview != 0, m_nValue))
        ApplyCustomScale();
}

void CCustomScaleDlg::OnValueChanged()
{
    if (!m_bAutoPreview)
        return;
    BOOL ok = FALSE;
    const int value = int(GetDlgItemInt(m_hWnd, IDC_SCALE_VALUE, &ok, TRUE));
    // A text that is no integer reads as 0, which no range allows.
    if (const std::optional<int> preview = m_preview.Typed(true, ok ? value : 0)) {
        m_nValue = *preview;
        ApplyCustomScale();
    }
}

void CCustomScaleDlg::ApplyCustomScale()
{
    if (m_bRuler)
        m_target.ApplyRulerScale(m_nValue);
    else
        m_target.ApplyMagnifierZoom(m_nValue);
}
