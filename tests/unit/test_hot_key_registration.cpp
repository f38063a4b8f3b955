#include "resource.h"
#include "settings/ruler_settings.h"
#include "tools/hot_key_registration.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr std::uint16_t kF5 = 0x74, kF6 = 0x75, kF7 = 0x76;
constexpr std::uint32_t kRefused = 1409;

// Records the calls as text; refuses the keys in `refuse`; holds what is registered.
class CFakeKeys final : public CHotKeyRegistrar {
public:
    std::set<std::uint16_t> refuse;
    std::set<int> registered;
    std::vector<std::string> calls;

    std::uint32_t Register(int id, std::uint16_t mods, std::uint16_t vk) override
    {
        calls.push_back("R" + std::to_string(id) + ":" + std::to_string(mods) + "+" + std::to_string(vk));
        if (refuse.count(vk))
            return kRefused;
        registered.insert(id);
        return 0;
    }
    bool Unregister(int id) override
    {
        calls.push_back("U" + std::to_string(id));
        return registered.erase(id) != 0;
    }
};

using Calls = std::vector<std::string>;

} // namespace

TEST(HotKeyRegistration, StartUpRegistersEnabledDefinedKeysUntilTheFirstRefusal)
{
    const struct {
        const char* what;
        int get, set;                 // enabled
        std::uint16_t getVk, setVk;
        std::set<std::uint16_t> refuse;
        std::uint32_t error;
        Calls calls;
    } cases[] = {
        {"both", 1, 1, kF5, kF6, {}, 0, {"R1:2+116", "R2:2+117"}},
        {"the first refused", 1, 1, kF5, kF6, {kF5}, kRefused, {"R1:2+116"}},
        {"the second refused", 1, 1, kF5, kF6, {kF6}, kRefused, {"R1:2+116", "R2:2+117"}},
        {"disabled and undefined skipped", 0, 1, kF5, 0, {}, 0, {"R2:2+0"}},
    };
    for (const auto& c : cases) {
        CRulerSettings s;
        s.m_bHKGet = c.get;
        s.m_bHKSet = c.set;
        s.m_wHKVGet = c.getVk;
        s.m_wHKVSet = c.setVk;
        s.m_wHKMGet = s.m_wHKMSet = 2;
        CFakeKeys keys;
        keys.refuse = c.refuse;
        EXPECT_EQ(RegisterEnabledHotKeys(keys, s), c.error) << c.what;
        EXPECT_EQ(keys.calls, c.calls) << c.what;
    }
}

TEST(HotKeyRegistration, ReplacingReleasesFirstAndRestoresARefusal)
{
    CFakeKeys keys;
    keys.registered = {1};
    EXPECT_EQ(ReplaceHotKey(keys, 1, 2, kF5, 4, kF6), 0u);
    EXPECT_EQ(keys.calls, (Calls{"U1", "R1:4+117"}));

    keys.calls.clear();
    keys.refuse = {kF7};
    EXPECT_EQ(ReplaceHotKey(keys, 1, 4, kF6, 4, kF7), kRefused);
    EXPECT_EQ(keys.calls, (Calls{"U1", "R1:4+118", "R1:4+117"}));  // the old one is back

    keys.calls.clear();
    keys.registered.clear();
    EXPECT_EQ(ReplaceHotKey(keys, 2, 4, kF6, 4, kF7), kRefused);
    EXPECT_EQ(keys.calls, (Calls{"U2", "R2:4+118"}));  // nothing was registered to restore
}

TEST(HotKeyRegistration, TheEnableBox)
{
    const struct {
        bool checked;
        std::uint16_t vk, mods;
        bool refused;
        std::int32_t enabled;
        Calls calls;
    } cases[] = {
        {true, kF5, 2, false, 1, {"R2:2+116"}},
        {true, kF5, 2, true, 0, {"R2:2+116"}},  // refused: left disabled
        {true, 0, 0, false, 1, {"U2"}},         // nothing defined: enabled, not registered
        {false, kF5, 2, false, 0, {"U2"}},
    };
    for (const auto& c : cases) {
        CRulerSettings s;
        s.m_wHKVSet = c.vk;
        s.m_wHKMSet = c.mods;
        CFakeKeys keys;
        if (c.refused)
            keys.refuse = {c.vk};
        const std::uint32_t error = ApplyHotKeyEnable(keys, HOTKEY_SET_SIZE, SizingHotKeySettings(s, HOTKEY_SET_SIZE),
                                                      c.checked);
        EXPECT_EQ(error, c.refused ? kRefused : 0u);
        EXPECT_EQ(s.m_bHKSet, c.enabled) << c.checked << c.vk;
        EXPECT_EQ(keys.calls, c.calls) << c.checked << c.vk;
    }
}
