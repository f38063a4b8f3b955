#include "tools/hot_key_registration.h"

#include "resource.h"
#include "settings/ruler_settings.h"
#include "tools/hot_key_rules.h"

HotKeySettings SizingHotKeySettings(CRulerSettings& s, int id)
{
    if (id == HOTKEY_GET_SIZE)
        return HotKeySettings{s.m_bHKGet, s.m_wHKVGet, s.m_wHKMGet};
    return HotKeySettings{s.m_bHKSet, s.m_wHKVSet, s.m_wHKMSet};
}

namespace {
std::uint32_t RefusedBit(int id)
{
    return id == HOTKEY_GET_SIZE ? 1u : 2u;
}
} // namespace

bool IsHotKeyEnabledNow(const CRulerSettings& settings, int id)
{
    const std::int32_t enabled = id == HOTKEY_GET_SIZE ? settings.m_bHKGet : settings.m_bHKSet;
    return enabled != 0 && !(settings.m_nHotKeysRefused & RefusedBit(id));
}

std::vector<std::uint32_t> RegisterEnabledHotKeys(CHotKeyRegistrar& keys, CRulerSettings& settings)
{
    std::vector<std::uint32_t> reasons;
    for (int id : {HOTKEY_GET_SIZE, HOTKEY_SET_SIZE}) {
        const HotKeySettings k = SizingHotKeySettings(settings, id);
        if (!ShouldRegisterHotKey(k.enabled, k.vk, k.mods))
            continue;
        const std::uint32_t error = keys.Register(id, k.mods, k.vk);
        if (!error)
            continue;
        settings.m_nHotKeysRefused |= RefusedBit(id);
        // Two boxes with the same text would tell the user nothing more.
        if (reasons.empty() || reasons.front() != error)
            reasons.push_back(error);
    }
    return reasons;
}

std::uint32_t ReplaceHotKey(CHotKeyRegistrar& keys, int id, std::uint16_t oldMods, std::uint16_t oldVk,
                            std::uint16_t mods, std::uint16_t vk)
{
    const bool wasRegistered = keys.Unregister(id);
    const std::uint32_t error = keys.Register(id, mods, vk);
    if (error && wasRegistered)
        keys.Register(id, oldMods, oldVk);
    return error;
}

std::uint32_t ApplyHotKeyEnable(CHotKeyRegistrar& keys, CRulerSettings& settings, int id, bool checked)
{
    const HotKeySettings key = SizingHotKeySettings(settings, id);
    settings.m_nHotKeysRefused &= ~RefusedBit(id);
    key.enabled = checked ? 1 : 0;
    if (!ShouldRegisterHotKey(key.enabled, key.vk, key.mods)) {
        keys.Unregister(id);
        return 0;
    }
    const std::uint32_t error = keys.Register(id, key.mods, key.vk);
    if (error)
        key.enabled = 0;
    return error;
}
