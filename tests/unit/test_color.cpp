#include "color/color_flags.h"
#include "color/color_model.h"
#include "color/color_notation.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

std::uint32_t Rgb(unsigned r, unsigned g, unsigned b) { return r | g << 8 | b << 16; }

std::string Text(std::uint32_t c, std::uint32_t setting, bool noSuffix = false)
{
    char out[32];
    return FormatColorText(c, setting, noSuffix, out, sizeof out);
}

} // namespace

TEST(ColorModel, WorkedValues)
{
    struct {
        unsigned r, g, b;
        int hls[3], hsv[3];
    } cases[] = {
        {255, 0, 0, {0, 128, 255}, {0, 255, 255}},
        {0, 255, 0, {85, 128, 255}, {85, 255, 255}},
        {0, 0, 255, {170, 128, 255}, {170, 255, 255}},
        {255, 128, 0, {21, 128, 255}, {21, 255, 255}},
        {128, 128, 128, {0, 128, 0}, {0, 0, 128}},
        {255, 255, 255, {0, 255, 0}, {0, 0, 255}},
        {0, 0, 0, {0, 0, 0}, {0, 0, 0}},
        {255, 0, 1, {255, 128, 255}, {255, 255, 255}},   // hue rounds up to 255, not back to 0
        {51, 102, 153, {149, 102, 127}, {149, 170, 153}},
        {255, 255, 0, {43, 128, 255}, {43, 255, 255}},
        {0, 255, 255, {128, 128, 255}, {128, 255, 255}},
    };
    for (auto& c : cases) {
        int h, l, s, v;
        ColorToHls(Rgb(c.r, c.g, c.b), &h, &l, &s);
        EXPECT_EQ((std::array<int, 3>{h, l, s}), (std::array<int, 3>{c.hls[0], c.hls[1], c.hls[2]}))
            << "HLS of " << c.r << "," << c.g << "," << c.b;
        ColorToHsv(Rgb(c.r, c.g, c.b), &h, &s, &v);
        EXPECT_EQ((std::array<int, 3>{h, s, v}), (std::array<int, 3>{c.hsv[0], c.hsv[1], c.hsv[2]}))
            << "HSV of " << c.r << "," << c.g << "," << c.b;
    }
}

TEST(ColorModel, GreysHaveTheUndefinedHue)
{
    for (double grey : {0.0, 0.25, 1.0}) {
        double h, l, s, v;
        RgbToHls(grey, grey, grey, &h, &l, &s);
        EXPECT_EQ(h, HUE_UNDEFINED);
        EXPECT_EQ(s, 0.0);
        EXPECT_EQ(l, grey);
        RgbToHsv(grey, grey, grey, &h, &s, &v);
        EXPECT_EQ(h, HUE_UNDEFINED);
        EXPECT_EQ(s, 0.0);
        EXPECT_EQ(v, grey);
    }
    // Above half lightness the saturation is taken against 2 - max - min.
    double h, l, s;
    RgbToHls(1.0, 0.5, 0.5, &h, &l, &s);
    EXPECT_DOUBLE_EQ(l, 0.75);
    EXPECT_DOUBLE_EQ(s, 1.0);
    EXPECT_DOUBLE_EQ(h, 0.0);
}

TEST(ColorModel, SnapsEachChannelToTheNearestWebSafeLevel)
{
    struct {
        unsigned in, want;
    } levels[] = {{0, 0},     {25, 0},    {26, 51},   {76, 51},   {77, 102},  {127, 102},
                  {128, 153}, {178, 153}, {179, 204}, {229, 204}, {230, 255}, {255, 255}};
    for (auto& c : levels) {
        EXPECT_EQ(SnapToWebSafe(Rgb(c.in, 0, 0)), Rgb(c.want, 0, 0)) << c.in;
        EXPECT_EQ(SnapToWebSafe(Rgb(0, c.in, 0)), Rgb(0, c.want, 0)) << c.in;
        EXPECT_EQ(SnapToWebSafe(Rgb(0, 0, c.in)), Rgb(0, 0, c.want)) << c.in;
    }
    EXPECT_EQ(SnapToWebSafe(Rgb(26, 25, 230)), Rgb(51, 0, 255));
    EXPECT_EQ(SnapToWebSafe(Rgb(250, 10, 100)), Rgb(255, 0, 102));
    EXPECT_EQ(SnapToWebSafe(0xFF123456u) >> 24, 0u) << "a COLORREF's top byte is 0";
}

