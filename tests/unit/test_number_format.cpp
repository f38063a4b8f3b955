#include "units/number_format.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {

NumberDescription Desc(unsigned digits, unsigned leadingZero, unsigned grouping, const char* dec, const char* thou,
                       unsigned negativeOrder)
{
    return NumberDescription{digits, leadingZero, grouping, dec, thou, negativeOrder};
}

const NumberDescription kEnUs = Desc(2, 1, 3, ".", ",", 1);

// Installs a description with the core formatter for one test; puts en-US back after.
class NumberLocale : public ::testing::Test {
protected:
    void TearDown() override { SetNumberLocale(kEnUs, nullptr); }
};

std::string Format(const char* text, const NumberDescription& d)
{
    char out[256];
    return FormatNumberString(text, &d, out, sizeof out) ? out : "<fail>";
}

} // namespace

TEST(FormatNumberString, RoundsGroupsAndPlacesSigns)
{
    const NumberDescription de = Desc(2, 1, 3, ",", ".", 1);
    struct {
        const char* text;
        NumberDescription d;
        const char* want;
    } cases[] = {
        {"1234567.5", kEnUs, "1,234,567.50"},
        {"1234567.5", de, "1.234.567,50"},
        {"0.125", kEnUs, "0.13"},                       // halves away from zero on the text
        {"0.125", Desc(2, 0, 3, ".", ",", 1), ".13"},   // no leading zero
        {"0.4", Desc(0, 0, 3, ".", ",", 1), "0"},       // nothing after it: the zero stays
        {"999.996", kEnUs, "1,000.00"},                 // carry adds a digit and a group
        {"9.5", Desc(0, 1, 3, ".", ",", 1), "10"},
        {".5", Desc(0, 1, 3, ".", ",", 1), "1"},
        {"5.", Desc(1, 1, 3, ".", ",", 1), "5.0"},
        {"007.10", Desc(1, 1, 3, ".", ",", 1), "7.1"},
        {"1.5", Desc(9, 1, 3, ".", ",", 1), "1.500000000"},
        {"-0.004", kEnUs, "0.00"},                      // rounds to zero: no sign
        {"-0.000000", Desc(0, 1, 3, ".", ",", 0), "0"},
        {"-0.005", kEnUs, "-0.01"},
        {"1234567", Desc(0, 1, 0, ".", ",", 1), "1234567"},
        {"1234567", Desc(0, 1, 32, ".", ",", 1), "12,34,567"},
        {"123456", Desc(0, 1, 32, ".", ",", 1), "1,23,456"},
        {"1234567", Desc(0, 1, 4, ".", ",", 1), "123,4567"},
        {"123", Desc(0, 1, 1, ".", ",", 1), "1,2,3"},
        {"1234.5", Desc(1, 1, 3, "<->", "'''", 1), "1'''234<->5"},
        {"-1234.5", Desc(1, 1, 3, ".", ",", 0), "(1,234.5)"},
        {"-1234.5", Desc(1, 1, 3, ".", ",", 1), "-1,234.5"},
        {"-1234.5", Desc(1, 1, 3, ".", ",", 2), "- 1,234.5"},
        {"-1234.5", Desc(1, 1, 3, ".", ",", 3), "1,234.5-"},
        {"-1234.5", Desc(1, 1, 3, ".", ",", 4), "1,234.5 -"},
    };
    for (auto& c : cases)
        EXPECT_EQ(Format(c.text, c.d), c.want) << c.text;
}

TEST(FormatNumberString, RejectsWhatIsNotPlainDecimal)
{
    const char* bad[] = {"", "-", ".", "-.", "1.2.3", "+1", " 1", "1 ", "1e5", "nan", "-inf", "1,000", "--1", "0x10"};
    for (const char* text : bad)
        EXPECT_EQ(Format(text, kEnUs), "<fail>") << '"' << text << '"';
    EXPECT_EQ(Format("1", Desc(2, 1, 3, nullptr, ",", 1)), "<fail>");
    EXPECT_EQ(Format("1", Desc(2, 1, 3, ".", nullptr, 1)), "<fail>");
    EXPECT_EQ(Format("1", Desc(2, 1, 3, ".", ",", 5)), "<fail>");
    char out[8];
    EXPECT_EQ(FormatNumberString(nullptr, &kEnUs, out, sizeof out), 0);
    EXPECT_EQ(FormatNumberString("1", &kEnUs, nullptr, 8), 0);
    EXPECT_EQ(FormatNumberString("1", &kEnUs, out, -1), 0);
}

