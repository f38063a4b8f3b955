#include "platform/menu_walk.h"

int WalkMenuCommands(CMenuItems& menu)
{
    int count = menu.Count();
    for (int index = 0; index < count; ++index) {
        std::uint32_t id = menu.ItemId(index);
        if (id == 0)
            continue;
        const bool sub = id == kSubMenuItemId;
        if (sub && (!menu.SubMenuFirstId(index, id) || id == 0 || id == kSubMenuItemId))
            continue;
        menu.Update(index, id, sub);
        const int now = menu.Count();
        if (now < 0)
            return 0;
        if (now < count) {
            index -= count - now;
            if (index < -1)
                index = -1;
            while (index + 1 < now && menu.ItemId(index + 1) == id)
                ++index;
        }
        count = now;
    }
    return count;
}
