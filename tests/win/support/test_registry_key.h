// A registry key path of its own for one test, Software\OrrinTest\<name>-<pid>\, removed
// under both roots when the test ends, with raw access to its values for set-up and checks.
#pragma once

#include <windows.h>

#include <string>

class CTestRegistryKey {
public:
    explicit CTestRegistryKey(const char* testName);
    ~CTestRegistryKey();
    CTestRegistryKey(const CTestRegistryKey&) = delete;
    CTestRegistryKey& operator=(const CTestRegistryKey&) = delete;

    // The key path for SetKeyPath, ending in a backslash.
    const std::string& Path() const { return m_strPath; }

    bool Set(HKEY root, const char* section, const char* name, DWORD type, const void* data, DWORD size) const;
    bool SetDword(HKEY root, const char* section, const char* name, DWORD value) const;
    bool SetString(HKEY root, const char* section, const char* name, const std::string& text) const;

    // False when the value is missing or not of that type and size.
    bool GetDword(HKEY root, const char* section, const char* name, DWORD& value) const;
    bool GetString(HKEY root, const char* section, const char* name, std::string& text) const;
    bool Exists(HKEY root, const char* section, const char* name = nullptr) const;
    // The number of values in a section (-1 without the key).
    int CountValues(HKEY root, const char* section) const;

private:
    std::string m_strPath;
};
