// The colours the window colours dialog offers: "Default" (the system's colour) and sixteen
// fixed ones, how a stored colour finds its entry, and how an entry is painted.
#pragma once

#include "base/geometry.h"

#include <cstdint>
#include <vector>

// COLORREF values (0x00BBGGRR). kDefaultColor, all bits set, stands for "Default".
constexpr std::uint32_t kDefaultColor = 0xFFFFFFFFu;
constexpr int kFixedColorCount = 16;

// The sixteen colours in list order: black, the dark colours, the two greys, the bright ones,
// white.
extern const std::uint32_t kFixedColors[kFixedColorCount];

// The item data of a filled list: kDefaultColor first when the list has "Default".
std::vector<std::uint32_t> ColorListItems(bool withDefault);

// The index of the entry holding `value`, searched from the last entry down (the first found
// from the end wins); -1 when no entry holds it.
int FindColorFromEnd(const std::vector<std::uint32_t>& items, std::uint32_t value);

// What a list stores for its selection: the entry's colour, or kDefaultColor without one.
std::uint32_t StoredColorOf(const std::vector<std::uint32_t>& items, int selection);

// How an owner-drawn entry of the list is painted.
struct ColorItemPaint {
    enum Content { kNothing, kText, kSwatch };
    bool background = false;  // the item's rectangle filled in the list's colour (the highlight when selected)
    Content content = kNothing;
    Rect swatch;              // with kSwatch: the swatch, its outermost pixels a frame in the item's text colour
    Rect fill;                // with kSwatch: the colour inside the frame (empty when the swatch is all frame)
};

// A paint request for the entry `color` in `item`: nothing unless the whole item or its
// selection is to be drawn (`drawAsked`); the field of a list with no selection
// (`hasEntry` false) shows only the background, as its item data would read as black;
// "Default" shows its text; a colour a swatch 2 pixels inside the item, none when that
// leaves nothing. The swatch has a 1-pixel frame so that a colour equal to the list's own
// (white on a white list) still shows as a swatch.
ColorItemPaint PaintOfColorItem(bool drawAsked, bool hasEntry, std::uint32_t color, const Rect& item);
