// The first move after a rest as a user sees it: calyx.exe runs as its own process behind a
// window of this program (another program in front, as when the ruler measures it); the
// pointer rests, then moves once, and the time is taken until the ruler's caption line shows
// the new position, both as its window text and as pixels of its caption strip on the
// screen. The pointer is moved through the input queue (SendInput: raw input sees the move)
// or with SetCursorPos (no raw input, as for a pointer moved by a program, or X pointer moves
// under Wine), or by someone else: with "external" the program prints "MOVE X Y" when it wants
// the pointer moved (to be done with xdotool, say), and times from the moment it sees the
// pointer there. "desktop" moves from outside as well, and each round first lets the ruler
// learn that raw input reaches it: the ruler is hidden and shown (its poll starts anew), the
// pointer moves over this program's window (under Wine raw input comes for that move), rests
// REST_S seconds, and then moves over the bare desktop (under Wine no raw input comes: the
// sleeping poll's watchdog must find the move), and after a second's rest once more (the
// resting pace). Then the pointer rests again and calyx.exe's CPU time is measured.
//   wbench_first_move_bench.exe CALYX.EXE [input|setcursor|external|desktop] [MOVES] [REST_S] [IDLE_S]
//   wine wbench_first_move_bench.exe 'Z:\...\calyx.exe' desktop 10 5 10 |
//     while read -r w x y; do [ "$w" == MOVE ] && xdotool mousemove "$x" "$y" || echo "$w $x $y"; done
#include <windows.h>

#include "bench_timing.h"
#include "support/ruler_fixture.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The window text without a message to the window (the ruler's thread is not disturbed).
std::wstring TextOf(HWND hWnd)
{
    wchar_t text[512] = {};
    InternalGetWindowText(hWnd, text, 512);
    return text;
}

// The pixels of a screen rectangle.
class CScreenArea {
public:
    explicit CScreenArea(const RECT& rc) : m_rc(rc)
    {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = rc.right - rc.left;
        bi.bmiHeader.biHeight = -(rc.bottom - rc.top);
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        m_screen = GetDC(nullptr);
        m_dc = CreateCompatibleDC(m_screen);
        m_dib = CreateDIBSection(m_screen, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), nullptr, 0);
        m_old = SelectObject(m_dc, m_dib);
        m_size = std::size_t(bi.bmiHeader.biWidth) * std::size_t(rc.bottom - rc.top);
    }
    ~CScreenArea()
    {
        SelectObject(m_dc, m_old);
        DeleteObject(m_dib);
        DeleteDC(m_dc);
        ReleaseDC(nullptr, m_screen);
    }
    std::vector<std::uint32_t> Read()
    {
        BitBlt(m_dc, 0, 0, m_rc.right - m_rc.left, m_rc.bottom - m_rc.top, m_screen, m_rc.left, m_rc.top, SRCCOPY);
        GdiFlush();
        return std::vector<std::uint32_t>(m_bits, m_bits + m_size);
    }

private:
    RECT m_rc;
    HDC m_screen = nullptr;
    HDC m_dc = nullptr;
    HBITMAP m_dib = nullptr;
    HGDIOBJ m_old = nullptr;
    std::uint32_t* m_bits = nullptr;
    std::size_t m_size = 0;
};

enum class Mover { Input, SetCursor, External };
enum class Rounds { RestThenMove, SleepThenDesktop };

// Moves the pointer; returns when the move was made (for an external mover: when the pointer
// is seen there, and in `asked` when it was asked for), or a negative time when it did not
// come within 5 s.
double MovePointer(Mover mover, int x, int y, double* asked = nullptr)
{
    if (mover == Mover::External) {
        std::printf("MOVE %d %d\n", x, y);
        std::fflush(stdout);
        const double start = BenchNow();
        if (asked)
            *asked = start;
        POINT p{};
        while (BenchNow() - start < 5000)
            if (GetCursorPos(&p) && p.x == x && p.y == y)
                return BenchNow();
        return -1;
    }
    if (mover == Mover::SetCursor) {
        SetCursorPos(x, y);
        return BenchNow();
    }
    const double now = BenchNow();
    SendPointerMove(x, y);
    return now;
}

