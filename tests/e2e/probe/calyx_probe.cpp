// A small Windows program the end-to-end scripts use to look at the running ruler the way
// the system sees it: its style, placement and visibility, message boxes it shows, and to
// close it through its own Close command.
//   calyx_probe find | wait SECONDS [XWIN...] | xwins | close SECONDS | metrics | msgbox |
//               msgbox-ok | count | tray-has | tray-forget | taskbar-created
// "find" and "wait" also name the ruler's X window (XWIN=, 0 where there is none): scripts
// follow the process that owns that window, never the one they launched, which under a
// loader that starts the program as another process is not the ruler's.
//   calyx_probe browser FILE URL (stands in for a web browser: appends URL to FILE) | no-browser
//   calyx_probe foreground (the title of the window that has the keyboard, as Windows sees it)
//   calyx_probe monitors (the desktop window, DESKTOP=l,t,r,b, then one line per monitor:
//               MONITOR=l,t,r,b WORK=l,t,r,b PRIMARY=0|1)
//   calyx_probe desktop-color (the desktop colour, COLOR_BACKGROUND, as #RRGGBB)
// "close" returns once every ruler's process has ended (and so written its settings).
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Found {
    HWND hwnd = nullptr;
    int count = 0;
    // Rulers whose X windows are listed here are passed over (those that ran before).
    const unsigned long* skip = nullptr;
    int skipCount = 0;
    bool closeAll = false;
    // With closeAll: the processes of the rulers that were told to close.
    HANDLE processes[MAXIMUM_WAIT_OBJECTS] = {};
    DWORD processCount = 0;
};

// The X window Wine's X11 driver made for a top-level window (0 under another driver).
unsigned long XWindowOf(HWND hWnd)
{
    return static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(GetPropA(hWnd, "__wine_x11_whole_window")));
}

BOOL CALLBACK FindRuler(HWND hWnd, LPARAM lParam)
{
    char cls[64] = "";
    GetClassNameA(hWnd, cls, sizeof cls);
    if (std::strncmp(cls, "Calyx:", 6) != 0)
        return TRUE;
    auto* f = reinterpret_cast<Found*>(lParam);
    for (int i = 0; i < f->skipCount; ++i)
        if (f->skip[i] == XWindowOf(hWnd))
            return TRUE;
    if (!f->hwnd)
        f->hwnd = hWnd;
    if (f->closeAll) {
        // The process writes its settings after the window is gone: whoever waits for the
        // close waits for the process, not for the window.
        DWORD pid = 0;
        GetWindowThreadProcessId(hWnd, &pid);
        HANDLE h = OpenProcess(SYNCHRONIZE, FALSE, pid);
        if (h && f->processCount < MAXIMUM_WAIT_OBJECTS)
            f->processes[f->processCount++] = h;
        else if (h)
            CloseHandle(h);
        PostMessageA(hWnd, WM_COMMAND, 57665, 0);
    }
    ++f->count;
    return TRUE;
}

Found Ruler(const unsigned long* skip = nullptr, int skipCount = 0)
{
    Found f;
    f.skip = skip;
    f.skipCount = skipCount;
    EnumWindows(&FindRuler, reinterpret_cast<LPARAM>(&f));
    return f;
}

BOOL CALLBACK PrintXWindow(HWND hWnd, LPARAM)
{
    char cls[64] = "";
    GetClassNameA(hWnd, cls, sizeof cls);
    if (std::strncmp(cls, "Calyx:", 6) == 0)
        std::printf("%lu ", XWindowOf(hWnd));
    return TRUE;
}

BOOL CALLBACK FindBox(HWND hWnd, LPARAM lParam)
{
    char cls[16] = "", title[64] = "";
    GetClassNameA(hWnd, cls, sizeof cls);
    GetWindowTextA(hWnd, title, sizeof title);
    if (std::strcmp(cls, "#32770") == 0 && std::strcmp(title, "Calyx") == 0 && IsWindowVisible(hWnd)) {
        *reinterpret_cast<HWND*>(lParam) = hWnd;
        return FALSE;
    }
    return TRUE;
}

HWND MessageBoxWindow()
{
    HWND box = nullptr;
    EnumWindows(&FindBox, reinterpret_cast<LPARAM>(&box));
    return box;
}

