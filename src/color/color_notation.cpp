#include "color/color_notation.h"

#include "color/color_flags.h"
#include "color/color_model.h"

#include <cstdio>

namespace {

struct NotationRow {
    std::uint32_t value;
    int commandId;
    const char* suffix;
};

// In the order of the menu, which is also the order Shift+C cycles through.
constexpr NotationRow kNotations[] = {
    {CN_HLS, 2258, " hls"},
    {CN_HSV, 2259, " hsv"},
    {CN_RGB_DEC, 2255, " rgb"},
    {CN_RGB_HEX, 2256, " rgb"},
    {CN_HTML, 2257, " html"},
};
constexpr int kNotationCount = sizeof(kNotations) / sizeof(kNotations[0]);

int FindNotation(std::uint32_t notationByte)
{
    for (int i = 0; i < kNotationCount; ++i)
        if (kNotations[i].value == (notationByte & CN_MASK))
            return i;
    return -1;
}

} // namespace

char* FormatColorText(std::uint32_t c, std::uint32_t colorSetting, bool bNoSuffix, char* out, std::size_t cch)
{
    if (out == nullptr || cch == 0)
        return out;
    out[0] = '\0';
    const int i = FindNotation(colorSetting);
    if (i < 0)
        return out;
    const char* suffix = bNoSuffix ? "" : kNotations[i].suffix;
    const unsigned red = c & 0xFF, green = (c >> 8) & 0xFF, blue = (c >> 16) & 0xFF;
    int a = 0, b = 0, d = 0;
    switch (kNotations[i].value) {
    case CN_HLS:
        ColorToHls(c, &a, &b, &d);
        std::snprintf(out, cch, "%d, %d, %d%s", a, b, d, suffix);
        break;
    case CN_HSV:
        ColorToHsv(c, &a, &b, &d);
        std::snprintf(out, cch, "%d, %d, %d%s", a, b, d, suffix);
        break;
    case CN_RGB_DEC:
        std::snprintf(out, cch, "%u, %u, %u%s", red, green, blue, suffix);
        break;
    case CN_RGB_HEX:
        // The COLORREF as one number, so blue comes first.
        std::snprintf(out, cch, "0x00%06X%s", static_cast<unsigned>(c), suffix);
        break;
    case CN_HTML:
        std::snprintf(out, cch, "#%02X%02X%02X%s", red, green, blue, suffix);
        break;
    }
    return out;
}

std::uint32_t NextNotation(std::uint32_t notationByte)
{
    const int i = FindNotation(notationByte);
    return i < 0 ? 0 : kNotations[(i + 1) % kNotationCount].value;
}

int NotationCommandId(std::uint32_t notationByte)
{
    const int i = FindNotation(notationByte);
    return i < 0 ? 0 : kNotations[i].commandId;
}

std::uint32_t NotationFromCommandId(int id)
{
    for (const NotationRow& row : kNotations)
        if (row.commandId == id)
            return row.value;
    return 0;
}
