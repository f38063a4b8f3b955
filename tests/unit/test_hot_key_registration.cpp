#include "settings/ruler_settings.h"
#include "tools/hot_key_registration.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <vector>
#include <string>

namespace {

constexpr std::uint16_t kF5 = 0x74, kF6 = 0x75, kF7 = 0x76;
constexpr std::uint32_t kRefused = 1409;
constexpr std::uint32_t kDenied = 5;

// Logs the calls ("R<id>:<vk>", "U<id>"), refuses the keys in `refuse` with their reason.
struct CFakeKeys final : CHotKeyRegistrar {
    std::map<std::uint16_t, std::uint32_t> refuse;
    std::set<int> registered;
    std::string log;

    std::uint32_t Register(int id, std::uint16_t, std::uint16_t vk) override
    {
        log += "R" + std::to_string(id) + ":" + std::to_string(vk) + " ";
        const auto r = refuse.find(vk);
        return r != refuse.end() ? r->second : (registered.insert(id), 0u);
    }
    bool Unregister(int id) override
    {
        log += "U" + std::to_string(id) + " ";
        return registered.erase(id) != 0;
    }
};

} // namespace

TEST(HotKeyRegistration, StartUpRegistersEachKeyOnItsOwnAndKeepsTheChoice)
{
    const std::map<std::uint16_t, std::uint32_t> none, f5{{kF5, kRefused}}, f6{{kF6, kRefused}},
        both{{kF5, kRefused}, {kF6, kRefused}}, apart{{kF5, kRefused}, {kF6, kDenied}};
    const struct {
        int getEnabled;
        std::uint16_t setVk;  // 0 with no modifiers: not defined
        const std::map<std::uint16_t, std::uint32_t>& refuse;
        const char* log;
        std::uint32_t refused;
        std::vector<std::uint32_t> reasons;  // one message per reason
    } cases[] = {
        {1, kF6, none, "R1:116 R2:117 ", 0, {}},          {1, kF6, f5, "R1:116 R2:117 ", 1, {kRefused}},
        {1, kF6, f6, "R1:116 R2:117 ", 2, {kRefused}},    {1, kF6, both, "R1:116 R2:117 ", 3, {kRefused}},
        {1, kF6, apart, "R1:116 R2:117 ", 3, {kRefused, kDenied}}, {0, kF6, none, "R2:117 ", 0, {}},
        {1, 0, none, "R1:116 ", 0, {}},
    };
    for (const auto& c : cases) {
        CRulerSettings s;
        s.m_bHKGet = c.getEnabled;
        s.m_bHKSet = 1;
        s.m_wHKVGet = kF5;
        s.m_wHKVSet = c.setVk;
        CFakeKeys keys;
        keys.refuse = c.refuse;
        EXPECT_EQ(RegisterEnabledHotKeys(keys, s), c.reasons) << c.log;
        EXPECT_EQ(keys.log, c.log);
        // Kept enabled in the record for the next start; shown and treated as off in this run.
        EXPECT_EQ(s.m_bHKGet, c.getEnabled);
        EXPECT_EQ(IsHotKeyEnabledNow(s, 1), c.getEnabled && !(c.refused & 1)) << c.log;
        EXPECT_EQ(IsHotKeyEnabledNow(s, 2), !(c.refused & 2)) << c.log;
    }
    // Checking the box again tries anew, and a registration then forgets the refusal.
    CRulerSettings s;
    s.m_bHKGet = 1;
    s.m_wHKVGet = kF5;
    s.m_nHotKeysRefused = 1;
    CFakeKeys keys;
    EXPECT_EQ(ApplyHotKeyEnable(keys, s, 1, true), 0u);
    EXPECT_TRUE(IsHotKeyEnabledNow(s, 1));
    EXPECT_EQ(ApplyHotKeyEnable(keys, s, 1, false), 0u) << "turning it off is no error";
    EXPECT_FALSE(IsHotKeyEnabledNow(s, 1));
}

TEST(HotKeyRegistration, AReplacementIsReleasedFirstAndARefusalRestored)
{
    CFakeKeys keys;
    keys.registered = {1};
    keys.refuse = {{kF7, kRefused}};
    EXPECT_EQ(ReplaceHotKey(keys, 1, 2, kF5, 2, kF6), 0u);
    EXPECT_EQ(ReplaceHotKey(keys, 1, 2, kF6, 2, kF7), kRefused);
    EXPECT_EQ(keys.log, "U1 R1:117 U1 R1:118 R1:117 ");
    keys.registered.clear();
    keys.log.clear();
    EXPECT_EQ(ReplaceHotKey(keys, 2, 2, kF6, 2, kF7), kRefused);
    EXPECT_EQ(keys.log, "U2 R2:118 ");  // nothing was registered to restore
}
