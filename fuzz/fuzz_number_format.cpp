// Arbitrary values, digit counts, descriptions and texts through the number formatter.
// Checks: results stay within 63 characters; the size query agrees with the written text;
// a plain description gives what a simple string-based rounding gives; thousands
// separators removed leave the ungrouped text; en-US results read back close to the value.
#include "units/number_format.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include "fuzz_check.h"

namespace {

const char* PickSeparator(FuzzedDataProvider& fdp, std::string& storage)
{
    switch (fdp.ConsumeIntegralInRange(0, 3)) {
    case 0: return nullptr;
    case 1: return fdp.PickValueInArray({".", ",", " ", "'", ""});
    case 2: storage = fdp.ConsumeRandomLengthString(5); return storage.c_str();
    default: storage = fdp.ConsumeRandomLengthString(200); return storage.c_str();
    }
}

// Independent reference for a plain description (no grouping, "." separator, leading
// zero, leading minus): round the digit string with an explicit carry.
bool Reference(const std::string& text, unsigned numDigits, std::string* out)
{
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative)
        i = 1;
    std::string intPart, frac;
    bool dot = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !dot)
            dot = true;
        else if (c >= '0' && c <= '9')
            (dot ? frac : intPart) += c;
        else
            return false;
    }
    if (intPart.empty() && frac.empty())
        return false;
    std::string digits = intPart + frac + std::string(numDigits, '0');
    const std::size_t keep = intPart.size() + numDigits;
    const bool up = frac.size() > numDigits && frac[numDigits] >= '5';
    digits.resize(keep);
    if (up) {
        std::size_t k = keep;
        while (k > 0 && digits[k - 1] == '9')
            digits[--k] = '0';
        if (k == 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[k - 1];
    }
    std::string whole = digits.substr(0, digits.size() - numDigits);
    const std::string decimals = digits.substr(digits.size() - numDigits);
    whole.erase(0, whole.find_first_not_of('0') == std::string::npos ? whole.size() : whole.find_first_not_of('0'));
    if (whole.empty())
        whole = "0";
    const bool zero = whole == "0" && decimals.find_first_not_of('0') == std::string::npos;
    *out = (negative && !zero ? "-" : "") + whole + (numDigits ? "." + decimals : "");
    return true;
}

void FuzzFormatter(FuzzedDataProvider& fdp)
{
    const unsigned numDigits = fdp.ConsumeIntegralInRange<unsigned>(0, 12);
    std::string text = fdp.ConsumeRandomLengthString(80);
    text.resize(std::strlen(text.c_str()));   // the formatter sees a C string
    const NumberDescription plain{numDigits, 1, 0, ".", ",", 1};

    char out[256];
    const int n = FormatNumberString(text.c_str(), &plain, out, sizeof out);
    const int need = FormatNumberString(text.c_str(), &plain, nullptr, 0);
    std::string want;
    const bool valid = Reference(text, numDigits, &want);
    Check((n != 0) == valid, "accepts exactly plain decimal text");
    if (!valid)
        return;
    Check(need == n && std::strlen(out) + 1 == static_cast<std::size_t>(n), "size query and written length");
    Check(want == out, "matches the reference rounding");

    // Grouping only inserts separators.
    NumberDescription grouped = plain;
    grouped.Grouping = fdp.PickValueInArray({1u, 2u, 3u, 4u, 32u, 1000u});
    char out2[512];
    if (FormatNumberString(text.c_str(), &grouped, out2, sizeof out2) != 0) {
        std::string stripped;
        for (const char* p = out2; *p; ++p)
            if (*p != ',')
                stripped += *p;
        Check(stripped == want, "grouping only adds separators");
    }
    // One character short fails and leaves the buffer alone.
    if (n > 1) {
        char small[256];
        small[0] = 'x';
        Check(FormatNumberString(text.c_str(), &plain, small, n - 1) == 0 && small[0] == 'x', "short buffer fails");
    }
}

void FuzzFormatNumber(FuzzedDataProvider& fdp)
{
    std::string decStorage, thouStorage;
    NumberDescription d;
    d.NumDigits = fdp.ConsumeBool() ? fdp.ConsumeIntegral<unsigned>() : fdp.ConsumeIntegralInRange<unsigned>(0, 10);
    d.LeadingZero = fdp.ConsumeIntegralInRange<unsigned>(0, 2);
    d.Grouping = fdp.ConsumeBool() ? fdp.ConsumeIntegral<unsigned>() : fdp.PickValueInArray({0u, 3u, 32u});
    d.lpDecimalSep = PickSeparator(fdp, decStorage);
    d.lpThousandSep = PickSeparator(fdp, thouStorage);
    d.NegativeOrder = fdp.ConsumeIntegralInRange<unsigned>(0, 6);
    const bool fixed = fdp.ConsumeBool();
    const int digits = fdp.ConsumeIntegral<int>();
    double value = fdp.ConsumeFloatingPoint<double>();
    if (fdp.ConsumeBool())
        value = static_cast<double>(fdp.ConsumeIntegralInRange<std::int64_t>(-1000000000, 1000000000)) / 1000.0;
    const std::int64_t integer = fdp.ConsumeIntegral<std::int64_t>();

    SetNumberLocale(d, nullptr);
    Check(FormatNumber(value, fixed, digits).size() <= 63, "FormatNumber within 63");
    Check(FormatInteger(integer).size() <= 63, "FormatInteger within 63");

    // With en-US the text reads back within half a unit of its last decimal.
    SetNumberLocale(NumberDescription{2, 1, 3, ".", ",", 1}, nullptr);
    if (std::isfinite(value) && std::fabs(value) < 1e12) {
        const int shown = digits < -1 ? 2 : digits > 9 ? 9 : digits == -1 ? 2 : digits;
        std::string s = FormatNumber(value, true, digits), bare;
        for (char c : s)
            if (c != ',')
                bare += c;
        const double back = std::strtod(bare.c_str(), nullptr);
        // "%f" keeps six decimals; the formatter rounds that text once more.
        const double tolerance = 0.5 * std::pow(10.0, -(shown < 6 ? shown : 6)) + 1e-6 + std::fabs(value) * 1e-15;
        Check(std::fabs(back - value) <= tolerance, "en-US text reads back");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider fdp(data, size);
    if (fdp.ConsumeBool())
        FuzzFormatter(fdp);
    else
        FuzzFormatNumber(fdp);
    return 0;
}
