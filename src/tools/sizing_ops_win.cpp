#include "tools/sizing_ops_win.h"

#include "platform/monitors_win.h"
#include "resource.h"
#include "settings/ruler_settings.h"
#include "tools/sizing_ops.h"
#include "tools/sizing_tool_dlg_win.h"
#include "tools/target_style.h"
#include "win/convert.h"
#include "win/message_box.h"
#include "win/strings.h"
#include "win/window.h"

static_assert(kWsBorder == WS_BORDER && kWsDlgFrame == WS_DLGFRAME && kWsThickFrame == WS_THICKFRAME &&
                  kWsMaximize == WS_MAXIMIZE && kWsChild == WS_CHILD,
              "window styles");

namespace {

// The sizing tool's messages: in front of the dialog when it is shown, else of the ruler.
void ShowSizingMessage(UINT id)
{
    HWND owner = GetMainWindowHandle();
    if (g_pSizingToolDlg && g_pSizingToolDlg->IsVisible())
        owner = g_pSizingToolDlg->m_hWnd;
    AppMessageBox(owner, LoadResString(id).c_str(), MB_ICONEXCLAMATION | MB_OK);
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

class CWindowTarget final : public CSizingTarget {
public:
    explicit CWindowTarget(HWND hWnd) : m_hWnd(hWnd) {}
    bool Exists() override { return m_hWnd && IsWindow(m_hWnd); }
    std::uint32_t Style() override { return std::uint32_t(GetWindowLongPtrA(m_hWnd, GWL_STYLE)); }
    bool IsZoomed() override { return ::IsZoomed(m_hWnd) != FALSE; }
    Rect WindowRect() override { return WindowRectOf(m_hWnd); }
    Size FrameThickness() override { return FromSIZE(GetFrameThickness(m_hWnd)); }
    void Place(const Rect& windowRect) override { ApplyTargetRect(m_hWnd, ToRECT(windowRect)); }

private:
    HWND m_hWnd;
};

class CDialogTool final : public CSizingTool {
public:
    explicit CDialogTool(CRulerSettings& s) : m_settings(s) {}
    bool DialogExists() override { return g_pSizingToolDlg != nullptr; }
    bool ValidateDialog() override { return g_pSizingToolDlg->UpdateData(true); }
    void BringDialogForward() override { BringSizingToolForward(m_settings); }
    void RefreshDialog(bool sizeRead) override
    {
        if (sizeRead)
            g_pSizingToolDlg->ShowStoredSize();
        else
            g_pSizingToolDlg->UpdateData(false);
    }
    void ShowMessage(int id) override { ShowSizingMessage(UINT(id)); }

private:
    CRulerSettings& m_settings;
};

} // namespace

SIZE GetFrameThickness(HWND window)
{
    switch (FrameKindOf(std::uint32_t(GetWindowLongPtrA(window, GWL_STYLE)))) {
    case FrameKind::kSizing: return SIZE{GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYFRAME)};
    case FrameKind::kDialog: return SIZE{GetSystemMetrics(SM_CXDLGFRAME), GetSystemMetrics(SM_CYDLGFRAME)};
    case FrameKind::kThin: return SIZE{GetSystemMetrics(SM_CXBORDER), GetSystemMetrics(SM_CYBORDER)};
    default: return SIZE{0, 0};
    }
}

BOOL CheckSizingTarget(CRulerSettings& s, HWND target, bool storedSizeUsed)
{
    CWindowTarget t(target);
    CDialogTool tool(s);
    return CheckSizing(s, t, tool, storedSizeUsed) ? TRUE : FALSE;
}

BOOL GetTargetSize(CRulerSettings& s, HWND target)
{
    CWindowTarget t(target);
    CDialogTool tool(s);
    return ReadTargetSize(s, t, tool) ? TRUE : FALSE;
}

BOOL SetTargetSize(CRulerSettings& s, HWND target)
{
    CWindowTarget t(target);
    CDialogTool tool(s);
    return ResizeTarget(s, t, tool) ? TRUE : FALSE;
}

void ApplyTargetRect(HWND target, const RECT& windowRect)
{
    // GetParent names the owner of a pop-up window, which is positioned on the screen all
    // the same: only a child window is placed within its parent.
    HWND parent = nullptr;
    if (GetWindowLongPtrA(target, GWL_STYLE) & kWsChild)
        parent = GetParent(target);
    // A top-level window is kept within reach of the main screen: the primary monitor (the
    // desktop window spans every monitor on some systems).
    const Rect reference =
        parent ? WindowRectOf(parent) : MainScreenRect(EnumMonitors(), WindowRectOf(GetDesktopWindow()));
    RECT r = ToRECT(KeepTargetReachable(FromRECT(windowRect), reference));
    if (parent)
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    SetWindowPos(target, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}
