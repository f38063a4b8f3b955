// The notification-area icon: the way back to a ruler that is hidden and has no task bar
// button. The ruler window owns one, adds it when it is created and removes it when it goes.
#pragma once

#include <windows.h>
#include <shellapi.h>

class CTrayIcon {
public:
    CTrayIcon();
    virtual ~CTrayIcon();
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;

    // Adds the icon for `owner` with `iconId` (icon, menu and string resource) and the
    // callback message; the tip is cut to 127 characters (null: string resource iconId).
    // False when there is no task bar or the shell refused.
    bool AddTrayIcon(HWND owner, UINT iconId, UINT callbackMessage, const char* tip);
    // Sends the pending changes (NIF_*) to the shell.
    bool UpdateTrayIcon(UINT flags, HICON icon, const char* tip);
    // Removes the icon when it is there; safe to call any number of times.
    void RemoveTrayIcon();
    // A task bar announced itself (TaskbarCreated): a restarted one has forgotten the icon,
    // which is added again with what it was added with before; after an announcement that
    // was no restart the shell still shows it and it stays ours to remove. False when there
    // is no icon afterwards.
    bool RestoreTrayIcon();
    // Clicks and menus for the icon: non-zero when handled.
    virtual LRESULT OnTrayNotification(WPARAM iconId, LPARAM mouseMessage);

    bool IsAdded() const { return m_bTrayIcon != 0; }
    const NOTIFYICONDATAA& Data() const { return m_nid; }

    int m_bTrayIcon = 0;
    NOTIFYICONDATAA m_nid;
    int m_nMenuId = 0;
};
