// Texts made from the program's version strings.
#pragma once

#include <string>

// The company word of the registry path when the version resource names no company.
extern const char kDefaultCompanyWord[];

// "CompanyName" up to, not including, its first space (the whole text when it has none):
// "Orrin Computing" gives "Orrin", " Orrin" gives "".
std::string CompanyWordOf(const std::string& companyName);

// The tray tip "%s %s - %s": company, product, description.
std::string FormatTrayTip(const std::string& company, const std::string& product, const std::string& description);
