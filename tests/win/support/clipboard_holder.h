// Another process holding the clipboard open for as long as this object lives
// (win_clipboard_holder.exe, next to the test program).
#pragma once

#include <windows.h>

class CClipboardHolder {
public:
    CClipboardHolder();
    ~CClipboardHolder();
    CClipboardHolder(const CClipboardHolder&) = delete;
    CClipboardHolder& operator=(const CClipboardHolder&) = delete;

    // The other process has the clipboard open.
    bool Holding() const { return m_bHolding; }

private:
    HANDLE m_hHeld = nullptr;
    HANDLE m_hRelease = nullptr;
    PROCESS_INFORMATION m_process{};
    bool m_bHolding = false;
};
