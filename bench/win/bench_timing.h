// Timing helpers shared by the benchmark programs that run under Wine, and the search for the
// window of a program they started.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

// Milliseconds from the performance counter.
inline double BenchNow()
{
    static LARGE_INTEGER freq{};
    if (!freq.QuadPart)
        QueryPerformanceFrequency(&freq);
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) * 1000.0 / double(freq.QuadPart);
}

// The median of the samples (0 for none).
inline double BenchMedian(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// A visible top-level window of the process, or null.
inline HWND FindVisibleWindowOf(DWORD pid)
{
    struct Search {
        DWORD pid;
        HWND found;
    } s{pid, nullptr};
    EnumWindows(
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            auto* search = reinterpret_cast<Search*>(lParam);
            DWORD owner = 0;
            GetWindowThreadProcessId(hWnd, &owner);
            if (owner != search->pid || !IsWindowVisible(hWnd))
                return TRUE;
            search->found = hWnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&s));
    return s.found;
}
