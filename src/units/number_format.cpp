#include "units/number_format.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

// Formatted results fit a 64-character buffer: at most 63 characters and the terminator.
constexpr int kResultBuffer = 64;
constexpr int kMaxDigits = 9;

// Until start-up installs the user's, an en-US-like description keeps output readable.
NumberDescription g_numberLocale = {2, 1, 3, ".", ",", 1};
LocaleFormatter g_formatter = FormatNumberString;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The plain decimal text split into its parts; the integer part without leading zeros.
struct DecimalText {
    bool negative = false;
    const char* intDigits = nullptr;
    std::size_t intLen = 0;
    const char* fracDigits = nullptr;
    std::size_t fracLen = 0;
};

bool ParseDecimal(const char* p, DecimalText* t)
{
    if (*p == '-') {
        t->negative = true;
        ++p;
    }
    const char* start = p;
    while (IsDigit(*p))
        ++p;
    std::size_t total = static_cast<std::size_t>(p - start);
    while (start < p && *start == '0')
        ++start;
    t->intDigits = start;
    t->intLen = static_cast<std::size_t>(p - start);
    if (*p == '.') {
        t->fracDigits = ++p;
        while (IsDigit(*p))
            ++p;
        t->fracLen = static_cast<std::size_t>(p - t->fracDigits);
        total += t->fracLen;
    }
    return *p == '\0' && total > 0;
}

// Separators written before the integer digit that has `left` digits to its right.
bool GroupBoundary(unsigned grouping, std::size_t left)
{
    if (left == 0 || grouping == 0)
        return false;
    if (grouping == 32)
        return left == 3 || (left > 3 && (left - 3) % 2 == 0);
    return left % grouping == 0;
}

std::size_t CountSeparators(unsigned grouping, std::size_t intLen)
{
    if (intLen < 2 || grouping == 0)
        return 0;
    if (grouping == 32)
        return intLen <= 3 ? 0 : 1 + (intLen - 4) / 2;
    return (intLen - 1) / grouping;
}

// The rounded digits of the number, integer part and NumDigits decimals, read one by one
// without copying: rounding up turns a run of trailing nines into zeros and bumps the digit
// before it, or prefixes a 1 when every digit was a nine.
class RoundedDigits {
public:
    RoundedDigits(const DecimalText& t, std::size_t numDigits) : m_t(t)
    {
        const bool roundUp = t.fracLen > numDigits && t.fracDigits[numDigits] >= '5';
        m_kept = t.intLen + (numDigits < t.fracLen ? numDigits : t.fracLen);
        m_bump = SIZE_MAX;
        if (roundUp) {
            m_bump = m_kept;  // one past the end = every kept digit is a nine
            for (std::size_t i = m_kept; i-- > 0;)
                if (Source(i) != '9') {
                    m_bump = i;
                    break;
                }
            m_carry = m_bump == m_kept;
        }
        m_intLen = t.intLen + (m_carry ? 1 : 0);
    }

    std::size_t IntLen() const { return m_intLen; }

    bool IsZero() const
    {
        if (m_bump != SIZE_MAX)
            return false;
        for (std::size_t i = 0; i < m_kept; ++i)
            if (Source(i) != '0')
                return false;
        return true;
    }

    // Digit i of the result; i counts from the first integer digit.
    char At(std::size_t i) const
    {
        if (m_carry)
            return i == 0 ? '1' : '0';
        if (i >= m_kept)
            return '0';
        if (m_bump == SIZE_MAX || i < m_bump)
            return Source(i);
        return i == m_bump ? static_cast<char>(Source(i) + 1) : '0';
    }

private:
    char Source(std::size_t i) const
    {
        return i < m_t.intLen ? m_t.intDigits[i] : m_t.fracDigits[i - m_t.intLen];
    }

    const DecimalText& m_t;
    std::size_t m_kept = 0;
    std::size_t m_bump = SIZE_MAX;
    bool m_carry = false;
    std::size_t m_intLen = 0;
};

// Appends to a buffer already known to be large enough.
struct Writer {
    char* p;
    void Put(char c) { *p++ = c; }
    void Put(const char* s, std::size_t n)
    {
        std::memcpy(p, s, n);
        p += n;
    }
};

} // namespace

