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
}
