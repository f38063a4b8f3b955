// The sizing tool's target windows in a process of their own (win_sizing_target.exe beside the
// test program), started for a test and ended with it.
#pragma once

#include <windows.h>

#include <string>

class CTargetProcess {
public:
    // Starts "win_sizing_target ARGS" and waits until the window titled `readyTitle` exists (the
    // standard set makes the borderless one last).
    explicit CTargetProcess(const char* args = "show", const char* readyTitle = kBorderless);
    ~CTargetProcess();
    CTargetProcess(const CTargetProcess&) = delete;
    CTargetProcess& operator=(const CTargetProcess&) = delete;

    bool Ready() const { return m_bReady; }
    // The target's top-level window with that title (null when there is none).
    static HWND Window(const char* title);
    // Places a window (restored first) at x, y with an outer size of cx x cy and waits until
    // the other process has done it.
    static bool Place(HWND window, int x, int y, int cx, int cy);
    // The times the window was moved or sized, as it counts them.
    static UINT_PTR Moves(HWND window);

    static constexpr const char* kResizable = "Sizing target: resizable";
    static constexpr const char* kFixed = "Sizing target: fixed";
    static constexpr const char* kPopup = "Sizing target: popup";
    static constexpr const char* kBorderless = "Sizing target: borderless";
    static constexpr int kButtonId = 101;
    static constexpr int kFramedChildId = 102;

private:
    PROCESS_INFORMATION m_process{};
    bool m_bReady = false;
};

// Waits (bounded) until `done` holds, handling this thread's messages meanwhile.
bool WaitFor(bool (*done)(void*), void* context, int maxMs = 5000);
RECT WindowRectOf(HWND window);
// Waits (bounded) until the window, maybe another process's, has the rectangle `want`.
bool WaitForRect(HWND window, const RECT& want, int maxMs = 2000);
