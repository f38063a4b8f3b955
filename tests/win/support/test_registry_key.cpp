#include "support/test_registry_key.h"

#include "settings/registry_backend_win.h"

#include <cstdio>
#include <vector>

namespace {
const char kTestRoot[] = "Software\\OrrinTest";

CRegKey Open(HKEY root, const std::string& path, REGSAM access)
{
    HKEY h = nullptr;
    return CRegKey(RegOpenKeyExA(root, path.c_str(), 0, access, &h) == ERROR_SUCCESS ? h : nullptr);
}
} // namespace

CTestRegistryKey::CTestRegistryKey(const char* testName)
{
    char path[256];
    std::snprintf(path, sizeof path, "%s\\%s-%lu\\", kTestRoot, testName,
                  static_cast<unsigned long>(GetCurrentProcessId()));
    m_strPath = path;
}

CTestRegistryKey::~CTestRegistryKey()
{
    const std::string own = m_strPath.substr(0, m_strPath.size() - 1);
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        RegDeleteTreeA(root, own.c_str());
        RegDeleteKeyA(root, kTestRoot); // only succeeds once no other test uses it
    }
}

bool CTestRegistryKey::Set(HKEY root, const char* section, const char* name, DWORD type, const void* data,
                           DWORD size) const
{
    HKEY h = nullptr;
    if (RegCreateKeyExA(root, (m_strPath + section).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr) !=
        ERROR_SUCCESS)
        return false;
    CRegKey key(h);
    return RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
}

bool CTestRegistryKey::SetDword(HKEY root, const char* section, const char* name, DWORD value) const
{
    return Set(root, section, name, REG_DWORD, &value, sizeof value);
}

bool CTestRegistryKey::SetString(HKEY root, const char* section, const char* name, const std::string& text) const
{
    return Set(root, section, name, REG_SZ, text.c_str(), DWORD(text.size() + 1));
}

bool CTestRegistryKey::GetDword(HKEY root, const char* section, const char* name, DWORD& value) const
{
    CRegKey key = Open(root, m_strPath + section, KEY_READ);
    DWORD type = 0, size = sizeof value;
    return key && RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) ==
                      ERROR_SUCCESS && type == REG_DWORD && size == sizeof value;
}

bool CTestRegistryKey::GetString(HKEY root, const char* section, const char* name, std::string& text) const
{
    CRegKey key = Open(root, m_strPath + section, KEY_READ);
    DWORD type = 0, size = 0;
    if (!key || RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ)
        return false;
    std::vector<char> buffer(size + 1, 0);
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS)
        return false;
    text = buffer.data();
    return true;
}

bool CTestRegistryKey::Exists(HKEY root, const char* section, const char* name) const
{
    CRegKey key = Open(root, m_strPath + section, KEY_READ);
    return key && (!name || RegQueryValueExA(key, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS);
}

int CTestRegistryKey::CountValues(HKEY root, const char* section) const
{
    CRegKey key = Open(root, m_strPath + section, KEY_READ);
    DWORD values = 0;
    if (!key || RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr,
                                 nullptr, nullptr) != ERROR_SUCCESS)
        return -1;
    return int(values);
}
