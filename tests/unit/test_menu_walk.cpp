#include "platform/menu_walk.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

// A popup as command ids; a submenu item carries its submenu's first command beside it. The
// rule of command `removing` erases items [from, to) of the popup.
struct CFakeMenu final : CMenuItems {
    std::vector<std::pair<std::uint32_t, std::uint32_t>> items;
    std::uint32_t removing = 0;
    int from = 0, to = 0;
    std::vector<std::uint32_t> asked;

    int Count() override { return int(items.size()); }
    std::uint32_t ItemId(int i) override { return items.at(std::size_t(i)).first; }
    bool SubMenuFirstId(int i, std::uint32_t& id) override { return (id = items.at(std::size_t(i)).second), true; }
    void Update(int, std::uint32_t id, bool) override
    {
        asked.push_back(id);
        if (id == removing)
            items.erase(items.begin() + from, items.begin() + to);
    }
};

} // namespace

TEST(MenuWalk, AsksEachCommandOnceWhenARuleRemovesItsOwnOrEarlierItems)
{
    const std::uint32_t sub = kSubMenuItemId;
    const struct {
        std::uint32_t removing;
        int from, to, count;
    } cases[] = {{0, 0, 0, 7}, {300, 4, 5, 6}, {300, 0, 2, 5}, {400, 0, 6, 1}, {500, 6, 7, 6}};
    for (const auto& c : cases) {
        CFakeMenu m;
        // 100, a separator, a submenu asked as 200, one starting with a separator, 300, 400, 500
        m.items = {{100, 0}, {0, 0}, {sub, 200}, {sub, 0}, {300, 0}, {400, 0}, {500, 0}};
        m.removing = c.removing;
        m.from = c.from;
        m.to = c.to;
        EXPECT_EQ(WalkMenuCommands(m), c.count) << c.removing;
        EXPECT_EQ(m.asked, (std::vector<std::uint32_t>{100, 200, 300, 400, 500})) << c.removing;
    }
    // Without a removal every item is asked, a command that comes twice too.
    CFakeMenu twice;
    twice.items = {{100, 0}, {100, 0}, {200, 0}};
    EXPECT_EQ(WalkMenuCommands(twice), 3);
    EXPECT_EQ(twice.asked, (std::vector<std::uint32_t>{100, 100, 200}));
}
