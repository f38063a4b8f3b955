// The sizing tool's size text: "640 x 480", as the user types it or picks it from the list.
#pragma once

#include "base/geometry.h"

#include <string>

struct ParsedSize {
    int width = 0;
    int height = 0;
    bool valid = false;
};

// Width and height around the first lowercase "x" (an uppercase "X" is no separator). Each
// side is cut to its first 15 characters and read as a decimal number: leading white space,
// an optional sign, then digits up to the first other character (no digits read as 0). The
// text is valid when both are at least 1. A side whose digits go beyond the int range makes
// the text invalid and reads as 0, never as a wrapped number.
ParsedSize ParseSizeText(const std::string& text);

// "%d x %d".
std::string FormatSizeText(int width, int height);

// The size field takes at most this many characters.
constexpr int kSizeTextLimit = 16;

// The sizes the size list offers, in this order (not sorted).
constexpr int kSizePresetCount = 17;
extern const Size kSizePresets[kSizePresetCount];
