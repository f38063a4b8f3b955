// The ruler window's construction, message dispatch and lifecycle.
#include "ruler/ruler_wnd.h"

#include "platform/dpi_rules.h"
#include "platform/dpi_win.h"
#include "platform/icon_cache_win.h"
#include "platform/monitors_win.h"
#include "platform/placement_win.h"
#include "settings/ruler_settings.h"
#include "platform/screen_win.h"
#include "platform/version_info_win.h"
#include "resource.h"
#include "ruler/style_change.h"
#include "ruler/window_moves.h"
#include "tools/custom_scale_dlg_win.h"
#include "units/units.h"
#include "win/convert.h"
#include "win/exceptions.h"

#include <climits>
#include <string>
#include <windowsx.h>

CRulerWnd::CRulerWnd(CRulerSettings& settings) : m_settings(settings)
{
    // The ruler font: Arial at 85 % of the system font's height, measured once here.
    LOGFONTA system{};
    GetObjectA(GetStockObject(SYSTEM_FONT), sizeof system, &system);
    m_nSystemFontHeight = int(system.lfHeight);
    m_lfRuler.lfHeight = RulerFontHeight(m_nSystemFontHeight);
    m_lfRuler.lfCharSet = ANSI_CHARSET;
    m_lfRuler.lfOutPrecision = OUT_TT_ONLY_PRECIS;
    m_lfRuler.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    lstrcpynA(m_lfRuler.lfFaceName, "Arial", LF_FACESIZE);
    m_nScale = settings.m_nScale;
    m_ptGuide = POINT{INT_MAX, 0};
    m_ptLastCursor = POINT{INT_MAX, INT_MAX};
    const Size base = SplitDialogBaseUnits(std::uint32_t(GetDialogBaseUnits()));
    m_sizeDlgBase = SIZE{base.cx, base.cy};
    GetVirtualScreenRect(&m_rcVirtualScreen);
    m_monitors = EnumMonitors();
    m_bPaletteDisplay = IsPaletteDisplay();
    if (!CreateWebSafePalette())
        m_settings.m_nColor &= ~0x10000;

    COwnedDC ic = CreateDisplayIC();
    if (!ic)
        throw CMemoryException();
    CFontHandle measuring(CreateFontIndirectA(&m_lfRuler));
    if (!measuring)
        throw CResourceException();
    CSelectObject select(ic, measuring);
    GetTextMetricsA(ic, &m_tmRuler);
}

CRulerWnd::~CRulerWnd() = default;

BOOL CRulerWnd::IsPaletteDisplay()
{
    COwnedDC ic = CreateDisplayIC();
    if (!ic)
        throw CMemoryException();
    return (GetDeviceCaps(ic, RASTERCAPS) & RC_PALETTE) != 0;
}

LRESULT CRulerWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_NCCREATE:
        EnableNonClientScaling(m_hWnd);
        return Default(msg, wParam, lParam);
    case kMsgDpiChanged:
        if (const int dpi = DpiFromChangeMessage(std::uint32_t(wParam))) {
            OnDpiChanged(dpi, reinterpret_cast<const RECT*>(lParam));
            return 0;
        }
        return Default(msg, wParam, lParam);
    case WM_CREATE:
        if (Default(msg, wParam, lParam) == -1)
            return -1;
        return OnCreate();
    case WM_DESTROY:
        OnDestroy();
        return Default(msg, wParam, lParam);
    case WM_ENDSESSION:
        OnEndSession(wParam != FALSE);
        return Default(msg, wParam, lParam);
    case WM_DISPLAYCHANGE:
    case WM_SETTINGCHANGE:
        GetVirtualScreenRect(&m_rcVirtualScreen);
        m_monitors = EnumMonitors();
        return Default(msg, wParam, lParam);
    case WM_GETMINMAXINFO:
        OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    case WM_WINDOWPOSCHANGED:
        Default(msg, wParam, lParam);
        OnWindowPosChanged(reinterpret_cast<const WINDOWPOS*>(lParam));
        return 0;
    case WM_ERASEBKGND:
        return OnEraseBkgnd(reinterpret_cast<HDC>(wParam));
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_PRINTCLIENT:
        OnEraseBkgnd(reinterpret_cast<HDC>(wParam));
        PaintTo(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_SETTEXT:
        return OnSetText(wParam, lParam);
    case WM_TIMER:
        OnPollTimer();
        return Default(msg, wParam, lParam);
    case WM_INPUT:
        OnRawInput();
        return Default(msg, wParam, lParam);
    case WM_LBUTTONDOWN:
        OnLButtonDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp();
        return 0;
    case WM_LBUTTONDBLCLK:
        RunCommand(ID_TOGGLE_SIZING_TOOL);
        return 0;
    case WM_KEYDOWN:
        Default(msg, wParam, lParam);
        OnKeyDown(UINT(wParam));
        return 0;
    case WM_SETCURSOR:
        if (OnSetCursor(LOWORD(lParam)))
            return TRUE;
        return Default(msg, wParam, lParam);
    case WM_SYSCOMMAND:
        return OnSysCommand(wParam, lParam);
    case WM_ACTIVATE:
        Default(msg, wParam, lParam);
        OnActivate(wParam, lParam);
        if (LOWORD(wParam) == WA_INACTIVE)
            PostMessageA(m_hWnd, kMsgKeepKeyboard, FALSE, 0);
        return 0;
    case kMsgKeepKeyboard:
        OnKeepKeyboard(wParam != FALSE, DWORD(lParam));
        return 0;
    case WM_HOTKEY:
        return OnHotKey(wParam);
    case WM_TRAY_NOTIFY:
        return OnTrayNotify(wParam, lParam);
    case WM_CONTEXTMENU:
        OnContextMenu(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_COMMAND:
        if (lParam == 0 && OnMenuOrAcceleratorCommand(LOWORD(wParam)))
            return 0;
        return Default(msg, wParam, lParam);
    case WM_INITMENUPOPUP:
        Default(msg, wParam, lParam);
        OnInitMenuPopup(reinterpret_cast<HMENU>(wParam), HIWORD(lParam) != 0);
        return 0;
    case kMsgAddIcons:
        SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, LPARAM(LoadCachedIcon(IDR_MAINFRAME)));
        SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL,
                     LPARAM(LoadCachedIconOfSize(IDR_MAINFRAME, SystemMetricForDpi(SM_CXSMICON, m_nSizesDpi))));
        AddTrayIcon();
        return 0;
    default:
        // A new task bar knows nothing of the icon the old one showed.
        if (msg == TaskbarCreatedMessage() && msg != 0) {
            m_trayIcon.RestoreTrayIcon();
            return 0;
        }
        return Default(msg, wParam, lParam);
    }
}