TEST(ColorNotation, TextsOfTheFiveNotations)
{
    const std::uint32_t orange = 0x000080FF;   // red 255, green 128, blue 0
    struct {
        std::uint32_t setting, c;
        const char* withSuffix;
        const char* bare;
    } cases[] = {
        {CN_RGB_DEC, orange, "255, 128, 0 rgb", "255, 128, 0"},
        {CN_RGB_HEX, orange, "0x000080FF rgb", "0x000080FF"},   // blue first
        {CN_HTML, orange, "#FF8000 html", "#FF8000"},           // red first
        {CN_HLS, orange, "21, 128, 255 hls", "21, 128, 255"},
        {CN_HSV, orange, "21, 255, 255 hsv", "21, 255, 255"},
        {CN_HTML, 0, "#000000 html", "#000000"},
        {CN_HSV, 0xFFFFFF, "0, 0, 255 hsv", "0, 0, 255"},
        {CN_RGB_HEX | CN_WEB_SAFE, Rgb(1, 2, 0xAB), "0x00AB0201 rgb", "0x00AB0201"},
        {CN_RGB_DEC | CN_WEB_SAFE, Rgb(1, 2, 3), "1, 2, 3 rgb", "1, 2, 3"},
        {0, orange, "", ""},
        {3, orange, "", ""},
        {32, orange, "", ""},
        {CN_MASK, orange, "", ""},
        {CN_WEB_SAFE, orange, "", ""},
    };
    for (auto& c : cases) {
        EXPECT_EQ(Text(c.c, c.setting), c.withSuffix) << std::hex << c.setting;
        EXPECT_EQ(Text(c.c, c.setting, true), c.bare) << std::hex << c.setting;
    }
}

TEST(ColorNotation, StaysWithinTheBuffer)
{
    char out[8];
    std::memset(out, 'x', sizeof out);
    EXPECT_STREQ(FormatColorText(0x000080FF, CN_RGB_DEC, false, out, 5), "255,");
    EXPECT_EQ(out[5], 'x');
    EXPECT_EQ(FormatColorText(0x000080FF, CN_RGB_DEC, false, out, 0), out);
    EXPECT_EQ(out[0], '2') << "nothing written into a zero-size buffer";
    char wide[32];
    EXPECT_LT(std::strlen(FormatColorText(0xFFFFFFFF, CN_RGB_HEX, false, wide, sizeof wide)), sizeof wide);
}

TEST(ColorNotation, CycleAndCommands)
{
    struct {
        std::uint32_t notation, next;
        int command;
    } rows[] = {{CN_HLS, CN_HSV, 2258}, {CN_HSV, CN_RGB_DEC, 2259}, {CN_RGB_DEC, CN_RGB_HEX, 2255},
                {CN_RGB_HEX, CN_HTML, 2256}, {CN_HTML, CN_HLS, 2257}};
    for (auto& r : rows) {
        EXPECT_EQ(NextNotation(r.notation), r.next);
        EXPECT_EQ(NotationCommandId(r.notation), r.command);
        EXPECT_EQ(NotationFromCommandId(r.command), r.notation);
        std::uint32_t n = r.notation;
        for (int i = 0; i < 5; ++i)
            n = NextNotation(n);
        EXPECT_EQ(n, r.notation) << "five steps come back";
    }
    EXPECT_EQ(NextNotation(CN_RGB_DEC | CN_WEB_SAFE), CN_RGB_HEX) << "only the notation byte counts";
    for (std::uint32_t unknown : {0u, 3u, 32u, 0xFFu}) {
        EXPECT_EQ(NextNotation(unknown), 0u);
        EXPECT_EQ(NotationCommandId(unknown), 0);
    }
    EXPECT_EQ(NotationFromCommandId(2254), 0u);
    EXPECT_EQ(NotationFromCommandId(2260), 0u);
}
