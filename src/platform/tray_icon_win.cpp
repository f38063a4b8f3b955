#include "platform/tray_icon_win.h"

#include "platform/icon_cache_win.h"
#include "platform/screen_win.h"
#include "platform/shell_api_win.h"
#include "platform/tray_rules.h"
#include "win/handles.h"

#include <cstring>

static_assert(kNifMessage == NIF_MESSAGE && kNifIcon == NIF_ICON && kNifTip == NIF_TIP, "shell flags");
static_assert(kWmLButtonUp == WM_LBUTTONUP && kWmLButtonDblClk == WM_LBUTTONDBLCLK && kWmRButtonUp == WM_RBUTTONUP,
              "mouse messages");
static_assert(sizeof(NOTIFYICONDATAA{}.szTip) == kTrayTipSize, "tip room");

namespace {

bool IsLeadByte(unsigned char b)
{
    return IsDBCSLeadByte(b) != FALSE;
}

bool TaskBarExists()
{
    return FindWindowA("Shell_TrayWnd", nullptr) != nullptr;
}

} // namespace

CTrayIcon::CTrayIcon()
{
    std::memset(&m_nid, 0, sizeof m_nid);
    // The Windows 2000 layout: every shell since understands it.
    m_nid.cbSize = NOTIFYICONDATAA_V2_SIZE;
    m_nid.uID = 1000;
}

CTrayIcon::~CTrayIcon()
{
    RemoveTrayIcon();
}

bool CTrayIcon::AddTrayIcon(HWND owner, UINT iconId, UINT callbackMessage, const char* tip)
{
    m_nid.hWnd = owner;
    m_nid.uID = iconId;
    m_nid.uCallbackMessage = callbackMessage;
    m_nid.uFlags |= NIF_MESSAGE;

    HICON icon = LoadCachedSmallIcon(iconId);
    if (!icon)
        icon = LoadCachedIcon(iconId);
    if (!icon) {
        char path[MAX_PATH] = "";
        if (GetModuleFileNameA(nullptr, path, sizeof path) > 0)
            icon = ShellExtractIcon(GetModuleHandleA(nullptr), path, 0);
    }
    m_nid.hIcon = icon;
    if (icon)
        m_nid.uFlags |= NIF_ICON;

    if (tip) {
        CutTrayTip(m_nid.szTip, tip, &IsLeadByte);
        m_nid.uFlags |= NIF_TIP;
    } else if (LoadStringA(GetModuleHandleA(nullptr), iconId, m_nid.szTip, sizeof m_nid.szTip) > 0) {
        m_nid.uFlags |= NIF_TIP;
    }

    if (m_bTrayIcon)
        return true;
    char tipCopy[128];
    std::memcpy(tipCopy, m_nid.szTip, sizeof tipCopy);
    return UpdateTrayIcon(m_nid.uFlags, m_nid.hIcon, tipCopy);
}

bool CTrayIcon::UpdateTrayIcon(UINT flags, HICON icon, const char* tip)
{
    char cut[kTrayTipSize] = "";
    if ((flags & NIF_TIP) && tip)
        CutTrayTip(cut, tip, &IsLeadByte);
    const TrayUpdate u = PlanTrayUpdate(flags, m_nid.uFlags, m_bTrayIcon != 0, icon == m_nid.hIcon, tip != nullptr,
                                        std::strcmp(cut, m_nid.szTip) == 0);
    if (u.storeIcon)
        m_nid.hIcon = icon;
    if (u.storeTip)
        std::memcpy(m_nid.szTip, cut, sizeof cut);
    m_nid.uFlags = u.pending;
    if (!u.send)
        return true;
    if (!m_bTrayIcon && !TaskBarExists()) {
        m_nid.uFlags = 0;
        return false;
    }
    const BOOL ok = ShellNotifyIcon(m_bTrayIcon ? NIM_MODIFY : NIM_ADD, &m_nid);
    if (ok && !m_bTrayIcon)
        m_bTrayIcon = 1;
    m_nid.uFlags = 0;
    return ok != FALSE;
}

void CTrayIcon::RemoveTrayIcon()
{
    if (!m_bTrayIcon)
        return;
    ShellNotifyIcon(NIM_DELETE, &m_nid);
    m_bTrayIcon = 0;
}

bool CTrayIcon::RestoreTrayIcon()
{
    if (!m_nid.hWnd || !IsWindow(m_nid.hWnd))
        return false;
    // A restarted task bar knows nothing of the icon: it is added again.
    m_bTrayIcon = 0;
    m_nid.uFlags = NIF_MESSAGE;
    char tip[128];
    std::memcpy(tip, m_nid.szTip, sizeof tip);
    if (UpdateTrayIcon((m_nid.hIcon ? NIF_ICON : 0) | (tip[0] ? NIF_TIP : 0), m_nid.hIcon, tip))
        return true;
    // Any program may announce a task bar: where the shell still shows the icon, the add is
    // refused as a duplicate, and the icon is still there to be removed at the end. The
    // shell knows the icon when it takes a change that changes nothing.
    if (ShellNotifyIcon(NIM_MODIFY, &m_nid))
        m_bTrayIcon = 1;
    return m_bTrayIcon != 0;
}

LRESULT CTrayIcon::OnTrayNotification(WPARAM iconId, LPARAM mouseMessage)
{
    const TrayClick click =
        TrayClickAction(UINT(iconId), m_nid.uID, UINT(mouseMessage), IsWindowEnabled(m_nid.hWnd) != FALSE);
    if (click == TrayClick::kNone)
        return 0;
    if (click == TrayClick::kActivate) {
        ActivateWindow(m_nid.hWnd);
        return 1;
    }
    if (click == TrayClick::kFrontPopup) {
        // The window that disabled the owner: the one it last activated (a nested message
        // box over a dialog comes first). Disabled by anything else, nothing comes forward.
        HWND popup = GetLastActivePopup(m_nid.hWnd);
        if (popup && popup != m_nid.hWnd)
            ActivateWindow(popup);
        return 1;
    }
    CMenuHandle menu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nMenuId ? m_nMenuId : m_nid.uID)));
    HMENU popup = menu ? GetSubMenu(menu, 0) : nullptr;
    if (!popup)
        return 0;
    if (click == TrayClick::kMenu) {
        SetMenuDefaultItem(popup, 0, TRUE);
        POINT pt{};
        GetCursorPos(&pt);
        SetForegroundWindow(m_nid.hWnd);
        TrackPopupMenu(popup, TPM_LEFTBUTTON, pt.x, pt.y, 0, m_nid.hWnd, nullptr);
    } else {
        SendMessageA(m_nid.hWnd, WM_COMMAND, GetMenuItemID(popup, 0), 0);
    }
    return 1;
}