TEST(FormatNumberString, SizeQueryAndBufferBounds)
{
    // "1,234.50" is 8 characters: 9 with the terminator.
    EXPECT_EQ(FormatNumberString("1234.5", &kEnUs, nullptr, 0), 9);
    const NumberDescription oneDigit = Desc(1, 1, 3, ".", ",", 1);
    EXPECT_EQ(FormatNumberString("1234.5", &oneDigit, nullptr, 0), 8) << "1,234.5";
    char out[16];
    std::memset(out, 'x', sizeof out);
    EXPECT_EQ(FormatNumberString("1234.5", &kEnUs, out, 8), 0);
    EXPECT_EQ(out[0], 'x') << "a failed call writes nothing";
    EXPECT_EQ(FormatNumberString("1234.5", &kEnUs, out, 9), 9);
    EXPECT_STREQ(out, "1,234.50");
    EXPECT_EQ(out[9], 'x');
    // A size that cannot be represented fails instead of wrapping.
    const NumberDescription huge = Desc(UINT32_MAX, 1, 3, ".", ",", 1);
    EXPECT_EQ(FormatNumberString("1", &huge, nullptr, 0), 0);
    EXPECT_EQ(FormatNumberString("1", &huge, out, sizeof out), 0);
}

TEST_F(NumberLocale, CommaLocaleExamples)
{
    SetNumberLocale(Desc(2, 1, 3, ",", ".", 1), nullptr);
    struct {
        double value;
        bool fixed;
        int digits;
        const char* want;
    } cases[] = {
        {1234.5, false, 2, "1.234,5"},
        {2.0, false, 2, "2"},
        {0.125, false, 2, "0,13"},
        {2.0, true, 2, "2,00"},
        {-1234.25, false, 2, "-1.234,25"},
        {0.5, true, 12, "0,500000000"},   // digits above 9 count as 9
        {0.5, true, -1, "0,50"},          // the locale's own decimals
        {0.5, true, -7, "0,50"},          // below -1 counts as -1
        {1.0 / 3, false, -1, "0,33"},
        {1.0 / 3, false, 4, "0,3333"},
    };
    for (auto& c : cases)
        EXPECT_EQ(FormatNumber(c.value, c.fixed, c.digits), c.want) << c.value << " " << c.fixed << " " << c.digits;
}

TEST_F(NumberLocale, FormatIntegerGroupsWithTheLocale)
{
    SetNumberLocale(Desc(2, 1, GroupingFromLocaleText("3;2;0"), ".", ",", 1), nullptr);
    EXPECT_EQ(FormatInteger(1234567), "12,34,567");
    SetNumberLocale(Desc(2, 1, 3, ".", ",", 0), nullptr);
    EXPECT_EQ(FormatInteger(-42), "(42)");
    EXPECT_EQ(FormatInteger(0), "0");
    EXPECT_EQ(FormatInteger(INT64_MIN), "(9,223,372,036,854,775,808)");
}

TEST(CountDecimals, SmallestExactDigitCount)
{
    struct {
        int max;
        double value;
        int want;
    } cases[] = {
        {4, 0.125, 3}, {2, 0.1, 1}, {2, 7.0, 0}, {2, 0.125, 2}, {9, 1.0 / 3, 9}, {0, 0.5, 0},
        {3, -2.5, 1}, {5, std::numeric_limits<double>::infinity(), 0}, {5, std::nan(""), 5},
        {9, DBL_TRUE_MIN, 9}, {-3, 0.5, -3},
    };
    for (auto& c : cases)
        EXPECT_EQ(CountDecimals(c.max, c.value), c.want) << c.max << " " << c.value;
}

TEST_F(NumberLocale, CountDecimalsMinusOneUsesTheLocaleDigitsUpToNine)
{
    SetNumberLocale(Desc(1, 1, 3, ".", ",", 1), nullptr);
    EXPECT_EQ(CountDecimals(-1, 0.125), 1);
    SetNumberLocale(Desc(4000000000u, 1, 3, ".", ",", 1), nullptr);
    EXPECT_EQ(CountDecimals(-1, std::nan("")), 9);
}

