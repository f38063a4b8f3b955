// Start-up time of calyx.exe against a minimal Win32 program that only shows a window,
// measured side by side: each round starts one, then the other, and times from
// CreateProcess until its top-level window is visible; then closes it and waits for it to
// end. Prints the medians and their ratio.
//   wbench_startup_bench.exe CALYX.EXE MINIMAL.EXE [ROUNDS]
#include <windows.h>

#include "bench_timing.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Milliseconds until the program's window is shown, or -1.
double TimeOne(const char* exe)
{
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    char cmd[1024];
    std::snprintf(cmd, sizeof cmd, "\"%s\"", exe);
    const double start = BenchNow();
    if (!CreateProcessA(nullptr, cmd, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return -1;
    HWND found = nullptr;
    double shown = -1;
    while (BenchNow() - start < 20000) {
        found = FindVisibleWindowOf(pi.dwProcessId);
        if (found) {
            shown = BenchNow() - start;
            break;
        }
        Sleep(1);
    }
    if (found)
        PostMessageA(found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return shown;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s CALYX.EXE MINIMAL.EXE [ROUNDS]\n", argv[0]);
        return 2;
    }
    const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 15;
    std::vector<double> calyx, minimal;
    TimeOne(argv[1]);  // warm the file cache and Wine's loader for both
    TimeOne(argv[2]);
    for (int i = 0; i < rounds; ++i) {
        const double a = TimeOne(argv[1]);
        const double b = TimeOne(argv[2]);
        if (a > 0)
            calyx.push_back(a);
        if (b > 0)
            minimal.push_back(b);
    }
    const double mc = BenchMedian(calyx), mm = BenchMedian(minimal);
    std::printf("start-up to window shown, median of %d rounds: calyx %.1f ms, minimal %.1f ms, ratio %.2f\n",
                rounds, mc, mm, mm > 0 ? mc / mm : 0.0);
    return 0;
}
