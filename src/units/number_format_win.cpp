#include "units/number_format_win.h"

#include "units/number_format.h"

#include <windows.h>

#include <cstdlib>

namespace {

// The separators outlive the call: the description points into these.
char g_szDecimalSep[5];
char g_szThousandSep[5];

int FormatWithSystem(const char* text, const NumberDescription* desc, char* out, int cchOut)
{
    if (desc == nullptr)
        return GetNumberFormatA(LOCALE_USER_DEFAULT, 0, text, nullptr, out, cchOut);
    // Not every GetNumberFormatA checks for null separators before reading them.
    if (desc->lpDecimalSep == nullptr || desc->lpThousandSep == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    NUMBERFMTA fmt;
    fmt.NumDigits = desc->NumDigits;
    fmt.LeadingZero = desc->LeadingZero;
    fmt.Grouping = desc->Grouping;
    fmt.lpDecimalSep = const_cast<LPSTR>(desc->lpDecimalSep);
    fmt.lpThousandSep = const_cast<LPSTR>(desc->lpThousandSep);
    fmt.NegativeOrder = desc->NegativeOrder;
    return GetNumberFormatA(LOCALE_USER_DEFAULT, 0, text, &fmt, out, cchOut);
}

bool ReadNumber(LCTYPE type, unsigned* field)
{
    char buffer[8];
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof buffer) == 0)
        return false;
    const int value = std::atoi(buffer);
    *field = value < 0 ? 0u : static_cast<unsigned>(value);
    return true;
}

bool ReadGrouping(unsigned* field)
{
    // Room for the longest grouping text a locale may hold ("3;2;0" is typical).
    char buffer[16];
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SGROUPING, buffer, sizeof buffer) == 0)
        return false;
    *field = GroupingFromLocaleText(buffer);
    return true;
}

bool ReadSeparator(LCTYPE type, char* buffer, int cch, const char** field)
{
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, cch) == 0)
        return false;
    *field = buffer;
    return true;
}

} // namespace

void InitNumberLocaleFromSystem()
{
    // Reading stops at the first failure; what was not read stays zero or null, and null
    // separators make every call fall back to the raw text.
    NumberDescription desc;
    (void)(ReadNumber(LOCALE_IDIGITS, &desc.NumDigits) && ReadNumber(LOCALE_ILZERO, &desc.LeadingZero)
           && ReadGrouping(&desc.Grouping)
           && ReadSeparator(LOCALE_SDECIMAL, g_szDecimalSep, sizeof g_szDecimalSep, &desc.lpDecimalSep)
           && ReadSeparator(LOCALE_STHOUSAND, g_szThousandSep, sizeof g_szThousandSep, &desc.lpThousandSep)
           && ReadNumber(LOCALE_INEGNUMBER, &desc.NegativeOrder));
    SetNumberLocale(desc, FormatWithSystem);
}
