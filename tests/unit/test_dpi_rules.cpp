#include "platform/dpi_rules.h"

#include <gtest/gtest.h>

static void PrintTo(const Rect& r, std::ostream* os)
{
    *os << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}

TEST(DpiRules, ScaleToDpiTable)
{
    struct {
        int value, to, from, want;
    } cases[] = {
        {12, 144, 96, 18},  {12, 120, 96, 15},   {16, 192, 96, 32},  {20, 96, 144, 13},  // 13.33
        {5, 120, 96, 6},    {-5, 120, 96, -6},  // 6.25; halves go away from zero
        {2, 120, 96, 3},    {-2, 120, 96, -3},   {7, 96, 120, 6},    // 2.5 and 5.6
        {12, 96, 96, 12},   {12, 0, 96, 12},     {12, 144, 0, 12},   {12, 47, 96, 12},   {12, 961, 96, 12},
        {12, 48, 96, 6},    {12, 960, 96, 120},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScaleToDpi(c.value, c.to, c.from), c.want) << c.value << " " << c.to << "/" << c.from;
    EXPECT_EQ(ScaleToDpi(20, 144), 30) << "from the base density by default";
}

TEST(DpiRules, DensityOfTheChangeMessage)
{
    struct {
        std::uint32_t wParam;
        int want;
    } cases[] = {
        {0x00900090u, 144}, {0x00780078u, 120}, {0x00C00060u, 96}, {0x0030u, 48},  {0x002Fu, 0},
        {0x03C0u, 960},     {0x03C1u, 0},       {0u, 0},           {0x00900000u, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DpiFromChangeMessage(c.wParam), c.want) << std::hex << c.wParam;
    EXPECT_EQ(DpiOrFallback(0, 96), 96);
    EXPECT_EQ(DpiOrFallback(144, 96), 144);
}

TEST(DpiRules, BoundsAfterDpiChangeTable)
{
    const Rect current{-1300, 200, -300, 240};  // 1000 x 40, left of the main monitor
    const Rect suggested{-1950, 300, -450, 360};
    const Rect emptySuggested{10, 10, 10, 60};
    struct {
        const char* name;
        const Rect* suggested;
        int oldDpi, newDpi;
        Rect want;
    } cases[] = {
        {"the system's rectangle", &suggested, 96, 144, suggested},
        {"none: grows about the top-left", nullptr, 96, 144, Rect{-1300, 200, 200, 260}},
        {"none: shrinks about the top-left", nullptr, 144, 120, Rect{-1300, 200, -467, 233}},
        {"an empty one is no suggestion", &emptySuggested, 120, 96, Rect{-1300, 200, -500, 232}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BoundsAfterDpiChange(current, c.suggested, c.oldDpi, c.newDpi), c.want) << c.name;
    EXPECT_EQ(BoundsAfterDpiChange(Rect{0, 0, 1, 1}, nullptr, 192, 96), (Rect{0, 0, 1, 1})) << "never below 1 pixel";
}
