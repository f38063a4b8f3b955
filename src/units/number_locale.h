// Reading the user's number description from the locale's texts, field by field: which
// texts make it, in what order, and what each text means.
#pragma once

#include "units/number_format.h"

#include <functional>

// The locale texts the description is made of (LOCALE_IDIGITS, LOCALE_ILZERO,
// LOCALE_SGROUPING, LOCALE_SDECIMAL, LOCALE_STHOUSAND, LOCALE_INEGNUMBER).
enum class LocaleField { kDigits, kLeadingZero, kGrouping, kDecimalSep, kThousandSep, kNegativeOrder };

// The locale's text of `field` into `buffer` (room `cch`, terminator included); false when
// it cannot be had.
using LocaleTextReader = std::function<bool(LocaleField field, char* buffer, int cch)>;

// Room for a separator as the locale gives it, terminator included.
constexpr int kLocaleSeparatorRoom = 5;

// The description as read in the order above. Reading stops at the first failure; what was
// not read stays zero or null, and null separators make every call fall back to the raw
// text. The separators point into `decimal` and `thousand`, which must outlive it.
NumberDescription ReadNumberDescription(const LocaleTextReader& read, char (&decimal)[kLocaleSeparatorRoom],
                                        char (&thousand)[kLocaleSeparatorRoom]);

// A numeric locale text ("2", "1") as the description's field: its leading integer as atoi
// reads it, a negative one as 0.
unsigned LocaleNumberOf(const char* text);
