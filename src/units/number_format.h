// Locale-aware number text for the caption line: positions, distances, angles and screen
// coordinates. The user's number description is read once at start-up (number_format_win)
// and handed in here; everything below is platform-free.
#pragma once

#include <cstdint>
#include <string>

// Mirrors NUMBERFMTA field by field, so the Win32 side converts without translation.
struct NumberDescription {
    unsigned NumDigits = 0, LeadingZero = 0, Grouping = 0;
    const char* lpDecimalSep = nullptr;
    const char* lpThousandSep = nullptr;
    unsigned NegativeOrder = 0;
};

// The GetNumberFormatA contract: with cchOut 0, returns the size needed (terminator
// included) and writes nothing; otherwise writes the text and returns the characters
// written including the terminator. Returns 0 on failure (text not plain decimal, null
// separators, unknown NegativeOrder, buffer too small). desc null = the locale's defaults.
using LocaleFormatter = int (*)(const char* text, const NumberDescription* desc, char* out, int cchOut);

// The platform-free implementation of that contract. Text is an optional minus, digits,
// an optional full stop and digits. The fraction is rounded to NumDigits on the decimal
// text (halves away from zero). Grouping 0 = none, 32 = a group of 3 then groups of 2,
// any other value = a group size. A negative number that rounds to zero loses its sign.
int FormatNumberString(const char* text, const NumberDescription* desc, char* out, int cchOut);

// Installs the user locale's description and the formatter; formatter null = the core one.
// Until called, the description is an en-US-like default (2 digits, leading zero, groups
// of 3, "." and ",", leading minus).
void SetNumberLocale(const NumberDescription& userDefault, LocaleFormatter formatter);
const NumberDescription& GetNumberLocale();

// LOCALE_SGROUPING text to the Grouping field: "3;2;0" is 32, anything else the value of
// its first character as a digit ("3;0" is 3); a text not starting with a digit is 0.
unsigned GroupingFromLocaleText(const char* text);

// value with the locale's separators; digits is clamped to -1..9, -1 meaning the locale's
// own number of decimals. Unless fixed, trailing zero decimals are dropped. At most 63
// characters: when the locale cannot format it, the raw "%f" text if that fits, else "".
std::string FormatNumber(double value, bool fixed, int digits);

// value grouped, without decimals; same limits and fall-back as FormatNumber.
std::string FormatInteger(std::int64_t value);

// The smallest d in 0..max for which value * 10^d has no fractional part; max when there
// is none (NaN included). max -1 means the locale's NumDigits (at most 9).
int CountDecimals(int max, double value);

// Formats text with the installed formatter into out (cchOut characters). On failure the
// raw text is copied when it fits (else out is emptied) and false is returned: callers use
// out either way.
bool FormatWithLocale(const char* text, const NumberDescription* desc, char* out, int cchOut);
