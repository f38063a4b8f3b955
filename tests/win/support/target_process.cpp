#include "support/target_process.h"

#include <cstdio>
#include <cstring>

bool WaitFor(bool (*done)(void*), void* context, int maxMs)
{
    const DWORD start = GetTickCount();
    while (!done(context)) {
        if (int(GetTickCount() - start) > maxMs)
            return false;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
    return true;
}

RECT WindowRectOf(HWND window)
{
    RECT rc{};
    GetWindowRect(window, &rc);
    return rc;
}

bool WaitForRect(HWND window, const RECT& want, int maxMs)
{
    struct Want {
        HWND w;
        RECT r;
    } c{window, want};
    return WaitFor(
        [](void* p) {
            auto* c = static_cast<Want*>(p);
            const RECT now = WindowRectOf(c->w);
            return EqualRect(&now, &c->r) != FALSE;
        },
        &c, maxMs);
}

CTargetProcess::CTargetProcess(const char* args, const char* readyTitle)
{
    char folder[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, folder, MAX_PATH);
    if (char* slash = std::strrchr(folder, '\\'))
        slash[1] = '\0';
    // Beside the test programs; the benchmark programs have it in the tests' folder.
    char exe[MAX_PATH + 32];
    std::snprintf(exe, sizeof exe, "%swin_sizing_target.exe", folder);
    if (GetFileAttributesA(exe) == INVALID_FILE_ATTRIBUTES)
        std::snprintf(exe, sizeof exe, "%s..\\tests\\win_sizing_target.exe", folder);
    char command[MAX_PATH + 128];
    std::snprintf(command, sizeof command, "\"%s\" %s", exe, args);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &m_process))
        return;
    struct Ask {
        const char* title;
    } ask{readyTitle};
    m_bReady = WaitFor([](void* c) { return Window(static_cast<Ask*>(c)->title) != nullptr; }, &ask, 10000);
}

CTargetProcess::~CTargetProcess()
{
    if (!m_process.hProcess)
        return;
    TerminateProcess(m_process.hProcess, 0);
    WaitForSingleObject(m_process.hProcess, 5000);
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

HWND CTargetProcess::Window(const char* title)
{
    return FindWindowA("SizingTarget", title);
}

bool CTargetProcess::Place(HWND window, int x, int y, int cx, int cy)
{
    if (IsZoomed(window) || IsIconic(window))
        ShowWindow(window, SW_RESTORE);
    SetWindowPos(window, nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
    return WaitForRect(window, RECT{x, y, x + cx, y + cy}, 5000) && !IsZoomed(window);
}

UINT_PTR CTargetProcess::Moves(HWND window)
{
    return reinterpret_cast<UINT_PTR>(GetPropA(window, "moves"));
}
