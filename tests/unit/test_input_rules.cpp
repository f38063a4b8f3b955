#include "ruler/input_rules.h"

#include "resource.h"

#include <gtest/gtest.h>
#include <string>

namespace {
int g_shiftAsked = 0;
bool ShiftDown() { return ++g_shiftAsked, true; }
bool ShiftUp() { return ++g_shiftAsked, false; }
} // namespace

TEST(InputRules, RoutingOfKeysAndMenus)
{
    const struct {
        std::uint32_t message, key;
        bool (*shift)();
        KeyRoute route;
        int asked;
    } cases[] = {
        {kWmKeyDown, kVkF10, ShiftDown, KeyRoute::kContextMenu, 1},
        {kWmSysKeyDown, kVkF10, ShiftDown, KeyRoute::kContextMenu, 1},
        {kWmSysKeyDown, kVkF10, ShiftUp, KeyRoute::kAccelerator, 1},
        {kWmKeyDown, 'G', ShiftDown, KeyRoute::kAccelerator, 0},
        {0x0101 /* key up */, kVkF10, ShiftDown, KeyRoute::kAccelerator, 0},
        {kWmKeyLast, 0, ShiftDown, KeyRoute::kAccelerator, 0},
        {kWmKeyLast + 1, 0, ShiftDown, KeyRoute::kDefault, 0},
        {kWmKeyDown - 1, 0, ShiftDown, KeyRoute::kDefault, 0},
        {kWmContextMenu, 0, ShiftUp, KeyRoute::kContextMenu, 0},
        {0x0113 /* timer */, kVkF10, ShiftDown, KeyRoute::kDefault, 0},
    };
    for (const auto& c : cases) {
        g_shiftAsked = 0;
        EXPECT_EQ(RouteRulerMessage(c.message, c.key, c.shift), c.route) << std::hex << c.message << " " << c.key;
        EXPECT_EQ(g_shiftAsked, c.asked) << std::hex << c.message << " " << c.key;
    }
}

TEST(InputRules, SystemCommandsAndLabels)
{
    struct { std::uint32_t sc; int id; } commands[] = {
        {0x10, ID_APP_ABOUT}, {0x1F, ID_APP_ABOUT}, {0x20, ID_HELP}, {0x30, 0}, {0xF060 /* close */, 0}, {0, 0},
    };
    for (const auto& c : commands)
        EXPECT_EQ(SysCommandTarget(c.sc), c.id) << std::hex << c.sc;

    char text[32];
    FormatPercentLabel(text, sizeof text, "Zoom", 250);
    EXPECT_EQ(std::string(text), "Zoom (250%)");
    FormatPercentLabel(text, 8, "Zoom", 250);
    EXPECT_EQ(std::string(text), "Zoom (2");
}
