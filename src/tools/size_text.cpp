#include "tools/size_text.h"

#include <climits>
#include <cstdint>
#include <cstdio>

namespace {

// Characters of each side that take part; the rest of a longer side is ignored.
constexpr std::size_t kPartLimit = 15;

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The decimal number at the start of `part`; false when its digits leave the int range.
bool ReadNumber(const std::string& part, int& value)
{
    std::size_t i = 0;
    while (i < part.size() && IsSpace(part[i]))
        ++i;
    bool negative = false;
    if (i < part.size() && (part[i] == '+' || part[i] == '-'))
        negative = part[i++] == '-';
    // At most 15 digits: the 64-bit sum cannot overflow before it is checked.
    std::int64_t n = 0;
    for (; i < part.size() && part[i] >= '0' && part[i] <= '9'; ++i)
        n = n * 10 + (part[i] - '0');
    if (negative)
        n = -n;
    if (n < INT_MIN || n > INT_MAX) {
        value = 0;
        return false;
    }
    value = int(n);
    return true;
}

} // namespace

const Size kSizePresets[kSizePresetCount] = {
    {160, 100},   {320, 200},   {640, 480},   {800, 600},   {1024, 768},  {1152, 864},
    {1280, 768},  {1280, 1024}, {1600, 1200}, {1792, 1344}, {1800, 1440}, {1856, 1392},
    {1920, 1080}, {1920, 1200}, {1920, 1440}, {2048, 1536}, {2560, 1920},
};

ParsedSize ParseSizeText(const std::string& text)
{
    ParsedSize result;
    const std::size_t x = text.find('x');
    if (x == std::string::npos || x == 0 || x + 1 >= text.size())
        return result;
    const bool widthFits = ReadNumber(text.substr(0, x < kPartLimit ? x : kPartLimit), result.width);
    const bool heightFits = ReadNumber(text.substr(x + 1, kPartLimit), result.height);
    result.valid = widthFits && heightFits && result.width >= 1 && result.height >= 1;
    return result;
}

std::string FormatSizeText(int width, int height)
{
    char text[32];
    std::snprintf(text, sizeof text, "%d x %d", width, height);
    return text;
}
