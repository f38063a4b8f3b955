#include "tools/sizing_tool_dlg_win.h"

#include "platform/help_win.h"
#include "platform/icon_cache_win.h"
#include "platform/system_errors_win.h"
#include "resource.h"
#include "settings/ruler_settings.h"
#include "tools/hot_key_dlg_win.h"
#include "tools/hot_key_registration_win.h"
#include "tools/hot_key_rules.h"
#include "tools/size_text.h"
#include "tools/sizing_ops.h"
#include "win/common_controls.h"
#include "win/message_box.h"
#include "win/strings.h"
#include "win/window.h"

#include <commctrl.h>

#include <new>

CSizingToolDlg* g_pSizingToolDlg = nullptr;

namespace {

const char kHelpTopic[] = "sizing-tool";

struct HotKeyControls {
    int enableBox;
    int display;
};

HotKeyControls ControlsOf(int id)
{
    return id == HOTKEY_GET_SIZE ? HotKeyControls{IDC_ENABLE_GET, IDC_HOT_KEY_GET}
                                 : HotKeyControls{IDC_ENABLE_SET, IDC_HOT_KEY_SET};
}

} // namespace

CSizingToolDlg::CSizingToolDlg(CRulerSettings& settings, HWND parent)
    : CDialogBase(IDD_SIZING_TOOL, parent),
      m_pickerGet(this),
      m_pickerSet(this),
      m_bDoFrame(settings.m_bDoFrame),
      m_bDoWidth(settings.m_bDoWidth),
      m_bDoHeight(settings.m_bDoHeight),
      m_strSize(FormatSizeText(settings.m_nWidth, settings.m_nHeight)),
      m_nHotKeyMode(settings.m_nHKMode),
      m_settings(settings)
{
}

void CSizingToolDlg::DoDataExchange(CDataExchange& dx)
{
    m_btnEnableGet = GetDlgItem(m_hWnd, IDC_ENABLE_GET);
    m_btnEnableSet = GetDlgItem(m_hWnd, IDC_ENABLE_SET);
    m_hotKeySet = GetDlgItem(m_hWnd, IDC_HOT_KEY_SET);
    m_hotKeyGet = GetDlgItem(m_hWnd, IDC_HOT_KEY_GET);
    m_cboSize = GetDlgItem(m_hWnd, IDC_SIZE_TEXT);
    m_pickerGet.Attach(GetDlgItem(m_hWnd, IDC_PICK_GET_SIZE));
    m_pickerSet.Attach(GetDlgItem(m_hWnd, IDC_PICK_SET_SIZE));

    DDX_Check(dx, IDC_DO_FRAME, m_bDoFrame);
    DDX_Check(dx, IDC_DO_WIDTH, m_bDoWidth);
    DDX_Check(dx, IDC_DO_HEIGHT, m_bDoHeight);
    DDX_Text(dx, IDC_SIZE_TEXT, m_strSize);
    DDV_MaxChars(dx, IDC_SIZE_TEXT, m_strSize, kSizeTextLimit);
    DDX_Radio(dx, IDC_HK_FOREGROUND, m_nHotKeyMode);

    CRulerSettings& s = m_settings;
    if (!dx.m_bSaveAndValidate) {
        EnableWindow(m_btnEnableGet, IsHotKeyDefined(s.m_wHKVGet, s.m_wHKMGet));
        EnableWindow(m_btnEnableSet, IsHotKeyDefined(s.m_wHKVSet, s.m_wHKMSet));
        return;
    }
    if (!SaveSizingEntries(s, {m_strSize, m_bDoWidth != 0, m_bDoHeight != 0, m_bDoFrame != 0})) {
        BringToFront();
        dx.Fail(IDC_SIZE_TEXT, LoadResString(IDS_SIZE_INVALID));
    }
}

BOOL CSizingToolDlg::OnInitDialog()
{
    CDialogBase::OnInitDialog();
    SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, LPARAM(LoadCachedIcon(IDI_SIZING_TOOL)));
    SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, LPARAM(LoadCachedSmallIcon(IDI_SIZING_TOOL)));
    for (const Size& preset : kSizePresets)
        SendMessageA(m_cboSize, CB_ADDSTRING, 0, LPARAM(FormatSizeText(preset.cx, preset.cy).c_str()));
    SetWindowTextA(m_cboSize, m_strSize.c_str());
    // A key refused at start-up is not shown enabled: it does nothing in this run.
    for (int id : {HOTKEY_GET_SIZE, HOTKEY_SET_SIZE}) {
        CheckDlgButton(m_hWnd, ControlsOf(id).enableBox,
                       IsHotKeyEnabledNow(m_settings, id) ? BST_CHECKED : BST_UNCHECKED);
        ShowHotKey(id);
    }
    EnableFrameBox();
    UpdateData(false);
    return TRUE;
}

void CSizingToolDlg::OnCancel()
{
    ShowWindow(m_hWnd, SW_HIDE);
}

