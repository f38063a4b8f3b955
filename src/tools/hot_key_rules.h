// The sizing tool's hot keys as numbers: the two forms of the modifiers, when a key counts as
// defined, and which combinations the Define Hot Key dialog accepts.
#pragma once

#include <cstdint>

// Modifiers as RegisterHotKey takes them (the settings' form).
constexpr std::uint16_t kModAlt = 0x01;
constexpr std::uint16_t kModControl = 0x02;
constexpr std::uint16_t kModShift = 0x04;
constexpr std::uint16_t kModWin = 0x08;
// Flags of a hot key control's value (its high byte).
constexpr std::uint8_t kHotKeyFlagShift = 0x01;
constexpr std::uint8_t kHotKeyFlagControl = 0x02;
constexpr std::uint8_t kHotKeyFlagAlt = 0x04;
constexpr std::uint8_t kHotKeyFlagExt = 0x08;

constexpr std::uint16_t kVkF1 = 0x70;
constexpr std::uint16_t kVkF4 = 0x73;
constexpr std::uint16_t kVkF12 = 0x7B;

// RegisterHotKey modifiers to hot key control flags, bit by bit (other bits are dropped).
std::uint8_t ModToHotKeyFlags(std::uint16_t mods);
// Hot key control flags to RegisterHotKey modifiers.
std::uint16_t HotKeyFlagsToMod(std::uint8_t flags);

// The value a hot key control shows for a stored key: flags in the high byte, the low byte
// of the virtual-key code in the low byte.
std::uint16_t HotKeyControlValue(std::uint16_t vk, std::uint16_t mods);

// A hot key is defined when its key or its modifiers are non-zero.
inline bool IsHotKeyDefined(std::uint16_t vk, std::uint16_t mods) { return vk != 0 || mods != 0; }

// Whether start-up registers a hot key: enabled and defined.
inline bool ShouldRegisterHotKey(std::int32_t enabled, std::uint16_t vk, std::uint16_t mods)
{
    return enabled != 0 && IsHotKeyDefined(vk, mods);
}

// What the Define Hot Key dialog makes of the key its control shows when OK is pressed.
enum class HotKeyChoice {
    kUnchanged, // the key it started with: accepted, the registration is not touched
    kEmpty,     // no key: accepted; an enabled hot key is unregistered
    kNew,       // an allowed new key: accepted; an enabled hot key is registered anew
    kInvalid,   // refused with "Invalid hot key."
};

// Only F1 to F12 are allowed, F1 not alone, F4 not with Alt.
HotKeyChoice ClassifyHotKeyChoice(std::uint16_t vk, std::uint16_t mods, std::uint16_t currentVk,
                                  std::uint16_t currentMods);
