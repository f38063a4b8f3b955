#include "resource.h"
#include "ruler/input_rules.h"

#include <gtest/gtest.h>

namespace {
int g_asked = 0;
bool ShiftUp()
{
    ++g_asked;
    return false;
}
bool ShiftDown()
{
    ++g_asked;
    return true;
}
} // namespace

TEST(InputRules, KeyboardRoutingInItsOrder)
{
    constexpr std::uint32_t kWmChar = 0x0102, kWmMouseMove = 0x0200, kVkA = 0x41;
    const struct {
        std::uint32_t message, key;
        bool shift;
        KeyRoute want;
    } cases[] = {
        {kWmKeyDown, kVkF10, true, KeyRoute::kContextMenu},
        {kWmSysKeyDown, kVkF10, true, KeyRoute::kContextMenu},  // F10 arrives as a system key
        {kWmKeyDown, kVkF10, false, KeyRoute::kAccelerator},
        {kWmKeyDown, kVkA, true, KeyRoute::kAccelerator},
        {kWmChar, kVkF10, true, KeyRoute::kAccelerator},
        {kWmKeyLast, 0, false, KeyRoute::kAccelerator},
        {kWmContextMenu, 0, false, KeyRoute::kContextMenu},
        {kWmMouseMove, kVkF10, true, KeyRoute::kDefault},
        {kWmKeyLast + 1, 0, false, KeyRoute::kDefault},
    };
    for (const auto& c : cases) {
        g_asked = 0;
        EXPECT_EQ(RouteRulerMessage(c.message, c.key, c.shift ? &ShiftDown : &ShiftUp), c.want)
            << std::hex << c.message << " " << c.key;
        // The keyboard state is asked for an F10 press only.
        const bool f10Press = (c.message == kWmKeyDown || c.message == kWmSysKeyDown) && c.key == kVkF10;
        EXPECT_EQ(g_asked, f10Press ? 1 : 0) << std::hex << c.message << " " << c.key;
    }
}

TEST(InputRules, SystemCommandsAndTheMenuLabel)
{
    EXPECT_EQ(SysCommandTarget(0x10), ID_APP_ABOUT);
    EXPECT_EQ(SysCommandTarget(0x1F), ID_APP_ABOUT);  // the low four bits do not count
    EXPECT_EQ(SysCommandTarget(0x20), ID_HELP);
    EXPECT_EQ(SysCommandTarget(0xF060), 0);          // SC_CLOSE: default processing
    char text[16];
    FormatPercentLabel(text, sizeof text, "Ruler &Scale", 250);
    EXPECT_STREQ(text, "Ruler &Scale (2");       // cut to the buffer
    char wide[64];
    FormatPercentLabel(wide, sizeof wide, "&Magnifier", 400);
    EXPECT_STREQ(wide, "&Magnifier (400%)");
}