BOOL CALLBACK PrintStatic(HWND hWnd, LPARAM)
{
    char cls[16] = "", text[1024] = "";
    GetClassNameA(hWnd, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") == 0 && GetWindowTextA(hWnd, text, sizeof text) > 0)
        std::printf("%s\n", text);
    return TRUE;
}

int Find(const Found& f)
{
    if (!f.hwnd)
        return 1;
    RECT r{};
    GetWindowRect(f.hwnd, &r);
    RECT c{};
    GetClientRect(f.hwnd, &c);
    char title[512] = "";
    GetWindowTextA(f.hwnd, title, sizeof title);
    // Windows adds WS_VISIBLE, WS_CLIPSIBLINGS and WS_EX_WINDOWEDGE itself; the rest is what the ruler chose.
    const LONG ex = LONG(GetWindowLongPtrA(f.hwnd, GWL_EXSTYLE));
    const unsigned long style = static_cast<unsigned long>(GetWindowLongPtrA(f.hwnd, GWL_STYLE)) & ~(WS_VISIBLE | WS_CLIPSIBLINGS);
    std::printf("STYLE=0x%08lX EXSTYLE=0x%08lX VISIBLE=%d TOPMOST=%d RECT=%ld,%ld,%ld,%ld CLIENT=%ld,%ld COUNT=%d "
                "XWIN=%lu\n",
                style, static_cast<unsigned long>(ex & ~WS_EX_WINDOWEDGE),
                IsWindowVisible(f.hwnd) ? 1 : 0, (ex & WS_EX_TOPMOST) ? 1 : 0, r.left, r.top, r.right, r.bottom,
                c.right, c.bottom, f.count, XWindowOf(f.hwnd));
    std::printf("TITLE=%s\n", title);
    return 0;
}

BOOL CALLBACK PrintMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM)
{
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    if (GetMonitorInfoA(monitor, &mi))
        std::printf("MONITOR=%ld,%ld,%ld,%ld WORK=%ld,%ld,%ld,%ld PRIMARY=%d\n", mi.rcMonitor.left, mi.rcMonitor.top,
                    mi.rcMonitor.right, mi.rcMonitor.bottom, mi.rcWork.left, mi.rcWork.top, mi.rcWork.right,
                    mi.rcWork.bottom, (mi.dwFlags & MONITORINFOF_PRIMARY) ? 1 : 0);
    return TRUE;
}

