// Texts made from the program's version strings.
#pragma once

#include <string>

// The company word of the registry path when the version resource names no company.
extern const char kDefaultCompanyWord[];

// The company word of the registry path: "CompanyName" up to, not including, its first space
// (the whole text when it has none), so "Orrin Computing" gives "Orrin". Without a
// "CompanyName" (null), or when that word is empty (" Orrin", ""), it is kDefaultCompanyWord:
// an empty word would leave the program without a key path, and nothing would ever be
// read or written.
std::string CompanyWordOf(const char* companyName);

// The tray tip "%s %s - %s": company, product, description.
std::string FormatTrayTip(const std::string& company, const std::string& product, const std::string& description);
