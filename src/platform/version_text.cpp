#include "platform/version_text.h"

const char kDefaultCompanyWord[] = "Orrin";

std::string CompanyWordOf(const char* companyName)
{
    const std::string name = companyName ? companyName : "";
    const std::string word = name.substr(0, name.find(' '));
    return word.empty() ? std::string(kDefaultCompanyWord) : word;
}

std::string FormatTrayTip(const std::string& company, const std::string& product, const std::string& description)
{
    return company + " " + product + " - " + description;
}
