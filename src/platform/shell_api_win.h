// The shell functions the program uses, reached through shell32 loaded on their first use.
// Loading shell32 (and, under Wine, the libraries it brings in) took a good part of a start;
// nothing before the ruler is on the screen needs it: the tray icon is added afterwards and
// help comes later still. Each answers as a failure when shell32 cannot be had.
#pragma once

#include <windows.h>
#include <shellapi.h>

// Shell_NotifyIconA.
BOOL ShellNotifyIcon(DWORD message, NOTIFYICONDATAA* data);
// ExtractIconA.
HICON ShellExtractIcon(HINSTANCE instance, const char* file, UINT index);
// ShellExecuteExA.
BOOL ShellExecuteInfo(SHELLEXECUTEINFOA* info);
// SHGetFolderPathA for the current user, without a token.
HRESULT ShellFolderPath(int csidl, DWORD flags, char* path);
