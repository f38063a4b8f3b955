#include "base/text.h"

#include <gtest/gtest.h>

TEST(Text, WholeNumberAcceptsOnlyAnIntWithBlanksAround)
{
    const struct {
        const char* text;
        bool ok;
        int value;
    } cases[] = {
        {"42", true, 42},         {" \t-7\t ", true, -7},     {"+3", true, 3},
        {"2147483647", true, 2147483647}, {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0}, {"99999999999999999999", false, 0},
        {"", false, 0},           {"  ", false, 0},           {"-", false, 0},
        {"12x", false, 0},        {"1 2", false, 0},          {"0x10", false, 0},
        {"5\n", false, 0},        // only blanks and tabs may follow
    };
    for (const auto& c : cases) {
        int value = 0;
        EXPECT_EQ(ParseWholeNumber(c.text, value), c.ok) << '"' << c.text << '"';
        EXPECT_EQ(value, c.value) << '"' << c.text << '"';
    }
}

TEST(Text, InsertsAndParts)
{
    EXPECT_EQ(InsertArg(InsertArg("between %1 and %2.", "%1", "50"), "%2", "1000"), "between 50 and 1000.");
    EXPECT_EQ(InsertArg("no %1 here %1", "%1", "x"), "no x here %1");  // the first one only
    EXPECT_EQ(InsertArg("plain", "%1", "x"), "plain");

    const struct {
        const char* text;
        int index;
        const char* part;
    } parts[] = {
        {"Sho&w\tV\nHid&e\tV", 0, "Sho&w\tV"}, {"Sho&w\tV\nHid&e\tV", 1, "Hid&e\tV"},
        {"Sho&w\tV\nHid&e\tV", 2, ""},         {"one", 0, "one"}, {"a\n\nc", 1, ""}, {"a\n\nc", 2, "c"},
        {"", 0, ""},
    };
    for (const auto& p : parts)
        EXPECT_EQ(TextPart(p.text, p.index), p.part) << p.index;
}
