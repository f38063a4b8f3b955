// The sizing tool's hot keys registered for a window: RegisterHotKey behind the core's
// registration order (hot_key_registration.h).
#pragma once

#include <windows.h>

#include "tools/hot_key_registration.h"

#include <cstdint>

class CRulerSettings;

// The hot keys of one window.
class CWindowHotKeys final : public CHotKeyRegistrar {
public:
    explicit CWindowHotKeys(HWND hWnd) : m_hWnd(hWnd) {}
    // RegisterHotKey; a refusal always has a reason to show, even where the system gives no
    // code (then ERROR_HOTKEY_ALREADY_REGISTERED).
    std::uint32_t Register(int id, std::uint16_t mods, std::uint16_t vk) override;
    bool Unregister(int id) override;

private:
    HWND m_hWnd;
};

// Start-up: RegisterEnabledHotKeys for `hWnd`, showing the system error of each refusal
// (one message for a reason the two keys share).
void RegisterSizingHotKeys(HWND hWnd, CRulerSettings& settings);

// ReplaceHotKey for `hWnd`.
DWORD ReplaceSizingHotKey(HWND hWnd, int id, std::uint16_t oldMods, std::uint16_t oldVk, std::uint16_t mods,
                          std::uint16_t vk);
