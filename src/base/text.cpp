#include "base/text.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <utility>

bool ParseWholeNumber(const std::string& text, int& value)
{
    const char* p = text.c_str();
    while (*p == ' ' || *p == '\t')
        ++p;
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(p, &end, 10);
    while (end && (*end == ' ' || *end == '\t'))
        ++end;
    if (end == p || !end || *end != '\0' || errno == ERANGE || v < INT_MIN || v > INT_MAX)
        return false;
    value = int(v);
    return true;
}

std::string ReplaceArgs(std::string text, const std::string& a1, const std::string& a2, const std::string& a3)
{
    for (auto [key, value] : {std::pair<const char*, const std::string*>{"%1", &a1}, {"%2", &a2}, {"%3", &a3}}) {
        const std::size_t at = text.find(key);
        if (at != std::string::npos)
            text.replace(at, 2, *value);
    }
    return text;
}

std::string TextPart(const std::string& text, int index)
{
    std::size_t start = 0;
    for (int i = 0; i < index; ++i) {
        const std::size_t nl = text.find('\n', start);
        if (nl == std::string::npos)
            return std::string();
        start = nl + 1;
    }
    const std::size_t end = text.find('\n', start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}
