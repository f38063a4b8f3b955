// The sizing tool's two system-wide hot keys (1 Get size, 2 Set size), registered for the
// ruler window. Start-up, the enable boxes and the Define Hot Key dialog all register and
// release them here.
#pragma once

#include <windows.h>

#include <cstdint>

class CRulerSettings;

// One hot key's three settings.
struct HotKeySettings {
    std::int32_t& enabled;
    std::uint16_t& vk;
    std::uint16_t& mods;
};
// The settings of hot key `id` (1 Get size; anything else Set size).
HotKeySettings SizingHotKeySettings(CRulerSettings& settings, int id);

// RegisterHotKey; 0 on success, else the error code.
DWORD RegisterSizingHotKey(HWND hWnd, int id, std::uint16_t mods, std::uint16_t vk);

// Start-up: registers each hot key that is enabled and defined, showing the system error for
// a refused one; a refused hot key 1 leaves hot key 2 unregistered as well.
void RegisterSizingHotKeys(HWND hWnd, CRulerSettings& settings);

// Puts (mods, vk) in place of what `id` is registered as: the old registration is released
// first, so that the old combination does not stay alive beside the new one, and it is
// restored when the new one is refused. 0 on success, else the error code.
DWORD ReplaceSizingHotKey(HWND hWnd, int id, std::uint16_t oldMods, std::uint16_t oldVk, std::uint16_t mods,
                          std::uint16_t vk);
