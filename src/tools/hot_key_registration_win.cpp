#include "tools/hot_key_registration_win.h"

#include "platform/system_errors_win.h"

std::uint32_t CWindowHotKeys::Register(int id, std::uint16_t mods, std::uint16_t vk)
{
    if (RegisterHotKey(m_hWnd, id, mods, vk))
        return 0;
    const DWORD error = GetLastError();
    return error ? error : DWORD(ERROR_HOTKEY_ALREADY_REGISTERED);
}

bool CWindowHotKeys::Unregister(int id)
{
    return UnregisterHotKey(m_hWnd, id) != FALSE;
}

void RegisterSizingHotKeys(HWND hWnd, CRulerSettings& settings)
{
    CWindowHotKeys keys(hWnd);
    for (const std::uint32_t reason : RegisterEnabledHotKeys(keys, settings))
        ShowSystemError(reason);
}

DWORD ReplaceSizingHotKey(HWND hWnd, int id, std::uint16_t oldMods, std::uint16_t oldVk, std::uint16_t mods,
                          std::uint16_t vk)
{
    CWindowHotKeys keys(hWnd);
    return ReplaceHotKey(keys, id, oldMods, oldVk, mods, vk);
}
