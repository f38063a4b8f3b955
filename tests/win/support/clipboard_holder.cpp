#include "support/clipboard_holder.h"

#include <cstdio>
#include <cstring>

CClipboardHolder::CClipboardHolder()
{
    char held[64];
    char release[64];
    std::snprintf(held, sizeof held, "CalyxTestClipHeld-%lu", GetCurrentProcessId());
    std::snprintf(release, sizeof release, "CalyxTestClipRelease-%lu", GetCurrentProcessId());
    m_hHeld = CreateEventA(nullptr, TRUE, FALSE, held);
    m_hRelease = CreateEventA(nullptr, TRUE, FALSE, release);

    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    if (char* slash = std::strrchr(path, '\\'))
        slash[1] = '\0';
    char command[2 * MAX_PATH];
    std::snprintf(command, sizeof command, "\"%swin_clipboard_holder.exe\" %s %s", path, held, release);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    if (m_hHeld && m_hRelease &&
        CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &m_process))
        m_bHolding = WaitForSingleObject(m_hHeld, 20000) == WAIT_OBJECT_0;
}

CClipboardHolder::~CClipboardHolder()
{
    if (m_hRelease)
        SetEvent(m_hRelease);
    if (m_process.hProcess) {
        // Gone, and so the clipboard closed, before the test looks at it again.
        WaitForSingleObject(m_process.hProcess, 20000);
        CloseHandle(m_process.hProcess);
        CloseHandle(m_process.hThread);
    }
    if (m_hHeld)
        CloseHandle(m_hHeld);
    if (m_hRelease)
        CloseHandle(m_hRelease);
}
