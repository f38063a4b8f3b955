// The system's text for an error code.
#pragma once

#include <windows.h>

#include <string>

// FormatMessageA from the system (and from `moduleName` when given) in the user's language,
// without the trailing line break. Returns the text's length; 0 leaves `text` unchanged.
int GetSystemErrorText(const char* moduleName, DWORD code, std::string& text);
