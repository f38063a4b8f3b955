// SnapToWebSafe gives the colour that GetNearestPaletteIndex picks from the ruler's
// web-safe palette, so the caption reads the same whichever way the colour is snapped.
#include "color/color_model.h"

#include <windows.h>

#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace {

// The palette as the ruler builds it: 216 colours, entries 216..255 black.
HPALETTE CreateWebSafe()
{
    std::vector<unsigned char> storage(sizeof(LOGPALETTE) + 255 * sizeof(PALETTEENTRY));
    LOGPALETTE* lp = reinterpret_cast<LOGPALETTE*>(storage.data());
    lp->palVersion = 0x300;
    lp->palNumEntries = 256;
    for (int i = 0; i < 256; ++i)
        lp->palPalEntry[i] = PALETTEENTRY{0, 0, 0, 0};
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                lp->palPalEntry[r * 36 + g * 6 + b] =
                    PALETTEENTRY{BYTE(51 * r), BYTE(51 * g), BYTE(51 * b), 0};
    return CreatePalette(lp);
}

std::uint32_t NearestByPalette(HPALETTE pal, std::uint32_t c)
{
    PALETTEENTRY e{};
    GetPaletteEntries(pal, GetNearestPaletteIndex(pal, c), 1, &e);
    return RGB(e.peRed, e.peGreen, e.peBlue);
}

} // namespace

TEST(WebSafeWin, SnappingAgreesWithTheNearestPaletteEntry)
{
    HPALETTE pal = CreateWebSafe();
    ASSERT_NE(pal, nullptr);
    for (unsigned v = 0; v < 256; ++v)
        for (std::uint32_t c : {RGB(v, 0, 0), RGB(0, v, 0), RGB(0, 0, v), RGB(v, v, v), RGB(255 - v, v, 128)})
            EXPECT_EQ(SnapToWebSafe(c), NearestByPalette(pal, c)) << std::hex << c;
    // A spread of mixed colours, stepping each channel by a prime so every level is met.
    for (unsigned r = 0; r < 256; r += 13)
        for (unsigned g = 5; g < 256; g += 17)
            for (unsigned b = 3; b < 256; b += 19)
                EXPECT_EQ(SnapToWebSafe(RGB(r, g, b)), NearestByPalette(pal, RGB(r, g, b))) << r << "," << g << "," << b;
    EXPECT_EQ(NearestByPalette(pal, RGB(26, 25, 230)), RGB(51, 0, 255));
    EXPECT_EQ(NearestByPalette(pal, RGB(250, 10, 100)), RGB(255, 0, 102));
    DeleteObject(pal);
}
