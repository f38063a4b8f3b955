// Showing a failed system call to the user.
#pragma once

#include <windows.h>

#include <string>

// "Error #<code>: <system text>" (string 25260), the text empty when the system has none.
std::string FormatSystemErrorMessage(DWORD code, const char* moduleName = nullptr);

// Shows FormatSystemErrorMessage in a message box with the exclamation icon; nothing for 0.
void ShowSystemError(DWORD code, const char* moduleName = nullptr);
// The same in front of `owner` (a dialog that stays open after the message).
void ShowSystemErrorOver(HWND owner, DWORD code);
