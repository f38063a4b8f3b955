#include "platform/help_win.h"

#include "platform/browser_command.h"
#include "platform/help_url.h"
#include "platform/manual_folders.h"
#include "platform/shell_api_win.h"
#include "platform/version_info_win.h"
#include "platform/version_text.h"
#include "resource.h"
#include "win/message_box.h"
#include "win/strings.h"

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <vector>

namespace {

HelpLauncher g_pHelpLauncher = nullptr;

// How long a started browser may take to fail. A browser hands the address to a copy that
// is already running and ends with 0, or keeps running itself; a launcher that finds no
// browser to start ends at once with a failure code.
constexpr DWORD kBrowserFailWindowMs = 1000;

// The manual as the program carries it.
bool ManualResource(const char*& data, DWORD& size)
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(IDR_MANUAL), MAKEINTRESOURCEA(23));  // RT_HTML
    HGLOBAL loaded = info ? LoadResource(module, info) : nullptr;
    data = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    size = info ? SizeofResource(module, info) : 0;
    return data && size;
}

// The folders the manual may be written to, in the order they are tried.
std::vector<ManualFolder> ManualFolders()
{
    std::string company = kDefaultCompanyWord;
    try {
        company = CVersionInfo().GetCompanyWord();
    } catch (...) {
        // Without a version resource the settings key has its usual names too.
    }
    const std::string product = LoadResString(IDS_APP_TITLE);
    char base[MAX_PATH] = "";
    if (FAILED(ShellFolderPath(CSIDL_LOCAL_APPDATA, SHGFP_TYPE_CURRENT, base)))
        base[0] = '\0';
    char temp[MAX_PATH + 1] = "";
    const DWORD n = GetTempPathA(sizeof temp, temp);
    if (n == 0 || n >= sizeof temp)
        temp[0] = '\0';
    return ManualFolderChoices(base, company, product, temp);
}

bool FileHolds(const std::string& path, const char* data, DWORD size)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    bool same = GetFileSize(h, nullptr) == size;
    std::vector<char> buffer(size);
    DWORD read = 0;
    if (same)
        same = ReadFile(h, buffer.data(), size, &read, nullptr) && read == size &&
               std::equal(buffer.begin(), buffer.end(), data);
    CloseHandle(h);
    return same;
}

bool WriteWholeFile(const std::string& path, const char* data, DWORD size)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = WriteFile(h, data, size, &written, nullptr) && written == size;
    CloseHandle(h);
    if (!ok)
        DeleteFileA(path.c_str());
    return ok;
}

// The real folders and files, with the manual as the program carries it.
class CManualFiles final : public IManualFiles {
public:
    CManualFiles(const char* data, DWORD size) : m_data(data), m_size(size) {}

    bool CreateFolder(const std::string& path) override
    {
        return CreateDirectoryA(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
    }
    bool IsFolder(const std::string& path) override
    {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    bool HoldsManual(const std::string& path) override { return FileHolds(path, m_data, m_size); }
    bool WriteManual(const std::string& path) override { return WriteWholeFile(path, m_data, m_size); }

private:
    const char* m_data;
    DWORD m_size;
};

std::string ToUtf8(const std::string& ansi)
{
    const int wide = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), int(ansi.size()), nullptr, 0);
    if (wide <= 0)
        return ansi;
    std::vector<wchar_t> w(static_cast<std::size_t>(wide));
    MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), int(ansi.size()), w.data(), wide);
    const int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, nullptr, 0, nullptr, nullptr);
    if (n <= 0)
        return ansi;
    std::string out(std::size_t(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, &out[0], n, nullptr, nullptr);
    return out;
}

// A string value of the registry, environment variables expanded; "" when there is none.
std::string ReadRegistryText(HKEY root, const std::string& key, const char* name)
{
    HKEY h = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_QUERY_VALUE, &h) != ERROR_SUCCESS)
        return std::string();
    DWORD type = 0, size = 0;
    std::string text;
    if (RegQueryValueExA(h, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ) && size > 0) {
        std::vector<char> buffer(std::size_t(size) + 1, '\0');
        if (RegQueryValueExA(h, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) == ERROR_SUCCESS)
            text = buffer.data();
    }
    RegCloseKey(h);
    if (type == REG_EXPAND_SZ && !text.empty()) {
        const DWORD n = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
        std::vector<char> expanded(std::size_t(n) + 1, '\0');
        if (n > 0 && ExpandEnvironmentStringsA(text.c_str(), expanded.data(), n + 1) > 0)
            text = expanded.data();
    }
    return text;
}

std::string ReadRootText(RegistryRoot root, const std::string& key, const char* name)
{
    return ReadRegistryText(root == RegistryRoot::kCurrentUser ? HKEY_CURRENT_USER : HKEY_CLASSES_ROOT, key, name);
}

bool StillRunningOrSucceeded(HANDLE process)
{
    if (WaitForSingleObject(process, kBrowserFailWindowMs) == WAIT_TIMEOUT)
        return true;
    DWORD code = 1;
    return GetExitCodeProcess(process, &code) && code == 0;
}

bool RunCommandLine(const std::string& commandLine)
{
    if (commandLine.empty())
        return false;
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    // A browser registered through a console program (a script, a launcher) gets no console
    // window of its own; a windowed browser is not affected.
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &si, &pi))
        return false;
    CloseHandle(pi.hThread);
    const bool started = StillRunningOrSucceeded(pi.hProcess);
    CloseHandle(pi.hProcess);
    return started;
}

bool OpenWithFileAssociation(HWND owner, const std::string& path)
{
    SHELLEXECUTEINFOA sei{};
    sei.cbSize = sizeof sei;
    sei.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    sei.hwnd = owner;
    sei.lpVerb = "open";
    sei.lpFile = path.c_str();
    sei.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteInfo(&sei))
        return false;
    if (!sei.hProcess)
        return true;  // handed to a program that was already running
    const bool started = StillRunningOrSucceeded(sei.hProcess);
    CloseHandle(sei.hProcess);
    return started;
}

} // namespace

HelpLauncher SetHelpLauncher(HelpLauncher launcher)
{
    HelpLauncher old = g_pHelpLauncher;
    g_pHelpLauncher = launcher;
    return old;
}

std::string ExtractManual(std::string* folders)
{
    const char* data = nullptr;
    DWORD size = 0;
    if (!ManualResource(data, size))
        return std::string();
    CManualFiles files(data, size);
    return PlaceManual(files, ManualFolders(), kManualFileName, folders);
}

bool LaunchManualInBrowser(HWND owner, const std::string& url, const std::string& path)
{
    // A browser given the address opens the section; a file handed to its program opens the
    // page at its start, which is still better than nothing.
    return RunCommandLine(FillOpenCommand(BrowserOpenCommand(&ReadRootText), url)) || OpenWithFileAssociation(owner, path);
}

bool ShowHelpTopic(HWND owner, const char* topic)
{
    std::string folders;
    const std::string path = ExtractManual(&folders);
    if (path.empty()) {
        AppMessageBox(owner, ReplaceArgs(LoadResString(IDS_HELP_NOT_SAVED), folders).c_str(), MB_ICONEXCLAMATION | MB_OK);
        return false;
    }
    const std::string url = FileUrlOf(ToUtf8(path), topic);
    const HelpLauncher launch = g_pHelpLauncher ? g_pHelpLauncher : &LaunchManualInBrowser;
    if (launch(owner, url, path))
        return true;
    AppMessageBox(owner, ReplaceArgs(LoadResString(IDS_HELP_NO_BROWSER), path).c_str(), MB_ICONEXCLAMATION | MB_OK);
    return false;
}
