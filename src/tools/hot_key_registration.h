// The sizing tool's two system-wide hot keys (1 Get size, 2 Set size) as the settings hold
// them, and the order in which start-up, the enable boxes and the Define Hot Key dialog
// register and release them, through a small interface the Win32 side lays over
// RegisterHotKey for the ruler window.
#pragma once

#include <cstdint>
#include <vector>

class CRulerSettings;

// One hot key's three settings.
struct HotKeySettings {
    std::int32_t& enabled;
    std::uint16_t& vk;
    std::uint16_t& mods;
};
// The settings of hot key `id` (1 Get size; anything else Set size).
HotKeySettings SizingHotKeySettings(CRulerSettings& settings, int id);

class CHotKeyRegistrar {
public:
    // 0 when the hot key was registered, else the (non-zero) reason it was refused.
    virtual std::uint32_t Register(int id, std::uint16_t mods, std::uint16_t vk) = 0;
    // Whether a registration of `id` was there to release.
    virtual bool Unregister(int id) = 0;

protected:
    ~CHotKeyRegistrar() = default;
};

// Whether hot key `id` is enabled for this run: enabled in the record and not refused at
// start-up. What its enable box shows.
bool IsHotKeyEnabledNow(const CRulerSettings& settings, int id);

// Start-up: registers hot keys 1 and 2, each on its own when enabled and defined. A refused
// key is marked refused for this run (its setting is kept). Returns the reasons to show: the
// first refusal's, and the second's when it differs (empty when none was refused).
std::vector<std::uint32_t> RegisterEnabledHotKeys(CHotKeyRegistrar& keys, CRulerSettings& settings);

// Puts (mods, vk) in place of what `id` is registered as: the old registration is released
// first, so that the old combination does not stay alive beside the new one, and it is
// restored when the new one is refused. 0 on success, else the reason.
std::uint32_t ReplaceHotKey(CHotKeyRegistrar& keys, int id, std::uint16_t oldMods, std::uint16_t oldVk,
                            std::uint16_t mods, std::uint16_t vk);

// An enable box clicked to `checked`: the setting follows it (a refusal at start-up is
// forgotten), a defined key is registered and an undefined or unchecked one released. A
// refused registration leaves the hot key disabled (the box is to be cleared); its reason is
// returned, else 0.
std::uint32_t ApplyHotKeyEnable(CHotKeyRegistrar& keys, CRulerSettings& settings, int id, bool checked);
