// Putting data on the clipboard.
#pragma once

#include <windows.h>

// Puts `length` bytes of `text` (-1: up to its zero) as CF_TEXT, terminated. False when the
// clipboard is busy or memory runs out; nothing is changed then.
bool CopyTextToClipboard(const char* text, int length = -1);

// Empties the clipboard and hands it `handle` in `format`. True when the clipboard took the
// handle; on false the caller still owns it.
bool SetClipboardHandle(HANDLE handle, UINT format);
