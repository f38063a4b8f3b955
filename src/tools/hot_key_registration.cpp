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

std::uint32_t RegisterEnabledHotKeys(CHotKeyRegistrar& keys, CRulerSettings& settings)
{
    for (int id : {HOTKEY_GET_SIZE, HOTKEY_SET_SIZE}) {
        const HotKeySettings k = SizingHotKeySettings(settings, id);
        if (!ShouldRegisterHotKey(k.enabled, k.vk, k.mods))
            continue;
        if (const std::uint32_t error = keys.Register(id, k.mods, k.vk))
            return error;
    }
    return 0;
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

std::uint32_t ApplyHotKeyEnable(CHotKeyRegistrar& keys, int id, const HotKeySettings& key, bool checked)
{
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
