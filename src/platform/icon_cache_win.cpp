#include "platform/icon_cache_win.h"

#include <map>
#include <new>

namespace {
using IconMap = std::map<WORD, HICON>;

// Icons are shared resources of the module: they stay loaded until the process ends.
HICON LoadCached(IconMap& cache, UINT id, HICON (*load)(UINT))
{
    const WORD key = WORD(id);
    const auto found = cache.find(key);
    if (found != cache.end())
        return found->second;
    HICON icon = load(key);
    if (icon) {
        try {
            cache.emplace(key, icon);
        } catch (const std::bad_alloc&) {
            // Not cached this time; the caller still gets the icon.
        }
    }
    return icon;
}

HICON LoadLarge(UINT id)
{
    return LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
}

HICON LoadSmall(UINT id)
{
    return static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
}
} // namespace

HICON LoadCachedIcon(UINT id)
{
    static IconMap cache;
    return LoadCached(cache, id, &LoadLarge);
}

HICON LoadCachedSmallIcon(UINT id)
{
    static IconMap cache;
    return LoadCached(cache, id, &LoadSmall);
}