int CRulerWnd::OnCreate()
{
    HINSTANCE inst = GetModuleHandleA(nullptr);
    // The icons are set once the ruler is on the screen and the message loop runs: until
    // then the class icon stands for the window's own, and the shell takes its time over a
    // new tray icon (a call into another process).
    PostMessageA(m_hWnd, kMsgAddIcons, 0, 0);
    if (!m_hAccel)
        m_hAccel = LoadAcceleratorsA(inst, MAKEINTRESOURCEA(IDR_MAINFRAME));
    ModifyRulerStyle(0, GetStyle(), TRUE);
    m_settings.m_bChanged = 1;
    m_bCreated = true;
    return 0;
}

void CRulerWnd::OnDestroy()
{
    StopPoll();
    CapturePlacement(m_settings, m_hWnd);
    m_trayIcon.RemoveTrayIcon();
}

void CRulerWnd::AddTrayIcon()
{
    std::string tip;
    try {
        tip = CVersionInfo().GetTrayTip();
    } catch (...) {
        // No version resource: the tip comes from the string table.
    }
    m_trayIcon.AddTrayIcon(m_hWnd, IDR_MAINFRAME, WM_TRAY_NOTIFY, tip.empty() ? nullptr : tip.c_str());
}

UINT CRulerWnd::TaskbarCreatedMessage()
{
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

void CRulerWnd::OnEndSession(bool ending)
{
    if (!ending) {
        // Another program cancelled the end: the ruler goes on, and so do its hot keys.
        m_settings.m_bChanged = 1;
        return;
    }
    // A scale the user is still previewing was never confirmed: it is not saved.
    if (g_pCustomScaleDlg)
        g_pCustomScaleDlg->TakeBackPreview();
    CapturePlacement(m_settings, m_hWnd);
    m_settings.PreSave();
    if (m_settings.IsChanged())
        m_settings.Save();
    HWND main = GetMainWindowHandle();
    UnregisterHotKey(main ? main : m_hWnd, HOTKEY_GET_SIZE);
    UnregisterHotKey(main ? main : m_hWnd, HOTKEY_SET_SIZE);
}

void CRulerWnd::OnGetMinMaxInfo(MINMAXINFO* info)
{
    RECT screen{};
    GetVirtualScreenRect(&screen);
    const WindowTrackLimits limits = RulerTrackLimits(FromRECT(screen));
    info->ptMinTrackSize = POINT{limits.minTrack.cx, limits.minTrack.cy};
    info->ptMaxSize = POINT{limits.maxSize.cx, limits.maxSize.cy};
    info->ptMaxTrackSize = POINT{limits.maxTrack.cx, limits.maxTrack.cy};
}

void CRulerWnd::OnWindowPosChanged(const WINDOWPOS* pos)
{
    if (pos->flags & SWP_HIDEWINDOW)
        m_keyboardKeeper.RulerHidden();
    UpdatePollTimer();
    if (GetStyle() & RS_MAGNIFIER) {
        if (!(pos->flags & SWP_NOSIZE))
            UpdateWindow(m_hWnd);
        DrawMagnifier(nullptr, TRUE, FALSE);
    }
}

void CRulerWnd::PostNcDestroy()
{
    if (!m_bCreated)
        return;
    // The ruler owns itself; when it is the main window its end is the program's end.
    if (GetMainWindow() == this) {
        SetMainWindow(nullptr);
        PostQuitMessage(0);
    }
    delete this;
}
