#include "win/cmd_ui.h"

void CCmdUI::Enable(bool on)
{
    m_bEnabled = on;
    if (!m_hMenu || m_hSubMenu)
        return;
    EnableMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (on ? MF_ENABLED : MF_DISABLED | MF_GRAYED));
}

void CCmdUI::SetCheck(int check)
{
    if (!m_hMenu || m_hSubMenu)
        return;
    CheckMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (check ? MF_CHECKED : MF_UNCHECKED));
}

void CCmdUI::SetRadio(bool on)
{
    if (!m_hMenu || m_hSubMenu)
        return;
    MENUITEMINFOA mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_FTYPE;
    if (GetMenuItemInfoA(m_hMenu, m_nIndex, TRUE, &mii)) {
        mii.fType |= MFT_RADIOCHECK;
        SetMenuItemInfoA(m_hMenu, m_nIndex, TRUE, &mii);
    }
    SetCheck(on ? 1 : 0);
}

void CCmdUI::SetText(const char* text)
{
    if (!m_hMenu || m_hSubMenu || !text)
        return;
    // MIIM_STRING alone keeps the item's state and id.
    MENUITEMINFOA mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_STRING;
    mii.dwTypeData = const_cast<char*>(text);
    SetMenuItemInfoA(m_hMenu, m_nIndex, TRUE, &mii);
}
