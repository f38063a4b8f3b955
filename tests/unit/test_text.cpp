#include "base/text.h"

#include <climits>
#include <gtest/gtest.h>

TEST(Text, WholeNumbers)
{
    const struct {
        const char* text;
        bool ok;
        int value;  // 99: left alone
    } cases[] = {
        {"42", true, 42},           {"  -7\t ", true, -7},       {"+5", true, 5},
        {"\t3 ", true, 3},          {"", false, 99},             {" \t", false, 99},
        {"12a", false, 99},         {"3 x", false, 99},          {"x3", false, 99},
        {"2147483647", true, INT_MAX}, {"2147483648", false, 99}, {"-2147483648", true, INT_MIN},
        {"-2147483649", false, 99}, {"99999999999999999999", false, 99},
    };
    for (const auto& c : cases) {
        int value = 99;
        EXPECT_EQ(ParseWholeNumber(c.text, value), c.ok) << '"' << c.text << '"';
        EXPECT_EQ(value, c.value) << '"' << c.text << '"';
    }
}

TEST(Text, InsertsAndParts)
{
    EXPECT_EQ(ReplaceArgs("a%1b%2c", "X", "Y"), "aXbYc");
    EXPECT_EQ(ReplaceArgs("%2 before %1", "A", "B"), "B before A");
    EXPECT_EQ(ReplaceArgs("%3:%1:%2", "a", "b", "c"), "c:a:b");
    EXPECT_EQ(ReplaceArgs("%1 and %1", "x"), "x and %1");
    EXPECT_EQ(ReplaceArgs("none", "x", "y"), "none");

    const struct { const char* text; int index; const char* part; } parts[] = {
        {"a\nbb\nccc", 0, "a"}, {"a\nbb\nccc", 1, "bb"}, {"a\nbb\nccc", 2, "ccc"}, {"a\nbb\nccc", 3, ""},
        {"a\n", 1, ""},         {"\nx", 0, ""},          {"", 0, ""},
    };
    for (const auto& p : parts)
        EXPECT_EQ(TextPart(p.text, p.index), p.part) << p.index;
}
