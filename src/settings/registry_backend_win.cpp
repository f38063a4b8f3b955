#include "settings/registry_backend_win.h"

#include "settings/settings_store.h"
#include "settings/value_read.h"

static_assert(kRegMoreData == ERROR_MORE_DATA && kRegNotEnoughMemory == ERROR_NOT_ENOUGH_MEMORY &&
                  kRegFileNotFound == ERROR_FILE_NOT_FOUND && kKeyRead == KEY_READ,
              "registry codes");

namespace {
long OpenForRead(HKEY root, const std::string& keyPath, CRegKey& key)
{
    HKEY h = nullptr;
    const LONG r = RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ, &h);
    key.Reset(r == ERROR_SUCCESS ? h : nullptr);
    return r;
}
} // namespace

long CRegistryBackend::OpenKey(const std::string& keyPath, std::uint32_t access)
{
    HKEY h = nullptr;
    LONG r = RegOpenKeyExA(m_hRoot, keyPath.c_str(), 0, access, &h);
    if (m_hFallback && ReadsFromFallback(r, access))
        r = RegOpenKeyExA(m_hFallback, keyPath.c_str(), 0, access, &h);
    CRegKey key(r == ERROR_SUCCESS ? h : nullptr);
    return r;
}

long CRegistryBackend::CreateKey(const std::string& keyPath)
{
    HKEY h = nullptr;
    const LONG r = RegCreateKeyExA(m_hRoot, keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                   KEY_READ | KEY_WRITE, nullptr, &h, nullptr);
    CRegKey key(r == ERROR_SUCCESS ? h : nullptr);
    return r;
}

long CRegistryBackend::QueryValue(const std::string& keyPath, const std::string& name, std::size_t maxSize,
                                  SettingsValue& value)
{
    long r = QueryFrom(m_hRoot, keyPath, name, maxSize, value);
    if (m_hFallback && ReadsFromFallback(r))
        r = QueryFrom(m_hFallback, keyPath, name, maxSize, value);
    return r;
}

long CRegistryBackend::QueryFrom(HKEY root, const std::string& keyPath, const std::string& name,
                                 std::size_t maxSize, SettingsValue& value)
{
    CRegKey key;
    LONG r = OpenForRead(root, keyPath, key);
    if (r != ERROR_SUCCESS)
        return r;
    const HKEY h = key.Get();
    return ReadWholeValue(
        [h, &name](std::uint32_t& type, std::uint32_t& size, unsigned char* data) {
            DWORD t = type, n = size;
            const LONG q = RegQueryValueExA(h, name.c_str(), nullptr, &t, data, &n);
            type = t;
            size = n;
            return long(q);
        },
        maxSize, value);
}

long CRegistryBackend::SetValue(const std::string& keyPath, const std::string& name, std::uint32_t type,
                                const void* data, std::size_t size)
{
    if (size > MAXDWORD)
        return ERROR_INVALID_PARAMETER;
    HKEY h = nullptr;
    LONG r = RegCreateKeyExA(m_hRoot, keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                             nullptr, &h, nullptr);
    if (r != ERROR_SUCCESS)
        return r;
    CRegKey key(h);
    return RegSetValueExA(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), DWORD(size));
}

long CRegistryBackend::DeleteValue(const std::string& keyPath, const std::string& name)
{
    HKEY h = nullptr;
    LONG r = RegOpenKeyExA(m_hRoot, keyPath.c_str(), 0, KEY_SET_VALUE, &h);
    if (r != ERROR_SUCCESS)
        return r;
    CRegKey key(h);
    return RegDeleteValueA(key, name.c_str());
}

bool CanWriteMachineKey(const std::string& keyPath)
{
    if (keyPath.empty())
        return false;
    HKEY h = nullptr;
    const LONG r = RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                   KEY_READ | KEY_WRITE, nullptr, &h, nullptr);
    CRegKey key(r == ERROR_SUCCESS ? h : nullptr);
    return r == ERROR_SUCCESS;
}

HKEY ChooseSettingsRoot(const std::string& keyPath, const std::function<bool(const std::string&)>& canWriteMachine)
{
    const bool machine = canWriteMachine ? canWriteMachine(keyPath) : CanWriteMachineKey(keyPath);
    return machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

std::shared_ptr<ISettingsBackend> MakeRegistryBackend(HKEY root)
{
    return std::make_shared<CRegistryBackend>(root, root == HKEY_CURRENT_USER ? HKEY_LOCAL_MACHINE : nullptr);
}

std::string GetProgramFilePath()
{
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    // A cut path would be stored as if it were the program's.
    if (n == 0 || n >= MAX_PATH)
        return std::string();
    return std::string(path, n);
}

AnsiLeadBytes GetAnsiLeadBytes()
{
    AnsiLeadBytes lead;
    CPINFO info{};
    if (GetCPInfo(CP_ACP, &info))
        for (std::size_t i = 0; i < sizeof lead.ranges && i < MAX_LEADBYTES; ++i)
            lead.ranges[i] = info.LeadByte[i];
    return lead;
}

HKEY AttachSettingsToRegistry(CSettingsStore& store, const std::function<bool(const std::string&)>& canWriteMachine)
{
    const HKEY root = ChooseSettingsRoot(store.m_strKeyPath, canWriteMachine);
    store.SetBackend(MakeRegistryBackend(root));
    store.m_strProgramPath = GetProgramFilePath();
    store.m_leadBytes = GetAnsiLeadBytes();
    return root;
}