template <class Cond>
bool WaitFor(Cond cond, double seconds)
{
    const DWORD end = GetTickCount() + DWORD(seconds * 1000);
    while (!cond()) {
        if (LONG(GetTickCount() - end) > 0)
            return false;
        Sleep(50);
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    const char* cmd = argc > 1 ? argv[1] : "find";
    const double seconds = argc > 2 ? std::atof(argv[2]) : 10.0;
    if (!std::strcmp(cmd, "find"))
        return Find(Ruler());
    if (!std::strcmp(cmd, "xwins")) {
        EnumWindows(&PrintXWindow, 0);
        std::printf("\n");
        return 0;
    }
    if (!std::strcmp(cmd, "count")) {
        std::printf("%d\n", Ruler().count);
        return 0;
    }
    if (!std::strcmp(cmd, "wait")) {
        // A ruler other than those whose X windows are named after the time limit.
        unsigned long skip[16] = {};
        int skipCount = 0;
        for (int i = 3; i < argc && skipCount < 16; ++i)
            skip[skipCount++] = std::strtoul(argv[i], nullptr, 10);
        auto newRuler = [&] { return Ruler(skip, skipCount).hwnd; };
        if (!WaitFor([&] { return newRuler() != nullptr; }, seconds))
            return 1;
        // Start-up creates the window at 0, 0 and places it afterwards: wait until its
        // rectangle and visibility have stayed the same for a moment.
        RECT last{};
        BOOL lastVisible = FALSE;
        for (int stable = 0, i = 0; stable < 4 && i < 100; ++i) {
            Sleep(100);
            RECT r{};
            HWND h = newRuler();
            GetWindowRect(h, &r);
            const BOOL visible = IsWindowVisible(h);
            stable = (EqualRect(&r, &last) && visible == lastVisible) ? stable + 1 : 0;
            last = r;
            lastVisible = visible;
        }
        return Find(Ruler(skip, skipCount));
    }
    if (!std::strcmp(cmd, "close")) {
        // Every running ruler is closed with its own Close command.
        Found f;
        f.closeAll = true;
        EnumWindows(&FindRuler, reinterpret_cast<LPARAM>(&f));
        if (!f.hwnd)
            return 1;
        const DWORD r = f.processCount
                            ? WaitForMultipleObjects(f.processCount, f.processes, TRUE, DWORD(seconds * 1000))
                            : WAIT_FAILED;
        for (DWORD i = 0; i < f.processCount; ++i)
            CloseHandle(f.processes[i]);
        return r < WAIT_OBJECT_0 + f.processCount ? 0 : 1;
    }
    if (!std::strcmp(cmd, "metrics")) {
        RECT work{};
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        std::printf("SCREEN=%d,%d WORK=%ld,%ld,%ld,%ld FRAME=%d,%d\n", GetSystemMetrics(SM_CXSCREEN),
                    GetSystemMetrics(SM_CYSCREEN), work.left, work.top, work.right, work.bottom,
                    GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYFRAME));
        return 0;
    }
    if (!std::strcmp(cmd, "msgbox")) {
        if (!WaitFor([] { return MessageBoxWindow() != nullptr; }, seconds))
            return 1;
        EnumChildWindows(MessageBoxWindow(), &PrintStatic, 0);
        return 0;
    }
    if (!std::strcmp(cmd, "msgbox-ok")) {
        HWND box = MessageBoxWindow();
        if (!box)
            return 1;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        return 0;
    }
    if (!std::strcmp(cmd, "tray-has") || !std::strcmp(cmd, "tray-forget")) {
        // The shell knows an icon by its window and id: asking to change nothing tells
        // whether it is there; deleting it is what a task bar that restarts does to it.
        HWND ruler = Ruler().hwnd;
        if (!ruler)
            return 2;
        NOTIFYICONDATAA nid{};
        nid.cbSize = NOTIFYICONDATAA_V2_SIZE;
        nid.hWnd = ruler;
        nid.uID = 1000;
        return Shell_NotifyIconA(cmd[5] == 'h' ? NIM_MODIFY : NIM_DELETE, &nid) ? 0 : 1;
    }
    if (!std::strcmp(cmd, "taskbar-created")) {
        // What a new task bar tells every top-level window.
        return SendNotifyMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0) ? 0 : 1;
    }
    if (!std::strcmp(cmd, "browser") && argc > 3) {
        // Registered as the browser for web addresses, it records what it was asked to open.
        FILE* f = std::fopen(argv[2], "a");
        if (!f)
            return 1;
        std::fprintf(f, "%s\n", argv[3]);
        std::fclose(f);
        return 0;
    }
    if (!std::strcmp(cmd, "foreground")) {
        char title[256] = "";
        GetWindowTextA(GetForegroundWindow(), title, sizeof title);
        std::printf("%s\n", title);
        return 0;
    }
    if (!std::strcmp(cmd, "cursor")) {
        // Where Windows programs see the pointer (Wine's copy, fetched from X when stale).
        POINT p{};
        if (!GetCursorPos(&p))
            return 1;
        std::printf("%ld %ld\n", p.x, p.y);
        return 0;
    }
    if (!std::strcmp(cmd, "monitors")) {
        RECT d{};
        GetWindowRect(GetDesktopWindow(), &d);
        std::printf("DESKTOP=%ld,%ld,%ld,%ld\n", d.left, d.top, d.right, d.bottom);
        return EnumDisplayMonitors(nullptr, nullptr, &PrintMonitor, 0) ? 0 : 1;
    }
    if (!std::strcmp(cmd, "desktop-color")) {
        const COLORREF c = GetSysColor(COLOR_BACKGROUND);
        std::printf("#%02X%02X%02X\n", GetRValue(c), GetGValue(c), GetBValue(c));
        return 0;
    }
    if (!std::strcmp(cmd, "no-browser"))
        return 1;  // a launcher that finds no browser to start
    std::fprintf(stderr, "unknown command %s\n", cmd);
    return 2;
}
