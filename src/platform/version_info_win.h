// The program file's version resource.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

class CVersionInfo {
public:
    // Reads the version block of `path`, or of the running program when null. A file
    // without a version resource raises CFileException (GetLastError and the path).
    explicit CVersionInfo(const char* path = nullptr);

    // "\StringFileInfo\040904B0\<name>", or null when missing. Valid while the object lives.
    const char* GetString(const char* name) const;
    // Product version major (high word) and minor (low word); 0 without a fixed record.
    std::uint32_t GetProductVersionMS() const;
    // The first word of "CompanyName"; kDefaultCompanyWord when the resource has no
    // "CompanyName" or its first word is empty, so the settings keep their usual key.
    std::string GetCompanyWord() const;
    // "CompanyName ProductName - FileDescription" (missing strings are empty).
    std::string GetTrayTip() const;
    const std::string& GetPath() const { return m_strPath; }

private:
    std::string m_strPath;
    std::vector<unsigned char> m_block;
};