TEST(GroupingFromLocaleText, OnlyThreeTwoZeroIsSpecial)
{
    struct {
        const char* text;
        unsigned want;
    } cases[] = {{"3;2;0", 32}, {"3;0", 3}, {"0;0", 0}, {"4;0", 4}, {"3;2", 3}, {"3", 3}, {"", 0}, {";3", 0}, {nullptr, 0}};
    for (auto& c : cases)
        EXPECT_EQ(GroupingFromLocaleText(c.text), c.want) << (c.text ? c.text : "null");
}

namespace {
int g_calls = 0;
// A formatter that scribbles a partial result and then fails, as a platform one may.
int ScribbleAndFail(const char*, const NumberDescription*, char* out, int cchOut)
{
    ++g_calls;
    if (cchOut == 0)
        return 3;
    std::snprintf(out, static_cast<std::size_t>(cchOut), "xx");
    return 0;
}
} // namespace

TEST_F(NumberLocale, FallsBackToTheRawTextOrNothing)
{
    char out[8];
    EXPECT_FALSE(FormatWithLocale("1234567.5", &kEnUs, out, sizeof out));   // needs 13
    EXPECT_STREQ(out, "") << "the raw text does not fit either";
    EXPECT_FALSE(FormatWithLocale("1234567", &kEnUs, out, sizeof out));     // "1,234,567.00"
    EXPECT_STREQ(out, "1234567");
    EXPECT_FALSE(FormatWithLocale("abc", &kEnUs, out, sizeof out));
    EXPECT_STREQ(out, "abc");
    EXPECT_FALSE(FormatWithLocale("a", &kEnUs, out, sizeof out));
    EXPECT_STREQ(out, "a");
    EXPECT_TRUE(FormatWithLocale("12", &kEnUs, out, sizeof out));
    EXPECT_STREQ(out, "12.00");
    EXPECT_FALSE(FormatWithLocale("12", &kEnUs, nullptr, sizeof out));
    EXPECT_FALSE(FormatWithLocale("12", &kEnUs, out, 0));

    SetNumberLocale(kEnUs, ScribbleAndFail);
    g_calls = 0;
    EXPECT_FALSE(FormatWithLocale("1.5", nullptr, out, sizeof out));
    EXPECT_STREQ(out, "1.5");
    EXPECT_EQ(g_calls, 2);
}

TEST_F(NumberLocale, AnyValueAndDescriptionStaysWithin63Characters)
{
    char raw[400];
    // A failed start-up read leaves null separators: the raw "%f" text is shown.
    SetNumberLocale(NumberDescription{}, nullptr);
    EXPECT_EQ(FormatNumber(1234.5, true, 2), "1234.500000");
    EXPECT_EQ(FormatInteger(-5), "-5");

    const double values[] = {0.0, -0.0, 1e15, -1e15, 1e308, -DBL_MAX, DBL_TRUE_MIN, std::nan(""),
                             -std::numeric_limits<double>::infinity(), 123456789.987654321};
    const NumberDescription descs[] = {
        kEnUs,
        Desc(9, 1, 1, "abcd", "wxyz", 0),
        Desc(UINT32_MAX, 7, 32, ".", ",", 4),
        Desc(3, 1, UINT32_MAX, "a-very-long-separator-indeed", ",", 2),
        Desc(2, 1, 3, ".", ",", 77),
    };
    for (const NumberDescription& d : descs) {
        SetNumberLocale(d, nullptr);
        for (double v : values)
            for (int digits : {-1, 0, 2, 9, 40}) {
                for (bool fixed : {false, true}) {
                    const std::string s = FormatNumber(v, fixed, digits);
                    EXPECT_LE(s.size(), 63u) << v;
                    std::snprintf(raw, sizeof raw, "%f", v);
                    if (!std::isfinite(v)) {
                        EXPECT_EQ(s, raw) << "not a number: the raw text";
                    }
                }
            }
        EXPECT_LE(FormatInteger(INT64_MIN).size(), 63u);
    }
}
