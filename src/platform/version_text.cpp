#include "platform/version_text.h"

const char kDefaultCompanyWord[] = "Orrin";

std::string CompanyWordOf(const std::string& companyName)
{
    return companyName.substr(0, companyName.find(' '));
}

std::string FormatTrayTip(const std::string& company, const std::string& product, const std::string& description)
{
    return company + " " + product + " - " + description;
}
