#include "win/strings.h"

#include "base/text.h"

std::string LoadResString(UINT id)
{
    // The string table holds at most 4097 characters per entry; no resource of ours is long.
    char buffer[1024];
    const int n = LoadStringA(GetModuleHandleA(nullptr), id, buffer, int(sizeof buffer));
    return n > 0 ? std::string(buffer, std::size_t(n)) : std::string();
}

std::string LoadResStringPart(UINT id, int index)
{
    return TextPart(LoadResString(id), index);
}

