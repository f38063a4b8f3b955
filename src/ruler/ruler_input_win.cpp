// Pointer and keyboard input of the ruler: dragging, the icon box, arrow keys, the cursor
// shape, accelerators and the context menu, system commands, hot keys and the tray icon.
#include "ruler/ruler_wnd.h"

#include "platform/tray_rules.h"
#include "settings/ruler_settings.h"
#include "resource.h"
#include "platform/screen_win.h"
#include "ruler/input_rules.h"
#include "ruler/window_moves.h"
#include "ruler/window_tree.h"
#include "tools/sizing_ops_win.h"
#include "win/convert.h"
#include "win/handles.h"


// The drag under way. Only one drag can run at a time: the mouse capture sees to that.
CWindowDrag g_drag;

static_assert(kVkLeft == VK_LEFT && kVkUp == VK_UP && kVkRight == VK_RIGHT && kVkDown == VK_DOWN && kVkF10 == VK_F10,
              "keys");
static_assert(kWmKeyDown == WM_KEYDOWN && kWmKeyDown == WM_KEYFIRST && kWmSysKeyDown == WM_SYSKEYDOWN &&
                  kWmKeyLast == WM_KEYLAST && kWmContextMenu == WM_CONTEXTMENU,
              "messages");

namespace {

// Menu positions of the two scale submenus, relabelled with their percentages.
constexpr UINT kRulerScaleItem = 7;
constexpr UINT kMagnifierScaleItem = 8;

HWND AsHwnd(WindowId w) { return reinterpret_cast<HWND>(w); }
WindowId AsId(HWND h) { return reinterpret_cast<WindowId>(h); }

// The desktop's windows as the input rules see them.
class CDesktop final : public IHotKeyDesktop {
public:
    WindowId ParentOf(WindowId w) const override { return AsId(GetParent(AsHwnd(w))); }
    bool IsChild(WindowId w) const override { return (GetWindowLongPtrA(AsHwnd(w), GWL_STYLE) & WS_CHILD) != 0; }
    bool WindowUnderPointer(WindowId* w) const override
    {
        POINT pt{};
        if (!GetCursorPos(&pt))
            return false;
        *w = AsId(WindowFromPoint(pt));
        return true;
    }
    WindowId Foreground() const override { return AsId(GetForegroundWindow()); }
    bool Exists(WindowId w) const override { return IsWindow(AsHwnd(w)) != FALSE; }
};

HWND TopmostParentOrOwner(HWND hWnd)
{
    return AsHwnd(::TopmostParentOrOwner(CDesktop(), AsId(hWnd)));
}

// Where the Get size and Set size hot keys (ids 1 and 2) reach the sizing tool; there is no
// highlight on this path.
void SizingToolHotKey(CRulerSettings& settings, WPARAM id, HWND target)
{
    if (id == HOTKEY_GET_SIZE)
        GetTargetSize(settings, target);
    else if (id == HOTKEY_SET_SIZE)
        SetTargetSize(settings, target);
}

// Appends " (n%)" to the text of a popup item, keeping its submenu.
void AppendPercent(HMENU popup, UINT position, int percent)
{
    char label[128];
    if (GetMenuStringA(popup, position, label, int(sizeof label), MF_BYPOSITION) <= 0)
        return;
    char text[160];
    FormatPercentLabel(text, sizeof text, label, percent);
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_TYPE;
    info.fType = MFT_STRING;
    info.dwTypeData = text;
    SetMenuItemInfoA(popup, position, TRUE, &info);
}

// Shift counts with any bit other than the toggle bit.
bool IsShiftDown()
{
    return (GetKeyState(VK_SHIFT) & ~1) != 0;
}

// The pointer's screen position; the window's own corner when the pointer cannot be read, so
// that a keyboard-opened menu still appears where the user is looking.
POINT PointerOr(HWND hWnd)
{
    POINT pt{};
    if (GetCursorPos(&pt))
        return pt;
    RECT rc{};
    GetWindowRect(hWnd, &rc);
    return POINT{rc.left, rc.top};
}

} // namespace

void CRulerWnd::OnLButtonDown(POINT client)
{
    if (GetCaptionStripRect(CSR_ICON).Contains(FromPOINT(client))) {
        RunCommand(ID_SHOW_HIDE);
        return;
    }
    POINT screen = client;
    ClientToScreen(m_hWnd, &screen);
    RECT rc{};
    GetWindowRect(TopmostParentOrOwner(m_hWnd), &rc);
    g_drag.Start(Point{int(rc.left), int(rc.top)}, FromPOINT(screen));
    SetCapture(m_hWnd);
}

