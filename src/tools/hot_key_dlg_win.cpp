#include "tools/hot_key_dlg_win.h"

#include "platform/help_win.h"
#include "platform/system_errors_win.h"
#include "resource.h"
#include "tools/hot_key_registration_win.h"
#include "tools/hot_key_rules.h"
#include "win/message_box.h"
#include "win/strings.h"
#include "win/window.h"

#include <commctrl.h>

BOOL CHotKeyDlg::OnInitDialog()
{
    m_hotKey = GetDlgItem(m_hWnd, IDC_HOT_KEY);
    CDialogBase::OnInitDialog();
    SendMessageA(m_hotKey, HKM_SETHOTKEY, HotKeyControlValue(m_wVirtualKey, m_wModifiers), 0);
    return TRUE;
}

void CHotKeyDlg::OnOK()
{
    const LRESULT value = SendMessageA(m_hotKey, HKM_GETHOTKEY, 0, 0);
    const WORD vk = LOBYTE(LOWORD(value));
    const WORD mods = HotKeyFlagsToMod(HIBYTE(LOWORD(value)));
    const HotKeyChoice choice = ClassifyHotKeyChoice(vk, mods, m_wVirtualKey, m_wModifiers);
    if (choice == HotKeyChoice::kUnchanged) {
        EndDialog(IDOK);
        return;
    }
    if (choice == HotKeyChoice::kInvalid) {
        Refuse();
        AppMessageBox(m_hWnd, LoadResString(IDS_INVALID_HOT_KEY).c_str(), MB_ICONEXCLAMATION | MB_OK);
        return;
    }
    if (m_bEnabled) {
        HWND main = GetMainWindowHandle();
        if (choice == HotKeyChoice::kEmpty) {
            UnregisterHotKey(main, m_nHotKeyId);
        } else if (const DWORD error =
                       ReplaceSizingHotKey(main, m_nHotKeyId, m_wModifiers, m_wVirtualKey, mods, vk)) {
            Refuse();
            ShowSystemErrorOver(m_hWnd, error);
            return;
        }
    }
    m_wVirtualKey = vk;
    m_wModifiers = mods;
    EndDialog(IDOK);
}

bool CHotKeyDlg::OnMessage(UINT msg, WPARAM, LPARAM, LRESULT* result)
{
    if (msg != WM_HELP)
        return false;
    ShowHelpTopic(m_hWnd, "hot-keys");
    *result = TRUE;
    return true;
}

void CHotKeyDlg::Refuse()
{
    SetFocus(m_hotKey);
}
