#include "platform/menu_states_win.h"

#include "win/cmd_ui.h"

int UpdateMenuCommandStates(bool isSystemMenu, HMENU popup, CCmdUITarget* owner)
{
    if (isSystemMenu || !popup)
        return 0;
    int count = GetMenuItemCount(popup);
    for (int index = 0; index < count; ++index) {
        UINT id = GetMenuItemID(popup, index);
        if (id == 0)
            continue; // separator
        HMENU sub = nullptr;
        if (id == UINT(-1)) {
            // A submenu item answers for its first command; the item itself stays as it is.
            sub = GetSubMenu(popup, index);
            if (!sub)
                continue;
            id = GetMenuItemID(sub, 0);
            if (id == 0 || id == UINT(-1))
                continue;
        }
        if (owner) {
            CCmdUI ui(popup, UINT(index), id, sub);
            owner->OnUpdateCommandUI(ui);
        }
        // A rule may remove items (its own among them): step back by as many and pass over
        // what still carries this command.
        const int now = GetMenuItemCount(popup);
        if (now < 0)
            return 0;
        if (now < count) {
            index -= count - now;
            if (index < -1)
                index = -1;
            while (index + 1 < now && GetMenuItemID(popup, index + 1) == id)
                ++index;
        }
        count = now;
    }
    return count;
}
