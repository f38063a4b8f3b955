#include "tools/sizing_ops_win.h"

#include "resource.h"
#include "settings/ruler_settings.h"
#include "tools/sizing_tool_dlg_win.h"
#include "tools/target_rect.h"
#include "win/convert.h"
#include "win/message_box.h"
#include "win/strings.h"
#include "win/window.h"

namespace {

// The sizing tool's messages: in front of the dialog when it is shown, else of the ruler.
void ShowSizingMessage(UINT id)
{
    HWND owner = GetMainWindowHandle();
    if (g_pSizingToolDlg && g_pSizingToolDlg->IsVisible())
        owner = g_pSizingToolDlg->m_hWnd;
    AppMessageBox(owner, LoadResString(id).c_str(), MB_ICONEXCLAMATION | MB_OK);
}

SizingSwitches SwitchesOf(const CRulerSettings& s)
{
    return SizingSwitches{s.m_bDoWidth != 0, s.m_bDoHeight != 0, s.m_bDoFrame != 0};
}

Rect WindowRectOf(HWND hWnd)
{
    RECT rc{};
    GetWindowRect(hWnd, &rc);
    return FromRECT(rc);
}

// The dialog, created or shown, in front.
void BringSizingToolForward(CRulerSettings& s)
{
    if (!g_pSizingToolDlg || !IsWindow(g_pSizingToolDlg->m_hWnd) || !g_pSizingToolDlg->IsVisible())
        ToggleSizingTool(s);
    if (g_pSizingToolDlg && GetForegroundWindow() != g_pSizingToolDlg->m_hWnd)
        SetForegroundWindow(g_pSizingToolDlg->m_hWnd);
}

} // namespace

SIZE GetFrameThickness(HWND window)
{
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    if (style & WS_THICKFRAME)
        return SIZE{GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYFRAME)};
    if (style & WS_DLGFRAME)
        return SIZE{GetSystemMetrics(SM_CXDLGFRAME), GetSystemMetrics(SM_CYDLGFRAME)};
    if (style & WS_BORDER)
        return SIZE{GetSystemMetrics(SM_CXBORDER), GetSystemMetrics(SM_CYBORDER)};
    return SIZE{0, 0};
}

BOOL CheckSizingTarget(CRulerSettings& s, HWND target, bool storedSizeUsed)
{
    if (!target || !IsWindow(target))
        return FALSE;
    const LONG_PTR style = GetWindowLongPtrA(target, GWL_STYLE);
    if ((style & WS_MAXIMIZE) || IsZoomed(target)) {
        ShowSizingMessage(IDS_SIZING_MAXIMIZED);
        return FALSE;
    }
    if (!(style & WS_THICKFRAME)) {
        ShowSizingMessage(IDS_SIZING_NOT_RESIZABLE);
        return FALSE;
    }
    if (g_pSizingToolDlg) {
        if (!g_pSizingToolDlg->UpdateData(true))
            return FALSE;
    } else if (storedSizeUsed && (s.m_nWidth < 1 || s.m_nHeight < 1)) {
        // A size below 1 can only come from the registry: it is refused as the same size
        // typed into the dialog would be, with the dialog open to correct it.
        BringSizingToolForward(s);
        if (g_pSizingToolDlg)
            g_pSizingToolDlg->UpdateData(true);  // refuses the text with message 1050
        else
            ShowSizingMessage(IDS_SIZE_INVALID);
        return FALSE;
    }
    if (s.m_bDoWidth || s.m_bDoHeight)
        return TRUE;
    BringSizingToolForward(s);
    ShowSizingMessage(IDS_SIZING_NOTHING_INCLUDED);
    return FALSE;
}

BOOL GetTargetSize(CRulerSettings& s, HWND target)
{
    if (!CheckSizingTarget(s, target))
        return FALSE;
    if (IsWindow(target)) {
        const SIZE frame = GetFrameThickness(target);
        const Size size =
            MeasureTargetSize(WindowRectOf(target), FromSIZE(frame), Size{s.m_nWidth, s.m_nHeight}, SwitchesOf(s));
        s.m_nWidth = size.cx;
        s.m_nHeight = size.cy;
    }
    if (g_pSizingToolDlg)
        g_pSizingToolDlg->ShowStoredSize();
    return TRUE;
}

BOOL SetTargetSize(CRulerSettings& s, HWND target)
{
    if (!CheckSizingTarget(s, target, true))
        return FALSE;
    if (IsWindow(target)) {
        const Rect now = WindowRectOf(target);
        const SIZE frame = GetFrameThickness(target);
        const Rect wanted =
            ComputeTargetRect(now, FromSIZE(frame), Size{s.m_nWidth, s.m_nHeight}, SwitchesOf(s));
        if (wanted != now)
            ApplyTargetRect(target, ToRECT(wanted));
    }
    if (g_pSizingToolDlg)
        g_pSizingToolDlg->UpdateData(false);
    return TRUE;
}

void ApplyTargetRect(HWND target, const RECT& windowRect)
{
    // GetParent names the owner of a pop-up window, which is positioned on the screen all
    // the same: only a child window is placed within its parent.
    HWND reference = nullptr;
    if (GetWindowLongPtrA(target, GWL_STYLE) & WS_CHILD)
        reference = GetParent(target);
    if (!reference)
        reference = GetDesktopWindow();
    RECT r = ToRECT(KeepTargetReachable(FromRECT(windowRect), WindowRectOf(reference)));
    MapWindowPoints(nullptr, reference, reinterpret_cast<POINT*>(&r), 2);
    SetWindowPos(target, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}
