// The five colour notations of the caption line and the colour copy.
#pragma once

#include <cstddef>
#include <cstdint>

// Writes c in the notation of the View\Color value colorSetting (low byte CN_*) into out
// and returns out; "" for an unknown notation. Bounded by cch (32 is always enough).
char* FormatColorText(std::uint32_t c, std::uint32_t colorSetting, bool bNoSuffix, char* out, std::size_t cch);

// The notation byte is taken with CN_MASK; other bits are ignored.
// Next in the cycle HLS -> HSV -> RGB dec -> RGB hex -> HTML -> HLS; 0 when not one of the five.
std::uint32_t NextNotation(std::uint32_t notationByte);
// The command that chooses the notation (2258, 2259, 2255, 2256, 2257); 0 when unknown.
int NotationCommandId(std::uint32_t notationByte);
// The inverse: the notation byte a command 2255..2259 chooses; 0 for any other id.
std::uint32_t NotationFromCommandId(int id);
