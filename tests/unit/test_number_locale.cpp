#include "units/number_locale.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

TEST(LocaleTexts, DescribeTheNumbers)
{
    using F = LocaleField;
    using Texts = std::map<F, std::string>;
    const Texts us{{F::kDigits, "2"},      {F::kLeadingZero, "1"},  {F::kGrouping, "3;0"},
                   {F::kDecimalSep, "."},  {F::kThousandSep, ","}, {F::kNegativeOrder, "1"}};
    const Texts india{{F::kDigits, "2"},     {F::kLeadingZero, "1"},  {F::kGrouping, "3;2;0"},
                      {F::kDecimalSep, "."}, {F::kThousandSep, ","}, {F::kNegativeOrder, "1"}};
    const Texts german{{F::kDigits, "3"},     {F::kLeadingZero, "0"},  {F::kGrouping, "3;0"},
                       {F::kDecimalSep, ","}, {F::kThousandSep, "."}, {F::kNegativeOrder, "-4"}};
    Texts noGrouping = us;
    noGrouping.erase(F::kGrouping);
    Texts noThousands = us;
    noThousands.erase(F::kThousandSep);
    Texts noNegative = us;
    noNegative.erase(F::kNegativeOrder);
    struct {
        const char* what;
        Texts texts;
        NumberDescription want;
        const char* decimal;
        const char* thousand;
        std::vector<F> asked;
    } cases[] = {
        {"en-US", us, {2, 1, 3, nullptr, nullptr, 1}, ".", ",", {}},
        {"grouped 3 then 2", india, {2, 1, 32, nullptr, nullptr, 1}, ".", ",", {}},
        {"a negative number reads as 0", german, {3, 0, 3, nullptr, nullptr, 0}, ",", ".", {}},
        // The first text missing ends the reading; what follows stays unread.
        {"nothing", {}, {}, nullptr, nullptr, {F::kDigits}},
        {"no grouping", noGrouping, {2, 1, 0, nullptr, nullptr, 0}, nullptr, nullptr,
         {F::kDigits, F::kLeadingZero, F::kGrouping}},
        {"no thousands separator", noThousands, {2, 1, 3, nullptr, nullptr, 0}, ".", nullptr,
         {F::kDigits, F::kLeadingZero, F::kGrouping, F::kDecimalSep, F::kThousandSep}},
        {"no negative order", noNegative, {2, 1, 3, nullptr, nullptr, 0}, ".", ",", {}},
    };
    for (const auto& c : cases) {
        std::vector<F> asked;
        const Texts& texts = c.texts;
        const LocaleTextReader read = [&texts, &asked](F field, char* buffer, int cch) {
            asked.push_back(field);
            const auto it = texts.find(field);
            if (it == texts.end())
                return false;
            std::snprintf(buffer, std::size_t(cch), "%s", it->second.c_str());
            return true;
        };
        char decimal[kLocaleSeparatorRoom] = "?";
        char thousand[kLocaleSeparatorRoom] = "?";
        const NumberDescription d = ReadNumberDescription(read, decimal, thousand);
        EXPECT_EQ(d.NumDigits, c.want.NumDigits) << c.what;
        EXPECT_EQ(d.LeadingZero, c.want.LeadingZero) << c.what;
        EXPECT_EQ(d.Grouping, c.want.Grouping) << c.what;
        EXPECT_EQ(d.NegativeOrder, c.want.NegativeOrder) << c.what;
        EXPECT_EQ(d.lpDecimalSep ? std::string(d.lpDecimalSep) : "(null)", c.decimal ? c.decimal : "(null)") << c.what;
        EXPECT_EQ(d.lpThousandSep ? std::string(d.lpThousandSep) : "(null)", c.thousand ? c.thousand : "(null)")
            << c.what;
        // The separators live in the buffers given, not in the reader's texts.
        if (d.lpDecimalSep) {
            EXPECT_EQ(d.lpDecimalSep, decimal) << c.what;
        }
        if (!c.asked.empty()) {
            EXPECT_EQ(asked, c.asked) << c.what;
        }
    }
}
