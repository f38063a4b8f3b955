// When the ruler needs its 1 ms polling timer.
#pragma once

#include <cstdint>

// True when the window is visible and something live is shown: the magnifier, the guide or
// a dialog unit (style mask 0xC048), or any caption item - except the pixel equivalent
// alone (View\Caption exactly CI_PIXELS) on a pixel ruler, which shows nothing that moves.
bool NeedsPollTimer(bool visible, std::uint32_t style, std::uint32_t captionFlags);
