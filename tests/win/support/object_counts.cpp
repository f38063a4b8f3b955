#include "support/object_counts.h"

#include "support/ruler_fixture.h"

#include <cstdio>

namespace {
// USER handle slots: the first 32 are never handed out.
constexpr unsigned kFirstUserHandle = 0x20;
constexpr unsigned kLastUserHandle = 0xFFFF;
} // namespace

int CountUserObjects()
{
    const DWORD self = GetCurrentProcessId();
    int count = 0;
    for (unsigned slot = kFirstUserHandle; slot <= kLastUserHandle; ++slot) {
        const HANDLE h = reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(slot));
        if (IsMenu(static_cast<HMENU>(h))) {
            ++count;
        } else if (IsWindow(static_cast<HWND>(h))) {
            DWORD pid = 0;
            GetWindowThreadProcessId(static_cast<HWND>(h), &pid);
            if (pid == self)
                ++count;
        }
    }
    return count;
}

std::size_t PrivateBytes()
{
    // Committed private memory, region by region (the process counters Wine fills in do not
    // include it).
    std::size_t total = 0;
    MEMORY_BASIC_INFORMATION info{};
    for (const char* p = nullptr; VirtualQuery(p, &info, sizeof info) == sizeof info;) {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE)
            total += info.RegionSize;
        const char* next = static_cast<const char*>(info.BaseAddress) + info.RegionSize;
        if (next <= p)
            break;
        p = next;
    }
    return total;
}

ObjectCounts TakeObjectCounts()
{
    PumpUntilIdle(10, 300);
    return ObjectCounts{CountGdiObjects(), CountUserObjects(), PrivateBytes()};
}

void PrintObjectCounts(const char* label, const ObjectCounts& a, const ObjectCounts& b)
{
    std::printf("%-30s GDI %3d -> %3d, USER %3d -> %3d, private %7zu -> %7zu KB\n", label, a.gdi, b.gdi, a.user,
                b.user, a.privateBytes / 1024, b.privateBytes / 1024);
    std::fflush(stdout);
}
