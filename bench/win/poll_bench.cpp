// Cost of the live-tracking poll on a 56-pixel ruler with every caption item, the colour
// (web safe), the guide and the magnifier on:
//  1. one poll tick after the pointer moved: the tick alone, and the tick with the repaint
//     it asks for (the caption text); the same without the magnifier; medians in ms;
//  2. the pointer still and the timer running for 10 s, the poll resting with its frame timer
//     (no raw input has announced a move), and then asleep with its watchdog (raw input has
//     announced one, as under Wine over Wine's own windows): the process's CPU time as a
//     share of one core (GetProcessTimes); for scale, the same for a bare window whose 1 ms
//     timer only reads the pointer.
//   wbench_poll_bench.exe [TICKS] [SECONDS]
#include "settings/ruler_settings.h"
#include "resource.h"
#include "ruler/view_flags.h"
#include "ruler/ruler_wnd.h"

#include "bench_timing.h"
#include "support/ruler_fixture.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kLeft = 600;
constexpr int kTop = 900;
constexpr int kLength = 600;
constexpr int kThickness = 56;

// Handles what is pending, without waiting.
void Drain()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

// Runs the message loop for `ms` milliseconds.
void RunLoopFor(DWORD ms)
{
    const DWORD start = GetTickCount();
    for (;;) {
        Drain();
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= ms)
            return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - elapsed, QS_ALLINPUT);
    }
}

double CpuMs()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto ms = [](const FILETIME& f) {
        return double((std::uint64_t(f.dwHighDateTime) << 32) | f.dwLowDateTime) / 10000.0;
    };
    return ms(kernel) + ms(user);
}

// Medians of one tick after a move, alone and with the repaint it asks for.
void TimeTicks(CRulerWnd* ruler, int ticks, const char* what)
{
    std::vector<double> tick, withPaint;
    for (int i = 0; i < ticks + 50; ++i) {
        SetCursorPos(kLeft + 20 + (i * 7) % (kLength - 100), kTop + 30 + (i % 3) * 5);
        const double start = BenchNow();
        ruler->OnPollTimer();
        GdiFlush();
        const double ticked = BenchNow();
        UpdateWindow(ruler->m_hWnd);
        GdiFlush();
        const double painted = BenchNow();
        Drain();
        if (i >= 50) {  // after warming up
            tick.push_back(ticked - start);
            withPaint.push_back(painted - start);
        }
    }
    std::printf("poll tick after a move (%s; %d x %d px): median %.3f ms, with the caption repaint %.3f ms "
                "(%d ticks)\n",
                what, kLength, kThickness, BenchMedian(tick), BenchMedian(withPaint), ticks);
}

// The process's CPU share while the pointer rests, with the pace the poll is at.
void MeasureResting(CRulerWnd* ruler, int seconds, const char* what)
{
    static const char* const paces[] = {"full rate", "resting", "asleep"};
    const int paceBefore = int(ruler->m_pollPacer.Pace());
    const double cpu0 = CpuMs();
    const double wall0 = BenchNow();
    RunLoopFor(DWORD(seconds) * 1000);
    const double cpu = CpuMs() - cpu0;
    const double wall = BenchNow() - wall0;
    std::printf("pointer still for %.1f s, %s (the poll %s, then %s): CPU %.1f ms = %.2f %% of one core\n",
                wall / 1000.0, what, paces[paceBefore], paces[int(ruler->m_pollPacer.Pace())], cpu, 100.0 * cpu / wall);
}

LRESULT CALLBACK BareProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_TIMER) {
        POINT p;
        GetCursorPos(&p);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

double BareTimerCpuPercent(DWORD ms)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = BareProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "CalyxBareTimer";
    RegisterClassA(&wc);
    const HWND hwnd = CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, kLeft, kTop, 32,
                                      32, nullptr, nullptr, wc.hInstance, nullptr);
    SetTimer(hwnd, 1, 1, nullptr);
    RunLoopFor(300);
    const double cpu0 = CpuMs();
    const double wall0 = BenchNow();
    RunLoopFor(ms);
    const double percent = 100.0 * (CpuMs() - cpu0) / (BenchNow() - wall0);
    DestroyWindow(hwnd);
    return percent;
}

}  // namespace

int main(int argc, char** argv)
{
    const int ticks = argc > 1 ? std::max(std::atoi(argv[1]), 10) : 2000;
    const int seconds = argc > 2 ? std::max(std::atoi(argv[2]), 1) : 10;

    CRulerSettings settings;
    settings.m_nCaption = 0xFF;
    settings.m_nColor = 4 | 0x10000;  // decimal RGB, web safe
    settings.m_nScale = 100;
    settings.m_bGuide = 1;
    settings.m_bZoom = 1;
    settings.m_nZoomFactor = 400;
    settings.m_bBorderless = 1;
    CRulerWnd* ruler = new CRulerWnd(settings);  // deletes itself with its window
    const char* cls = CWindow::RegisterWindowClass(
        CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, LoadCursor(nullptr, IDC_ARROW),
        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)));
    if (!ruler->CreateEx(WS_EX_TOOLWINDOW, cls, "Calyx",
                         WS_POPUP | RS_HORZ | RS_UNIT_CM | RS_GUIDE | RS_MAGNIFIER, 0, 0, 0, 0, nullptr, nullptr)) {
        std::fprintf(stderr, "cannot create the ruler\n");
        return 1;
    }
    const HWND hwnd = ruler->m_hWnd;
    SetWindowPos(hwnd, nullptr, kLeft, kTop, kLength, kThickness, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    RunLoopFor(200);
    if (!ruler->m_nTimerId) {
        std::fprintf(stderr, "the poll timer is not running\n");
        return 1;
    }

    // 1. Ticks run by hand, the timer stopped, the pointer moving over the graduations.
    // m_nTimerId stays set, so the style changes below do not start the timer again.
    KillTimer(hwnd, ruler->m_nTimerId);
    TimeTicks(ruler, ticks, "all caption items, colour, guide, magnifier");
    ruler->ModifyRulerStyle(RS_MAGNIFIER, 0, FALSE);
    RunLoopFor(100);
    TimeTicks(ruler, ticks, "the same without the magnifier");
    ruler->ModifyRulerStyle(0, RS_MAGNIFIER, FALSE);
    RunLoopFor(100);

    // 2. The timer running again, the pointer still, off the ruler.
    SetCursorPos(kLeft + kLength / 2, kTop - 100);
    ruler->m_nTimerId = 0;
    ruler->UpdatePollTimer();
    RunLoopFor(500);
    MeasureResting(ruler, seconds, "resting with the frame timer");

    // Raw input announces a move (it comes while another window is in front), then the
    // pointer rests: the poll sleeps with its watchdog.
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "CalyxBenchFront";
    RegisterClassA(&wc);
    const HWND front = CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, kLeft, kTop - 300,
                                       100, 100, nullptr, nullptr, wc.hInstance, nullptr);
    SetForegroundWindow(front);
    RunLoopFor(500);
    SendPointerMove(kLeft + kLength / 2 + 7, kTop - 100);
    RunLoopFor(500);
    MeasureResting(ruler, seconds, "asleep with the watchdog");
    DestroyWindow(front);
    ruler->DestroyWindow();
    Drain();

    const double bare = BareTimerCpuPercent(DWORD(seconds) * 1000);
    std::printf("for scale, a bare window whose 1 ms timer only reads the pointer: %.2f %% of one core\n", bare);
    return 0;
}
