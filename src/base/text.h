// Small text rules of the framework: a whole number typed into a field, the "%1" and "%2"
// inserts of a string-table text, and the '\n'-separated parts of one.
#pragma once

#include <string>

// A decimal int with an optional sign, white space before it and blanks or tabs after it:
// anything else (no digits, other characters, a value past the int range) is refused with
// false, and `value` is then left alone.
bool ParseWholeNumber(const std::string& text, int& value);

// `text` with its first "%1" replaced by a1, then its first "%2" by a2 and its first "%3" by
// a3 (the way the framework fills its message texts); an insert that is not there is left out.
std::string ReplaceArgs(std::string text, const std::string& a1, const std::string& a2 = std::string(),
                        const std::string& a3 = std::string());

// Part `index` of `text` whose parts are separated by '\n' ("" when there is no such part).
std::string TextPart(const std::string& text, int index);
