#include "units/number_format_win.h"

#include "units/number_format.h"
#include "units/number_locale.h"

#include <windows.h>

namespace {

// The separators outlive the call: the description points into these.
char g_szDecimalSep[kLocaleSeparatorRoom];
char g_szThousandSep[kLocaleSeparatorRoom];

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

LCTYPE LocaleTypeOf(LocaleField field)
{
    switch (field) {
    case LocaleField::kDigits: return LOCALE_IDIGITS;
    case LocaleField::kLeadingZero: return LOCALE_ILZERO;
    case LocaleField::kGrouping: return LOCALE_SGROUPING;
    case LocaleField::kDecimalSep: return LOCALE_SDECIMAL;
    case LocaleField::kThousandSep: return LOCALE_STHOUSAND;
    case LocaleField::kNegativeOrder: return LOCALE_INEGNUMBER;
    }
    return 0;
}

bool ReadLocaleText(LocaleField field, char* buffer, int cch)
{
    return GetLocaleInfoA(LOCALE_USER_DEFAULT, LocaleTypeOf(field), buffer, cch) != 0;
}

} // namespace

void InitNumberLocaleFromSystem()
{
    SetNumberLocale(ReadNumberDescription(&ReadLocaleText, g_szDecimalSep, g_szThousandSep), FormatWithSystem);
}
