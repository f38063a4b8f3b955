// The walk over a popup menu's items that asks each command's update rule before the menu
// opens, on a menu seen through a small interface (the Win32 side lays it over an HMENU).
#pragma once

#include <cstdint>

// GetMenuItemID of an item that opens a submenu.
constexpr std::uint32_t kSubMenuItemId = 0xFFFFFFFF;

class CMenuItems {
public:
    // The number of items; negative when the menu is gone.
    virtual int Count() = 0;
    // The command of item `index`: 0 for a separator, kSubMenuItemId for a submenu.
    virtual std::uint32_t ItemId(int index) = 0;
    // The command of the first item of item `index`'s submenu; false when it has none.
    virtual bool SubMenuFirstId(int index, std::uint32_t& id) = 0;
    // Runs the update rule of `id` on item `index` (a submenu item: on its submenu, which a
    // rule leaves as it is). A rule may remove items, its own among them.
    virtual void Update(int index, std::uint32_t id, bool subMenu) = 0;

protected:
    ~CMenuItems() = default;
};

// Asks the rule of every command once, in item order: a submenu item under its submenu's
// first command (skipped when that is a separator or another submenu), separators never.
// After a rule removed items the walk steps back by as many and passes over the items that
// still carry the same command. Returns the item count afterwards (0 when the menu went).
int WalkMenuCommands(CMenuItems& menu);
