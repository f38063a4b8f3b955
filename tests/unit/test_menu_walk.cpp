#include "platform/menu_walk.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace {

// A popup as a list of command ids; a submenu item carries its submenu's first id beside it.
class CFakeMenu final : public CMenuItems {
public:
    struct Item {
        std::uint32_t id;
        std::uint32_t subFirst = 0;
    };
    std::vector<Item> items;
    bool gone = false;
    std::vector<std::uint32_t> asked;
    // What the rule of a command does to the menu (nothing when absent).
    std::map<std::uint32_t, std::function<void(CFakeMenu&)>> rules;

    int Count() override { return gone ? -1 : int(items.size()); }
    std::uint32_t ItemId(int index) override { return items.at(std::size_t(index)).id; }
    bool SubMenuFirstId(int index, std::uint32_t& id) override
    {
        id = items.at(std::size_t(index)).subFirst;
        return true;
    }
    void Update(int, std::uint32_t id, bool) override
    {
        asked.push_back(id);
        const auto rule = rules.find(id);
        if (rule != rules.end())
            rule->second(*this);
    }
    void Remove(std::uint32_t id)
    {
        for (auto it = items.begin(); it != items.end(); ++it)
            if (it->id == id) {
                items.erase(it);
                return;
            }
    }
};

constexpr std::uint32_t kSub = kSubMenuItemId;

} // namespace

TEST(MenuWalk, AsksEachCommandOnceWhenRulesRemoveTheirOwnOrEarlierItems)
{
    using Rule = std::function<void(CFakeMenu&)>;
    const struct {
        const char* what;
        std::map<std::uint32_t, Rule> rules;
        std::vector<std::uint32_t> asked;
        int count;
    } cases[] = {
        {"no removals", {}, {100, 200, 300, 400, 500}, 6},
        {"a rule removes its own item", {{300, [](CFakeMenu& m) { m.Remove(300); }}}, {100, 200, 300, 400, 500}, 5},
        {"a rule removes items before its own",
         {{300, [](CFakeMenu& m) { m.Remove(100); m.Remove(0); }}}, {100, 200, 300, 400, 500}, 4},
        {"a rule removes everything before and itself",
         {{400, [](CFakeMenu& m) { m.items.erase(m.items.begin(), m.items.begin() + 5); }}},
         {100, 200, 300, 400, 500}, 1},
        {"the menu goes", {{100, [](CFakeMenu& m) { m.gone = true; }}}, {100}, 0},
    };
    for (const auto& c : cases) {
        CFakeMenu m;
        // 100, a separator, a submenu whose first command is 200, then 300, 400 and 500.
        m.items = {{100}, {0}, {kSub, 200}, {300}, {400}, {500}};
        m.rules = c.rules;
        EXPECT_EQ(WalkMenuCommands(m), c.count) << c.what;
        EXPECT_EQ(m.asked, c.asked) << c.what;
    }
}

TEST(MenuWalk, SubmenusAnswerForTheirFirstCommandOnly)
{
    CFakeMenu m;
    m.items = {{kSub, 0}, {kSub, kSub}, {kSub, 700}, {0}, {800}};
    EXPECT_EQ(WalkMenuCommands(m), 5);
    EXPECT_EQ(m.asked, (std::vector<std::uint32_t>{700, 800}));
}