// Handles this program's messages for `ms` milliseconds.
void RunLoopFor(DWORD ms)
{
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= ms)
            return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - elapsed, QS_ALLINPUT);
    }
}

double CpuMs(HANDLE process)
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(process, &created, &exited, &kernel, &user);
    auto ms = [](const FILETIME& f) {
        return double((std::uint64_t(f.dwHighDateTime) << 32) | f.dwLowDateTime) / 10000.0;
    };
    return ms(kernel) + ms(user);
}

void PrintStats(const char* what, std::vector<double> v, int misses)
{
    std::sort(v.begin(), v.end());
    if (v.empty()) {
        std::printf("%s: no move was seen (%d missed)\n", what, misses);
        return;
    }
    std::printf("%s: median %.1f ms, worst %.1f ms, best %.1f ms (%zu moves, %d not seen within 2 s)\n", what,
                v[v.size() / 2], v.back(), v.front(), v.size(), misses);
}

// The delays of a set of moves until the caption showed them.
struct CMoveTimes {
    std::vector<double> toText, toScreen, fromAsked;
    int missed = 0;
    void Print() const
    {
        PrintStats("  to the caption's window text", toText, missed);
        PrintStats("  to the caption strip changing on the screen", toScreen, missed);
        if (!fromAsked.empty())
            PrintStats("  to the window text from when the move was asked for (with the mover's start)", fromAsked,
                       missed);
    }
};

