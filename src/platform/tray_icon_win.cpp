#include "platform/tray_icon_win.h"

#include "platform/icon_cache_win.h"
#include "platform/screen_win.h"
#include "win/handles.h"

#include <cstring>

namespace {

// The tip's room in the icon record, less its terminator.
constexpr std::size_t kTipChars = 127;

// Copies at most 127 bytes of `tip`, never half of a double-byte character, and terminates.
void CopyTip(char (&dst)[128], const char* tip)
{
    std::size_t n = 0;
    while (tip[n] && n < kTipChars) {
        const std::size_t step = IsDBCSLeadByte(BYTE(tip[n])) && tip[n + 1] ? 2 : 1;
        if (n + step > kTipChars)
            break;
        n += step;
    }
    std::memcpy(dst, tip, n);
    dst[n] = '\0';
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
            icon = ExtractIconA(GetModuleHandleA(nullptr), path, 0);
    }
    m_nid.hIcon = icon;
    if (icon)
        m_nid.uFlags |= NIF_ICON;

    if (tip) {
        CopyTip(m_nid.szTip, tip);
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
    if (flags == 0)
        return true;
    if (!m_bTrayIcon && !(m_nid.uFlags & NIF_MESSAGE))
        return true;
    if (flags & NIF_ICON) {
        if (m_bTrayIcon && icon == m_nid.hIcon) {
            m_nid.uFlags &= ~UINT(NIF_ICON);
        } else {
            m_nid.hIcon = icon;
            m_nid.uFlags |= NIF_ICON;
        }
    }
    if ((flags & NIF_TIP) && tip) {
        char cut[128];
        CopyTip(cut, tip);
        if (!m_bTrayIcon || std::strcmp(cut, m_nid.szTip) != 0) {
            std::memcpy(m_nid.szTip, cut, sizeof cut);
            m_nid.uFlags |= NIF_TIP;
        } else {
            m_nid.uFlags &= ~UINT(NIF_TIP);
        }
    }
    if (m_nid.uFlags == 0)
        return true;
    if (!m_bTrayIcon && !TaskBarExists()) {
        m_nid.uFlags = 0;
        return false;
    }
    const BOOL ok = Shell_NotifyIconA(m_bTrayIcon ? NIM_MODIFY : NIM_ADD, &m_nid);
    if (ok && !m_bTrayIcon)
        m_bTrayIcon = 1;
    m_nid.uFlags = 0;
    return ok != FALSE;
}

void CTrayIcon::RemoveTrayIcon()
{
    if (!m_bTrayIcon)
        return;
    Shell_NotifyIconA(NIM_DELETE, &m_nid);
    m_bTrayIcon = 0;
}

bool CTrayIcon::RestoreTrayIcon()
{
    if (!m_nid.hWnd || !IsWindow(m_nid.hWnd))
        return false;
    // Whatever the old task bar held went with it.
    m_bTrayIcon = 0;
    m_nid.uFlags = NIF_MESSAGE;
    char tip[128];
    std::memcpy(tip, m_nid.szTip, sizeof tip);
    return UpdateTrayIcon((m_nid.hIcon ? NIF_ICON : 0) | (tip[0] ? NIF_TIP : 0), m_nid.hIcon, tip);
}

LRESULT CTrayIcon::OnTrayNotification(WPARAM iconId, LPARAM mouseMessage)
{
    if (UINT(iconId) != m_nid.uID)
        return 0;
    const UINT msg = UINT(mouseMessage);
    if (msg == WM_LBUTTONUP) {
        ActivateWindow(m_nid.hWnd);
        return 1;
    }
    if (msg != WM_LBUTTONDBLCLK && msg != WM_RBUTTONUP)
        return 0;
    CMenuHandle menu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nMenuId ? m_nMenuId : m_nid.uID)));
    HMENU popup = menu ? GetSubMenu(menu, 0) : nullptr;
    if (!popup)
        return 0;
    if (msg == WM_RBUTTONUP) {
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
