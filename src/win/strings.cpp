#include "win/strings.h"

#include <utility>

std::string LoadResString(UINT id)
{
    // The string table holds at most 4097 characters per entry; no resource of ours is long.
    char buffer[1024];
    const int n = LoadStringA(GetModuleHandleA(nullptr), id, buffer, int(sizeof buffer));
    return n > 0 ? std::string(buffer, std::size_t(n)) : std::string();
}

std::string LoadResStringPart(UINT id, int index)
{
    const std::string all = LoadResString(id);
    std::size_t start = 0;
    for (int i = 0; i < index; ++i) {
        const std::size_t nl = all.find('\n', start);
        if (nl == std::string::npos)
            return std::string();
        start = nl + 1;
    }
    const std::size_t end = all.find('\n', start);
    return all.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::string ReplaceArgs(std::string text, const std::string& a1, const std::string& a2)
{
    for (auto [key, value] : {std::pair<const char*, const std::string*>{"%1", &a1}, {"%2", &a2}}) {
        const std::size_t at = text.find(key);
        if (at != std::string::npos)
            text.replace(at, 2, *value);
    }
    return text;
}
