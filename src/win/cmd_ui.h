// The item-update object handed to a command's update rule: enable, check, radio mark and
// text of one menu item. A rule that finds a submenu item (m_hSubMenu set) changes nothing:
// popups are never changed indirectly. Without a menu it only records whether the rule
// enabled the command: that is the test a key or a menu choice passes before it runs.
#pragma once

#include <windows.h>

class CCmdUI {
public:
    CCmdUI(HMENU menu, UINT index, UINT id, HMENU subMenu = nullptr)
        : m_hMenu(menu), m_hSubMenu(subMenu), m_nIndex(index), m_nID(id)
    {
    }
    // The enable test of command `id`, with no menu item behind it.
    explicit CCmdUI(UINT id) : CCmdUI(nullptr, 0, id) {}

    void Enable(bool on = true);
    // 0 unchecked, 1 checked, 2 indeterminate (shown as checked in a menu).
    void SetCheck(int check = 1);
    // A round mark instead of the tick.
    void SetRadio(bool on = true);
    void SetText(const char* text);

    HMENU m_hMenu;
    HMENU m_hSubMenu;
    UINT m_nIndex;
    UINT m_nID;
    // What the last Enable said (a command no rule disabled is enabled).
    bool m_bEnabled = true;
};

// What owns update rules (the ruler window): applies the rule of ui.m_nID and returns true,
// or returns false when the command has none.
class CCmdUITarget {
public:
    virtual bool OnUpdateCommandUI(CCmdUI& ui) = 0;

protected:
    ~CCmdUITarget() = default;
};

// What handles commands: with `update` null it runs command `id`, otherwise it applies the
// command's update rule to `update`. Returns false when it does not know the command, so
// that the next target in the routing is asked.
class CCmdTarget {
public:
    virtual bool OnCmdMsg(UINT id, CCmdUI* update) = 0;

protected:
    ~CCmdTarget() = default;
};
