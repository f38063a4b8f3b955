#include "tools/hot_key_registration_win.h"

#include "platform/system_errors_win.h"
#include "resource.h"
#include "settings/ruler_settings.h"
#include "tools/hot_key_rules.h"

HotKeySettings SizingHotKeySettings(CRulerSettings& s, int id)
{
    if (id == HOTKEY_GET_SIZE)
        return HotKeySettings{s.m_bHKGet, s.m_wHKVGet, s.m_wHKMGet};
    return HotKeySettings{s.m_bHKSet, s.m_wHKVSet, s.m_wHKMSet};
}

DWORD RegisterSizingHotKey(HWND hWnd, int id, std::uint16_t mods, std::uint16_t vk)
{
    if (RegisterHotKey(hWnd, id, mods, vk))
        return 0;
    const DWORD error = GetLastError();
    // A refusal always has a reason to show, even where the system gives no code.
    return error ? error : DWORD(ERROR_HOTKEY_ALREADY_REGISTERED);
}

void RegisterSizingHotKeys(HWND hWnd, CRulerSettings& settings)
{
    for (int id : {HOTKEY_GET_SIZE, HOTKEY_SET_SIZE}) {
        const HotKeySettings k = SizingHotKeySettings(settings, id);
        if (!ShouldRegisterHotKey(k.enabled, k.vk, k.mods))
            continue;
        if (const DWORD error = RegisterSizingHotKey(hWnd, id, k.mods, k.vk)) {
            ShowSystemError(error);
            return;
        }
    }
}

DWORD ReplaceSizingHotKey(HWND hWnd, int id, std::uint16_t oldMods, std::uint16_t oldVk, std::uint16_t mods,
                          std::uint16_t vk)
{
    const bool wasRegistered = UnregisterHotKey(hWnd, id) != FALSE;
    const DWORD error = RegisterSizingHotKey(hWnd, id, mods, vk);
    if (error && wasRegistered)
        RegisterHotKey(hWnd, id, oldMods, oldVk);
    return error;
}
