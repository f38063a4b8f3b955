#include "settings/ruler_settings.h"
#include "tools/hot_key_registration.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

constexpr std::uint16_t kF5 = 0x74, kF6 = 0x75, kF7 = 0x76;
constexpr std::uint32_t kRefused = 1409;

// Logs the calls ("R<id>:<vk>", "U<id>"), refuses the keys in `refuse`.
struct CFakeKeys final : CHotKeyRegistrar {
    std::set<std::uint16_t> refuse;
    std::set<int> registered;
    std::string log;

    std::uint32_t Register(int id, std::uint16_t, std::uint16_t vk) override
    {
        log += "R" + std::to_string(id) + ":" + std::to_string(vk) + " ";
        return refuse.count(vk) ? kRefused : (registered.insert(id), 0u);
    }
    bool Unregister(int id) override
    {
        log += "U" + std::to_string(id) + " ";
        return registered.erase(id) != 0;
    }
};

} // namespace

TEST(HotKeyRegistration, StartUpStopsAtTheFirstRefusal)
{
    const struct {
        int getEnabled;
        std::uint16_t setVk;
        std::set<std::uint16_t> refuse;
        const char* log;
    } cases[] = {
        {1, kF6, {}, "R1:116 R2:117 "}, {1, kF6, {kF5}, "R1:116 "}, {0, kF6, {}, "R2:117 "}, {1, 0, {}, "R1:116 "}};
    for (const auto& c : cases) {
        CRulerSettings s;
        s.m_bHKGet = c.getEnabled;
        s.m_bHKSet = 1;
        s.m_wHKVGet = kF5;
        s.m_wHKVSet = c.setVk;  // 0 with no modifiers: not defined
        CFakeKeys keys;
        keys.refuse = c.refuse;
        EXPECT_EQ(RegisterEnabledHotKeys(keys, s), c.refuse.empty() ? 0u : kRefused) << c.log;
        EXPECT_EQ(keys.log, c.log);
    }
}

TEST(HotKeyRegistration, AReplacementIsReleasedFirstAndARefusalRestored)
{
    CFakeKeys keys;
    keys.registered = {1};
    keys.refuse = {kF7};
    EXPECT_EQ(ReplaceHotKey(keys, 1, 2, kF5, 2, kF6), 0u);
    EXPECT_EQ(ReplaceHotKey(keys, 1, 2, kF6, 2, kF7), kRefused);
    EXPECT_EQ(keys.log, "U1 R1:117 U1 R1:118 R1:117 ");
    keys.registered.clear();
    keys.log.clear();
    EXPECT_EQ(ReplaceHotKey(keys, 2, 2, kF6, 2, kF7), kRefused);
    EXPECT_EQ(keys.log, "U2 R2:118 ");  // nothing was registered to restore
}
