#include "tools/color_list.h"

#include <gtest/gtest.h>

TEST(ColorList, EntriesAndTheirOrder)
{
    const std::vector<std::uint32_t> with = ColorListItems(true);
    const std::vector<std::uint32_t> without = ColorListItems(false);
    ASSERT_EQ(with.size(), 17u);
    ASSERT_EQ(without.size(), 16u);
    EXPECT_EQ(with[0], kDefaultColor);
    // Yellow (red 255, green 255) at 12 with "Default", black at 1; 11 and 0 without.
    EXPECT_EQ(with[12], 0x0000FFFFu);
    EXPECT_EQ(with[1], 0u);
    EXPECT_EQ(without[11], 0x0000FFFFu);
    EXPECT_EQ(without[0], 0u);
    EXPECT_EQ(with[16], 0x00FFFFFFu);
    EXPECT_EQ(with[10], 0x000000FFu) << "red";
    EXPECT_EQ(with[13], 0x00FF0000u) << "blue";
    // The sixteen colours of the standard palette, as 0x00BBGGRR.
    const std::vector<std::uint32_t> palette = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
        0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    };
    EXPECT_EQ(without, palette);
    EXPECT_EQ(std::vector<std::uint32_t>(with.begin() + 1, with.end()), palette);
}

TEST(ColorList, FindingAndStoringAColour)
{
    const std::vector<std::uint32_t> list = ColorListItems(true);
    // The last entry wins when two hold the same colour.
    const std::vector<std::uint32_t> doubled = {5, 7, 5, 9};
    struct {
        const std::vector<std::uint32_t>* items;
        std::uint32_t value;
        int index;
    } cases[] = {
        {&list, 0x0000FFFF, 12}, {&list, 0, 1},  {&list, kDefaultColor, 0}, {&list, 0x030201, -1},
        {&doubled, 5, 2},        {&doubled, 9, 3}, {&doubled, 8, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindColorFromEnd(*c.items, c.value), c.index) << std::hex << c.value;
    EXPECT_EQ(FindColorFromEnd({}, 0), -1);

    // No selection stores "Default".
    EXPECT_EQ(StoredColorOf(list, -1), kDefaultColor);
    EXPECT_EQ(StoredColorOf(list, 17), kDefaultColor);
    EXPECT_EQ(StoredColorOf(list, 0), kDefaultColor);
    EXPECT_EQ(StoredColorOf(list, 13), 0x00FF0000u);
    EXPECT_EQ(StoredColorOf(doubled, 0), 5u);
    EXPECT_EQ(StoredColorOf(doubled, 3), 9u);
    EXPECT_EQ(StoredColorOf(doubled, 4), kDefaultColor);
}

TEST(ColorList, HowAnEntryIsPainted)
{
    using P = ColorItemPaint;
    const Rect item{0, 20, 100, 36};
    struct {
        const char* what;
        bool drawAsked;
        bool hasEntry;
        std::uint32_t color;
        Rect item;
        bool background;
        P::Content content;
        Rect swatch, fill;
    } cases[] = {
        {"a colour", true, true, 0x0000FFFFu, item, true, P::kSwatch, {2, 22, 98, 34}, {3, 23, 97, 33}},
        {"white", true, true, 0x00FFFFFFu, item, true, P::kSwatch, {2, 22, 98, 34}, {3, 23, 97, 33}},
        {"Default", true, true, kDefaultColor, item, true, P::kText, {}, {}},
        {"the field without a selection", true, false, 0u, item, true, P::kNothing, {}, {}},
        {"only the focus changed", false, true, 0x0000FFFFu, item, false, P::kNothing, {}, {}},
        // An item too small for a swatch inside its margin shows its background alone; a
        // swatch too small for colour inside its frame is all frame.
        {"7 pixels high", true, true, 0x0000FFFFu, {0, 0, 100, 7}, true, P::kSwatch, {2, 2, 98, 5}, {3, 3, 97, 4}},
        {"6 pixels high", true, true, 0x0000FFFFu, {0, 0, 100, 6}, true, P::kSwatch, {2, 2, 98, 4}, {}},
        {"6 pixels wide", true, true, 0x0000FFFFu, {10, 0, 16, 16}, true, P::kSwatch, {12, 2, 14, 14}, {}},
        {"4 pixels high", true, true, 0x0000FFFFu, {0, 0, 100, 4}, true, P::kNothing, {}, {}},
        {"4 pixels wide", true, true, 0x0000FFFFu, {10, 0, 14, 16}, true, P::kNothing, {}, {}},
    };
    for (const auto& c : cases) {
        const P paint = PaintOfColorItem(c.drawAsked, c.hasEntry, c.color, c.item);
        EXPECT_EQ(paint.background, c.background) << c.what;
        EXPECT_EQ(paint.content, c.content) << c.what;
        EXPECT_EQ(paint.swatch, c.swatch) << c.what;
        EXPECT_EQ(paint.fill, c.fill) << c.what;
    }
}
