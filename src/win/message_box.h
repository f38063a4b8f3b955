// Every message box of the program goes through AppMessageBox, so that a test can install a
// hook, see which message would appear, and answer it without a blocking box.
#pragma once

#include <windows.h>

// Returns what MessageBox would return (IDOK, ...).
using MessageBoxHook = int (*)(HWND owner, const char* text, const char* caption, UINT flags);

// Installs a hook (null restores the real message box); returns the previous one.
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);

// Shows text with the application's name ("Calyx", string 57344) as the caption.
int AppMessageBox(HWND owner, const char* text, UINT flags);
