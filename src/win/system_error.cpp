#include "win/system_error.h"

int GetSystemErrorText(const char* moduleName, DWORD code, std::string& text)
{
    DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_FROM_SYSTEM;
    HMODULE module = nullptr;
    if (moduleName) {
        module = LoadLibraryA(moduleName);
        if (module)
            flags |= FORMAT_MESSAGE_FROM_HMODULE;
    }
    char* buffer = nullptr;
    DWORD n = FormatMessageA(flags, module, code, 0x400, reinterpret_cast<char*>(&buffer), 0, nullptr);
    if (module)
        FreeLibrary(module);
    if (n == 0 || !buffer) {
        if (buffer)
            LocalFree(buffer);
        return 0;
    }
    std::string s(buffer, n);
    LocalFree(buffer);
    // The system ends its texts with a line break; cut at the final carriage return.
    if (s.size() >= 2 && s[s.size() - 2] == '\r')
        s.resize(s.size() - 2);
    text = s;
    return int(text.size());
}
