#include "platform/shell_api_win.h"

namespace {

// Loaded once and kept for the rest of the process.
HMODULE Shell32()
{
    static const HMODULE module = LoadLibraryA("shell32.dll");
    return module;
}

template <class Fn>
Fn ShellProc(const char* name)
{
    HMODULE module = Shell32();
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

} // namespace

BOOL ShellNotifyIcon(DWORD message, NOTIFYICONDATAA* data)
{
    using Fn = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAA);
    static const Fn fn = ShellProc<Fn>("Shell_NotifyIconA");
    return fn ? fn(message, data) : FALSE;
}

HICON ShellExtractIcon(HINSTANCE instance, const char* file, UINT index)
{
    using Fn = HICON(WINAPI*)(HINSTANCE, LPCSTR, UINT);
    static const Fn fn = ShellProc<Fn>("ExtractIconA");
    return fn ? fn(instance, file, index) : nullptr;
}

BOOL ShellExecuteInfo(SHELLEXECUTEINFOA* info)
{
    using Fn = BOOL(WINAPI*)(SHELLEXECUTEINFOA*);
    static const Fn fn = ShellProc<Fn>("ShellExecuteExA");
    return fn ? fn(info) : FALSE;
}

HRESULT ShellFolderPath(int csidl, DWORD flags, char* path)
{
    using Fn = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPSTR);
    static const Fn fn = ShellProc<Fn>("SHGetFolderPathA");
    return fn ? fn(nullptr, csidl, nullptr, flags, path) : E_FAIL;
}
