// Arbitrary hot keys, stored or typed, through the hot key rules. Checks: a key the Define
// Hot Key dialog takes as new is F1 to F12, never F1 alone and never Alt+F4; the key it
// started with is always kept; the control's value and the modifier forms convert both ways
// for the four modifiers and drop every other bit; start-up registers only enabled, defined keys.
#include "tools/hot_key_rules.h"

#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider fdp(data, size);
    const auto vk = fdp.ConsumeIntegral<std::uint16_t>();
    const auto mods = fdp.ConsumeIntegral<std::uint16_t>();
    const auto currentVk = fdp.ConsumeBool() ? vk : fdp.ConsumeIntegral<std::uint16_t>();
    const auto currentMods = fdp.ConsumeBool() ? mods : fdp.ConsumeIntegral<std::uint16_t>();
    const auto enabled = fdp.ConsumeIntegral<std::int32_t>();

    const HotKeyChoice choice = ClassifyHotKeyChoice(vk, mods, currentVk, currentMods);
    if (vk == currentVk && mods == currentMods)
        Check(choice == HotKeyChoice::kUnchanged, "the starting key is kept");
    if (choice == HotKeyChoice::kNew) {
        Check(vk >= kVkF1 && vk <= kVkF12, "only F1 to F12");
        Check(!(vk == kVkF1 && mods == 0), "not F1 alone");
        Check(!(vk == kVkF4 && (mods & kModAlt)), "never Alt+F4");
    }
    if (choice == HotKeyChoice::kEmpty)
        Check(vk == 0 && mods == 0, "empty means no key");

    const std::uint16_t known = kModAlt | kModControl | kModShift | kModWin;
    Check(HotKeyFlagsToMod(ModToHotKeyFlags(mods)) == (mods & known), "modifiers convert both ways");
    const std::uint16_t value = HotKeyControlValue(vk, mods);
    Check((value & 0xFF) == (vk & 0xFF) && HotKeyFlagsToMod(std::uint8_t(value >> 8)) == (mods & known),
          "the control's value holds the key and its modifiers");
    Check(ShouldRegisterHotKey(enabled, vk, mods) == (enabled != 0 && (vk != 0 || mods != 0)),
          "registered when enabled and defined");
    return 0;
}
