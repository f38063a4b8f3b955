#include "platform/menu_states_win.h"

#include "platform/menu_walk.h"
#include "win/cmd_ui.h"

namespace {

class CPopupItems final : public CMenuItems {
public:
    CPopupItems(HMENU popup, CCmdUITarget* owner) : m_hPopup(popup), m_pOwner(owner) {}

    int Count() override { return GetMenuItemCount(m_hPopup); }
    std::uint32_t ItemId(int index) override { return GetMenuItemID(m_hPopup, index); }
    bool SubMenuFirstId(int index, std::uint32_t& id) override
    {
        HMENU sub = GetSubMenu(m_hPopup, index);
        if (!sub)
            return false;
        id = GetMenuItemID(sub, 0);
        return true;
    }
    void Update(int index, std::uint32_t id, bool subMenu) override
    {
        if (!m_pOwner)
            return;
        CCmdUI ui(m_hPopup, UINT(index), UINT(id), subMenu ? GetSubMenu(m_hPopup, index) : nullptr);
        m_pOwner->OnUpdateCommandUI(ui);
    }

private:
    HMENU m_hPopup;
    CCmdUITarget* m_pOwner;
};

} // namespace

int UpdateMenuCommandStates(bool isSystemMenu, HMENU popup, CCmdUITarget* owner)
{
    if (isSystemMenu || !popup)
        return 0;
    CPopupItems items(popup, owner);
    return WalkMenuCommands(items);
}
