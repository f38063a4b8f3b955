#include "platform/clipboard_win.h"

#include "win/handles.h"

#include <cstring>

bool CopyTextToClipboard(const char* text, int length)
{
    if (!text || length < -1)
        return false;
    const std::size_t n = length == -1 ? std::strlen(text) : std::size_t(length);
    CGlobalHandle memory(GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, n + 1));
    if (!memory)
        return false;
    auto* bytes = static_cast<char*>(GlobalLock(memory));
    if (!bytes)
        return false;
    // Terminated here rather than by copying the caller's next byte: a length shorter than
    // the text, or a buffer without a zero, must still give one string.
    std::memcpy(bytes, text, n);
    bytes[n] = '\0';
    GlobalUnlock(memory);

    CClipboardOpen clipboard;
    if (!clipboard.IsOpen() || !EmptyClipboard() || !SetClipboardData(CF_TEXT, memory))
        return false;
    memory.Release(); // the clipboard owns it now
    return true;
}

bool SetClipboardHandle(HANDLE handle, UINT format)
{
    if (!handle)
        return false;
    CClipboardOpen clipboard;
    if (!clipboard.IsOpen() || !EmptyClipboard())
        return false;
    return SetClipboardData(format, handle) != nullptr;
}
