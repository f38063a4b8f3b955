// Timing helpers shared by the benchmark programs that run under Wine.
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
