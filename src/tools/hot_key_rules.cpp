#include "tools/hot_key_rules.h"

namespace {

struct ModifierPair {
    std::uint8_t flag;
    std::uint16_t mod;
};

constexpr ModifierPair kModifierPairs[] = {
    {kHotKeyFlagShift, kModShift},
    {kHotKeyFlagControl, kModControl},
    {kHotKeyFlagAlt, kModAlt},
    {kHotKeyFlagExt, kModWin},
};

} // namespace

std::uint8_t ModToHotKeyFlags(std::uint16_t mods)
{
    std::uint8_t flags = 0;
    for (const ModifierPair& p : kModifierPairs)
        if (mods & p.mod)
            flags = std::uint8_t(flags | p.flag);
    return flags;
}

std::uint16_t HotKeyFlagsToMod(std::uint8_t flags)
{
    std::uint16_t mods = 0;
    for (const ModifierPair& p : kModifierPairs)
        if (flags & p.flag)
            mods = std::uint16_t(mods | p.mod);
    return mods;
}

std::uint16_t HotKeyControlValue(std::uint16_t vk, std::uint16_t mods)
{
    return std::uint16_t((ModToHotKeyFlags(mods) << 8) | (vk & 0xFF));
}

HotKeyChoice ClassifyHotKeyChoice(std::uint16_t vk, std::uint16_t mods, std::uint16_t currentVk,
                                  std::uint16_t currentMods)
{
    if (vk == currentVk && mods == currentMods)
        return HotKeyChoice::kUnchanged;
    if (vk == 0 && mods == 0)
        return HotKeyChoice::kEmpty;
    if (vk < kVkF1 || vk > kVkF12)
        return HotKeyChoice::kInvalid;
    if (vk == kVkF1 && mods == 0)
        return HotKeyChoice::kInvalid;
    if (vk == kVkF4 && (mods & kModAlt))
        return HotKeyChoice::kInvalid;
    return HotKeyChoice::kNew;
}