int FormatNumberString(const char* text, const NumberDescription* desc, char* out, int cchOut)
{
    if (desc == nullptr)
        desc = &g_numberLocale;
    if (text == nullptr || desc->lpDecimalSep == nullptr || desc->lpThousandSep == nullptr
        || desc->NegativeOrder > 4 || cchOut < 0 || (cchOut > 0 && out == nullptr))
        return 0;
    DecimalText t;
    if (!ParseDecimal(text, &t))
        return 0;

    const std::size_t numDigits = desc->NumDigits;
    const RoundedDigits digits(t, numDigits);
    const bool negative = t.negative && !digits.IsZero();
    // An empty integer part still shows its zero when nothing follows it.
    const bool zeroDigit = digits.IntLen() == 0 && (desc->LeadingZero != 0 || numDigits == 0);
    const std::size_t decLen = std::strlen(desc->lpDecimalSep);
    const std::size_t thouLen = std::strlen(desc->lpThousandSep);
    static const char* const kBefore[] = {"(", "-", "- ", "", ""};
    static const char* const kAfter[] = {")", "", "", "-", " -"};
    const char* before = negative ? kBefore[desc->NegativeOrder] : "";
    const char* after = negative ? kAfter[desc->NegativeOrder] : "";

    // Lengths in 64 bits: NumDigits and the separators may be anything a caller passes.
    const std::size_t seps = CountSeparators(desc->Grouping, digits.IntLen());
    unsigned long long need = std::strlen(before) + std::strlen(after) + digits.IntLen() + (zeroDigit ? 1 : 0)
        + static_cast<unsigned long long>(seps) * thouLen + 1;
    if (numDigits > 0)
        need += decLen + static_cast<unsigned long long>(numDigits);
    if (need > static_cast<unsigned long long>(INT_MAX))
        return 0;
    if (cchOut == 0)
        return static_cast<int>(need);
    if (need > static_cast<unsigned long long>(cchOut))
        return 0;

    Writer w{out};
    w.Put(before, std::strlen(before));
    if (zeroDigit)
        w.Put('0');
    for (std::size_t i = 0; i < digits.IntLen(); ++i) {
        w.Put(digits.At(i));
        if (GroupBoundary(desc->Grouping, digits.IntLen() - 1 - i))
            w.Put(desc->lpThousandSep, thouLen);
    }
    if (numDigits > 0) {
        w.Put(desc->lpDecimalSep, decLen);
        for (std::size_t i = 0; i < numDigits; ++i)
            w.Put(digits.At(digits.IntLen() + i));
    }
    w.Put(after, std::strlen(after));
    w.Put('\0');
    return static_cast<int>(need);
}

void SetNumberLocale(const NumberDescription& userDefault, LocaleFormatter formatter)
{
    g_numberLocale = userDefault;
    g_formatter = formatter != nullptr ? formatter : FormatNumberString;
}

const NumberDescription& GetNumberLocale() { return g_numberLocale; }

unsigned GroupingFromLocaleText(const char* text)
{
    if (text == nullptr || !IsDigit(text[0]))
        return 0;
    if (std::strcmp(text, "3;2;0") == 0)
        return 32;
    return static_cast<unsigned>(text[0] - '0');
}

bool FormatWithLocale(const char* text, const NumberDescription* desc, char* out, int cchOut)
{
    if (out == nullptr || cchOut <= 0)
        return false;
    if (text != nullptr) {
        const int need = g_formatter(text, desc, nullptr, 0);
        if (need > 0 && need <= cchOut && g_formatter(text, desc, out, cchOut) != 0)
            return true;
    }
    // The raw text stands in when the locale cannot format it; a formatter that failed may
    // have written part of a result, so the buffer is always rewritten.
    const std::size_t len = text != nullptr ? std::strlen(text) : 0;
    if (len > 0 && len < static_cast<std::size_t>(cchOut))
        std::memcpy(out, text, len + 1);
    else
        out[0] = '\0';
    return false;
}

int CountDecimals(int max, double value)
{
    if (max == -1)
        max = g_numberLocale.NumDigits > kMaxDigits ? kMaxDigits : static_cast<int>(g_numberLocale.NumDigits);
    if (std::isnan(value))
        return max;
    // Every finite value passes by d = 309 (10^d is then infinite), so the loop is bounded.
    for (int d = 0; d <= max; ++d) {
        double whole;
        if (std::modf(value * std::pow(10.0, d), &whole) == 0.0)
            return d;
    }
    return max;
}

std::string FormatNumber(double value, bool fixed, int digits)
{
    if (digits < -1)
        digits = -1;
    if (digits > kMaxDigits)
        digits = kMaxDigits;
    // "%f" of the largest doubles runs past 300 characters; the fall-back then finds it too
    // long for the result and leaves it empty.
    char raw[400];
    std::snprintf(raw, sizeof raw, "%f", value);
    if (!fixed)
        digits = CountDecimals(digits, value);
    char buffer[kResultBuffer];
    if (digits == -1) {
        FormatWithLocale(raw, nullptr, buffer, sizeof buffer);
    } else {
        NumberDescription desc = g_numberLocale;
        desc.NumDigits = static_cast<unsigned>(digits);
        FormatWithLocale(raw, &desc, buffer, sizeof buffer);
    }
    return buffer;
}

std::string FormatInteger(std::int64_t value)
{
    char raw[32];
    std::snprintf(raw, sizeof raw, "%lld", static_cast<long long>(value));
    NumberDescription desc = g_numberLocale;
    desc.NumDigits = 0;
    char buffer[kResultBuffer];
    FormatWithLocale(raw, &desc, buffer, sizeof buffer);
    return buffer;
}
