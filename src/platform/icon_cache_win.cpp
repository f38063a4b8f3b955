#include "platform/icon_cache_win.h"

#include <map>
#include <new>

namespace {
// By size (0: the large icon LoadIconA gives) and id.
using IconMap = std::map<DWORD, HICON>;

// Icons are shared resources of the module: they stay loaded until the process ends.
HICON LoadCached(IconMap& cache, UINT id, int size, HICON (*load)(UINT, int))
{
    const DWORD key = MAKELONG(WORD(id), WORD(size));
    const auto found = cache.find(key);
    if (found != cache.end())
        return found->second;
    HICON icon = load(WORD(id), size);
    if (icon) {
        try {
            cache.emplace(key, icon);
        } catch (const std::bad_alloc&) {
            // Not cached this time; the caller still gets the icon.
        }
    }
    return icon;
}

HICON LoadLarge(UINT id, int)
{
    return LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
}

HICON LoadSized(UINT id, int size)
{
    return static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

IconMap& Cache()
{
    static IconMap cache;
    return cache;
}
} // namespace

HICON LoadCachedIcon(UINT id)
{
    return LoadCached(Cache(), id, 0, &LoadLarge);
}

HICON LoadCachedSmallIcon(UINT id)
{
    return LoadCachedIconOfSize(id, 16);
}

HICON LoadCachedIconOfSize(UINT id, int size)
{
    return size > 0 ? LoadCached(Cache(), id, size, &LoadSized) : nullptr;
}