void CRulerWnd::OnMouseMove(POINT client)
{
    // Dragging is exactly holding the capture; there is no flag to go stale.
    if (GetCapture() != m_hWnd)
        return;
    POINT screen = client;
    ClientToScreen(m_hWnd, &screen);
    const Point to = g_drag.TopLeftFor(FromPOINT(screen));
    SetWindowPos(TopmostParentOrOwner(m_hWnd), nullptr, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CRulerWnd::OnLButtonUp()
{
    if (GetCapture() == m_hWnd)
        ReleaseCapture();
}

void CRulerWnd::OnKeyDown(UINT key)
{
    // One pixel per key-down, auto-repeated ones included; any other key applies the
    // rectangle unchanged.
    RECT wr{};
    GetWindowRect(m_hWnd, &wr);
    const bool resize = GetAsyncKeyState(VK_SHIFT) < 0;
    MINMAXINFO limits{};
    if (resize)
        SendMessageA(m_hWnd, WM_GETMINMAXINFO, 0, LPARAM(&limits));
    const Size minimum{int(limits.ptMinTrackSize.x), int(limits.ptMinTrackSize.y)};
    const RECT rc = ToRECT(ApplyArrowKey(FromRECT(wr), ArrowKeyStep(key), resize, minimum));
    SetWindowPos(m_hWnd, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

bool CRulerWnd::OnSetCursor(UINT hitTest)
{
    // Elsewhere the default keeps the sizing cursors of the border.
    if (hitTest != HTCLIENT)
        return false;
    SetCursor(LoadCursor(nullptr, IDC_CROSS));
    return true;
}

bool CRulerWnd::PreTranslateMessage(MSG* msg)
{
    switch (RouteRulerMessage(msg->message, std::uint32_t(msg->wParam), &IsShiftDown)) {
    case KeyRoute::kContextMenu:
        ShowContextMenu(PointerOr(m_hWnd));
        return true;
    case KeyRoute::kAccelerator:
        if (m_hAccel && TranslateAcceleratorA(m_hWnd, m_hAccel, msg))
            return true;
        break;
    case KeyRoute::kDefault:
        break;
    }
    return CWindow::PreTranslateMessage(msg);
}

LRESULT CRulerWnd::OnSysCommand(WPARAM wParam, LPARAM lParam)
{
    if (const int id = SysCommandTarget(std::uint32_t(wParam))) {
        RunCommand(UINT(id));
        return 0;
    }
    return Default(WM_SYSCOMMAND, wParam, lParam);
}

void CRulerWnd::OnActivate(WPARAM, LPARAM)
{
    // The strip has an active and an inactive look.
    const RECT strip = ToRECT(GetCaptionStripRect(CSR_STRIP));
    InvalidateRect(m_hWnd, &strip, TRUE);
}

void CRulerWnd::OnKeepKeyboard(bool ended, DWORD at)
{
    if (ended)
        m_keyboardKeeper.CommandEnded(at);
    const HWND front = GetForegroundWindow();
    DWORD process = 0;
    if (front)
        GetWindowThreadProcessId(front, &process);
    const FrontWindow who = front == m_hWnd                          ? FrontWindow::kRuler
                            : !front || front == GetDesktopWindow()  ? FrontWindow::kNobody
                            : process == GetCurrentProcessId()       ? FrontWindow::kOwnWindow
                                                                     : FrontWindow::kOther;
    const bool canHaveKeyboard = IsWindowVisible(m_hWnd) && IsWindowEnabled(m_hWnd);
    if (m_keyboardKeeper.TakeBack(who, canHaveKeyboard, GetTickCount()))
        ActivateWindow(m_hWnd);
}

LRESULT CRulerWnd::OnHotKey(WPARAM id)
{
    if (HWND target = AsHwnd(SizingHotKeyTarget(CDesktop(), m_settings.m_nHKMode)))
        SizingToolHotKey(m_settings, id, target);
    return 0;
}

LRESULT CRulerWnd::OnTrayNotify(WPARAM id, LPARAM mouseMsg)
{
    // A double-click is the ruler's own Show/Hide. While a modal window of the ruler has it
    // disabled, every click only brings that window forward (the icon's own handling).
    const bool enabled = IsWindowEnabled(m_hWnd) != FALSE;
    if (TrayClickAction(UINT(id), m_trayIcon.Data().uID, UINT(mouseMsg), enabled) == TrayClick::kFirstCommand) {
        ShowOrHide();
        return 1;
    }
    return m_trayIcon.OnTrayNotification(id, mouseMsg);
}

void CRulerWnd::ShowContextMenu(POINT screenPoint)
{
    CMenuHandle menu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)));
    HMENU popup = menu ? GetSubMenu(menu, 0) : nullptr;
    if (!popup)
        return;
    AppendPercent(popup, kRulerScaleItem, m_settings.m_nScale);
    AppendPercent(popup, kMagnifierScaleItem, m_settings.m_nZoomFactor);
    // The owner receives the chosen command; a child ruler would hand it to its top level.
    HWND owner = AsHwnd(TopLevelOf(CDesktop(), AsId(m_hWnd)));
    TrackPopupMenu(popup, TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, 0, owner, nullptr);
}

void CRulerWnd::OnContextMenu(POINT screenPoint)
{
    if (IsKeyboardMenuPoint(FromPOINT(screenPoint)))
        screenPoint = PointerOr(m_hWnd);
    ShowContextMenu(screenPoint);
}
