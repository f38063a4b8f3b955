#include "platform/system_errors_win.h"

#include "resource.h"

#include "win/message_box.h"
#include "win/strings.h"
#include "win/system_error.h"
#include "win/window.h"

#include <cstdio>

std::string FormatSystemErrorMessage(DWORD code, const char* moduleName)
{
    std::string reason;
    GetSystemErrorText(moduleName, code, reason);
    char number[16];
    std::snprintf(number, sizeof number, "%lu", static_cast<unsigned long>(code));

    std::string format = LoadResString(IDS_SYSTEM_ERROR);
    if (format.empty())
        format = "Error #%1: %2";
    // The inserts are arguments, so a '%' in the system's text is shown as it is.
    DWORD_PTR args[2] = {reinterpret_cast<DWORD_PTR>(number), reinterpret_cast<DWORD_PTR>(reason.c_str())};
    char* text = nullptr;
    const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ALLOCATE_BUFFER |
                                       FORMAT_MESSAGE_ARGUMENT_ARRAY,
                                   format.c_str(), 0, 0, reinterpret_cast<char*>(&text), 0,
                                   reinterpret_cast<va_list*>(args));
    std::string message = n && text ? std::string(text, n) : "Error #" + std::string(number) + ": " + reason;
    if (text)
        LocalFree(text);
    return message;
}

void ShowSystemError(DWORD code, const char* moduleName)
{
    if (code == 0)
        return;
    AppMessageBox(GetMainWindowHandle(), FormatSystemErrorMessage(code, moduleName).c_str(), MB_ICONEXCLAMATION);
}

void ShowSystemErrorOver(HWND owner, DWORD code)
{
    if (code == 0)
        return;
    AppMessageBox(owner, FormatSystemErrorMessage(code).c_str(), MB_ICONEXCLAMATION);
}
