#include "units/number_locale.h"

#include <cstdlib>

namespace {

bool ReadNumber(const LocaleTextReader& read, LocaleField field, unsigned* out)
{
    char buffer[8];
    if (!read(field, buffer, sizeof buffer))
        return false;
    *out = LocaleNumberOf(buffer);
    return true;
}

bool ReadGrouping(const LocaleTextReader& read, unsigned* out)
{
    // Room for the longest grouping text a locale may hold ("3;2;0" is typical).
    char buffer[16];
    if (!read(LocaleField::kGrouping, buffer, sizeof buffer))
        return false;
    *out = GroupingFromLocaleText(buffer);
    return true;
}

bool ReadSeparator(const LocaleTextReader& read, LocaleField field, char (&buffer)[kLocaleSeparatorRoom],
                   const char** out)
{
    if (!read(field, buffer, sizeof buffer))
        return false;
    *out = buffer;
    return true;
}

} // namespace

NumberDescription ReadNumberDescription(const LocaleTextReader& read, char (&decimal)[kLocaleSeparatorRoom],
                                        char (&thousand)[kLocaleSeparatorRoom])
{
    NumberDescription desc;
    (void)(ReadNumber(read, LocaleField::kDigits, &desc.NumDigits) &&
           ReadNumber(read, LocaleField::kLeadingZero, &desc.LeadingZero) && ReadGrouping(read, &desc.Grouping) &&
           ReadSeparator(read, LocaleField::kDecimalSep, decimal, &desc.lpDecimalSep) &&
           ReadSeparator(read, LocaleField::kThousandSep, thousand, &desc.lpThousandSep) &&
           ReadNumber(read, LocaleField::kNegativeOrder, &desc.NegativeOrder));
    return desc;
}

unsigned LocaleNumberOf(const char* text)
{
    const int value = std::atoi(text);
    return value < 0 ? 0u : static_cast<unsigned>(value);
}