// Moves the pointer to x, y and records how long the caption took to show it.
void TimeMove(HWND ruler, CScreenArea& area, Mover mover, int x, int y, CMoveTimes* times)
{
    const std::wstring textBefore = TextOf(ruler);
    const std::vector<std::uint32_t> pixelsBefore = area.Read();
    double asked = -1;
    const double start = MovePointer(mover, x, y, &asked);
    if (start < 0) {
        ++times->missed;
        return;
    }
    double text = -1, shown = -1;
    while (BenchNow() - start < 2000 && (text < 0 || shown < 0)) {
        if (text < 0 && TextOf(ruler) != textBefore)
            text = BenchNow() - start;
        if (shown < 0 && area.Read() != pixelsBefore)
            shown = BenchNow() - start;
    }
    if (text < 0 || shown < 0) {
        ++times->missed;
        POINT p{};
        GetCursorPos(&p);
        std::printf("the move to %d, %d was not seen; the pointer is at %ld, %ld; the caption reads \"%ls\"\n", x, y,
                    p.x, p.y, TextOf(ruler).c_str());
    }
    if (text >= 0)
        times->toText.push_back(text);
    if (text >= 0 && asked >= 0)
        times->fromAsked.push_back(text + start - asked);
    if (shown >= 0)
        times->toScreen.push_back(shown);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s CALYX.EXE [input|setcursor|external|desktop] [MOVES] [REST_S] [IDLE_S]\n", argv[0]);
        return 2;
    }
    const char* how = argc > 2 ? argv[2] : "input";
    const Mover mover = !std::strcmp(how, "setcursor") ? Mover::SetCursor
                        : !std::strcmp(how, "external") || !std::strcmp(how, "desktop") ? Mover::External
                                                                                          : Mover::Input;
    const Rounds rounds = !std::strcmp(how, "desktop") ? Rounds::SleepThenDesktop : Rounds::RestThenMove;
    const int moves = argc > 3 ? std::max(1, std::atoi(argv[3])) : 50;
    const int restMs = (argc > 4 ? std::max(1, std::atoi(argv[4])) : 5) * 1000;
    const int idleMs = (argc > 5 ? std::max(1, std::atoi(argv[5])) : 10) * 1000;

    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    char cmd[1024];
    std::snprintf(cmd, sizeof cmd, "\"%s\"", argv[1]);
    if (!CreateProcessA(nullptr, cmd, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        std::fprintf(stderr, "cannot start %s\n", argv[1]);
        return 1;
    }
    HWND ruler = nullptr;
    for (int i = 0; i < 2000 && !ruler; ++i) {
        ruler = FindVisibleWindowOf(pi.dwProcessId);
        Sleep(10);
    }
    if (!ruler) {
        std::fprintf(stderr, "no ruler window\n");
        TerminateProcess(pi.hProcess, 1);
        return 1;
    }
    RunLoopFor(500);
    RECT rc{};
    GetWindowRect(ruler, &rc);
    const int thickness = rc.bottom - rc.top;

    // This program's window in front, away from the ruler.
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    wc.lpszClassName = "CalyxBenchFront";
    RegisterClassA(&wc);
    const HWND front = CreateWindowExA(0, wc.lpszClassName, "in front", WS_POPUP | WS_VISIBLE | WS_BORDER, rc.left,
                                       rc.bottom + 200, 200, 100, nullptr, nullptr, wc.hInstance, nullptr);
    SetForegroundWindow(front);
    RunLoopFor(300);

    // The caption strip: a band near the top edge, short of the magnifier at the far end.
    const RECT strip{rc.left + 24, rc.top + 3, rc.right - thickness - 8, rc.top + 14};
    CScreenArea area(strip);
    const int y = rc.bottom + 60;  // below the ruler, as when measuring something under it
    CMoveTimes first, further;
    MovePointer(mover, rc.left + 100, y);
    for (int i = 0; i < moves; ++i) {
        const int x = rc.left + (i % 2 ? 100 : 137);
        // Each rest is longer by a share of a second that differs from round to round, so that
        // the move falls anywhere between two ticks of the ruler's timer.
        const DWORD jitter = DWORD(i * 397 % 1000), jitter2 = DWORD(i * 613 % 1000);
        if (rounds == Rounds::RestThenMove) {
            RunLoopFor(DWORD(restMs) + jitter);
            TimeMove(ruler, area, mover, x, y, &first);
            continue;
        }
        // A poll that starts anew, rests, and learns from a move over this program's window
        // that raw input reaches it; then sleeps.
        ShowWindow(ruler, SW_HIDE);
        RunLoopFor(100);
        ShowWindow(ruler, SW_SHOWNA);
        RunLoopFor(600);
        MovePointer(mover, rc.left + 40 + i % 2, rc.bottom + 250);
        RunLoopFor(DWORD(restMs) + jitter);
        TimeMove(ruler, area, mover, x, y, &first);
        RunLoopFor(1000 + jitter2);
        TimeMove(ruler, area, mover, x + 11, y, &further);
    }
    const char* what = mover == Mover::Input       ? "moved through the input queue (SendInput: raw input)"
                       : mover == Mover::SetCursor ? "moved with SetCursorPos (no raw input)"
                                                   : "moved from outside, timed from when it is seen there";
    if (rounds == Rounds::RestThenMove) {
        std::printf("first move after a %d s rest, pointer %s:\n", restMs / 1000, what);
        first.Print();
    } else {
        std::printf("first move over the desktop after the ruler slept %d s, pointer %s:\n", restMs / 1000, what);
        first.Print();
        std::printf("the next move over the desktop, after a 1 s rest:\n");
        further.Print();
    }

    RunLoopFor(1000);
    const double cpu0 = CpuMs(pi.hProcess);
    const double wall0 = BenchNow();
    RunLoopFor(DWORD(idleMs));
    const double cpu = CpuMs(pi.hProcess) - cpu0;
    const double wall = BenchNow() - wall0;
    std::printf("pointer resting for %.1f s: calyx.exe used %.1f ms of CPU = %.2f %% of one core\n", wall / 1000.0,
                cpu, 100.0 * cpu / wall);

    DestroyWindow(front);
    PostMessageA(ruler, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return 0;
}