bool CSizingToolDlg::OnCommand(WORD id, WORD code, HWND control)
{
    if (code != BN_CLICKED)
        return CDialogBase::OnCommand(id, code, control);
    switch (id) {
    case IDC_HK_FOREGROUND:
        m_settings.m_nHKMode = 0;
        return true;
    case IDC_HK_UNDER_CURSOR:
        m_settings.m_nHKMode = 1;
        return true;
    case IDC_DO_WIDTH:
    case IDC_DO_HEIGHT:
        EnableFrameBox();
        return true;
    case IDC_ENABLE_GET:
        OnEnableHotKey(HOTKEY_GET_SIZE);
        return true;
    case IDC_ENABLE_SET:
        OnEnableHotKey(HOTKEY_SET_SIZE);
        return true;
    case IDC_DEFINE_GET:
        OnDefineHotKey(HOTKEY_GET_SIZE);
        return true;
    case IDC_DEFINE_SET:
        OnDefineHotKey(HOTKEY_SET_SIZE);
        return true;
    case ID_HELP:
        ShowHelpTopic(m_hWnd, kHelpTopic);
        return true;
    case IDOK:
        // There is no OK: Enter goes to the default button, Close. A stray IDOK must not
        // end the dialog, which lives as long as the program.
        return true;
    default:
        return CDialogBase::OnCommand(id, code, control);
    }
}

bool CSizingToolDlg::OnMessage(UINT msg, WPARAM, LPARAM, LRESULT* result)
{
    if (msg != WM_HELP)
        return false;
    ShowHelpTopic(m_hWnd, kHelpTopic);
    *result = TRUE;
    return true;
}

void CSizingToolDlg::PostNcDestroy()
{
    // The pointer must not outlive the object (the window goes with the ruler's).
    if (g_pSizingToolDlg == this)
        g_pSizingToolDlg = nullptr;
    delete this;
}

void CSizingToolDlg::ShowStoredSize()
{
    m_strSize = FormatSizeText(m_settings.m_nWidth, m_settings.m_nHeight);
    UpdateData(false);
}

void CSizingToolDlg::OnEnableHotKey(int id)
{
    const int box = ControlsOf(id).enableBox;
    CWindowHotKeys keys(GetMainWindowHandle());
    const bool checked = IsDlgButtonChecked(m_hWnd, box) == BST_CHECKED;
    if (const DWORD error = ApplyHotKeyEnable(keys, m_settings, id, checked)) {
        ShowSystemErrorOver(m_hWnd, error);
        CheckDlgButton(m_hWnd, box, BST_UNCHECKED);
    }
}

void CSizingToolDlg::OnDefineHotKey(int id)
{
    const HotKeySettings k = SizingHotKeySettings(m_settings, id);
    CHotKeyDlg dlg(m_hWnd);
    dlg.m_nHotKeyId = id;
    dlg.m_wVirtualKey = k.vk;
    dlg.m_wModifiers = k.mods;
    // Registered anew only when it is enabled now (not when it was refused at start-up).
    dlg.m_bEnabled = IsHotKeyEnabledNow(m_settings, id);
    if (dlg.DoModal() != IDOK)
        return;
    k.vk = dlg.m_wVirtualKey;
    k.mods = dlg.m_wModifiers;
    ShowHotKey(id);
}

void CSizingToolDlg::ShowHotKey(int id)
{
    const HotKeySettings k = SizingHotKeySettings(m_settings, id);
    const HotKeyControls c = ControlsOf(id);
    SendDlgItemMessageA(m_hWnd, c.display, HKM_SETHOTKEY, HotKeyControlValue(k.vk, k.mods), 0);
    EnableWindow(GetDlgItem(m_hWnd, c.enableBox), IsHotKeyDefined(k.vk, k.mods));
}

void CSizingToolDlg::EnableFrameBox()
{
    const bool any = IsDlgButtonChecked(m_hWnd, IDC_DO_WIDTH) || IsDlgButtonChecked(m_hWnd, IDC_DO_HEIGHT);
    EnableWindow(GetDlgItem(m_hWnd, IDC_DO_FRAME), any);
}

void CSizingToolDlg::BringToFront()
{
    if (!IsVisible())
        ShowWindow(m_hWnd, SW_SHOWNORMAL);
    if (GetForegroundWindow() != m_hWnd)
        SetForegroundWindow(m_hWnd);
}

void ToggleSizingTool(CRulerSettings& settings)
{
    if (g_pSizingToolDlg) {
        HWND hWnd = g_pSizingToolDlg->m_hWnd;
        ShowWindow(hWnd, IsWindowVisible(hWnd) ? SW_HIDE : SW_SHOWNORMAL);
        return;
    }
    // The hot key controls are common controls.
    InitCommonControlsOnce();
    g_pSizingToolDlg = new (std::nothrow) CSizingToolDlg(settings, GetMainWindowHandle());
    if (g_pSizingToolDlg && g_pSizingToolDlg->CreateModeless())
        return;
    // A dialog whose window never came to be still belongs to us.
    delete g_pSizingToolDlg;
    g_pSizingToolDlg = nullptr;
    AppMessageBox(GetMainWindowHandle(), LoadResString(IDS_MEMORY_EXCEPTION).c_str(), MB_ICONEXCLAMATION | MB_OK);
}

bool IsSizingToolVisible()
{
    return g_pSizingToolDlg && g_pSizingToolDlg->IsVisible();
}
