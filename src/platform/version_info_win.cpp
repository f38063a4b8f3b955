#include "platform/version_info_win.h"

#include "settings/registry_backend_win.h"
#include "platform/version_text.h"
#include "win/exceptions.h"

#include <cstdio>
#include <new>

CVersionInfo::CVersionInfo(const char* path) : m_strPath(path ? path : GetProgramFilePath())
{
    if (m_strPath.empty())
        throw CFileException(GetLastError(), m_strPath);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(m_strPath.c_str(), &ignored);
    if (size == 0)
        throw CFileException(GetLastError(), m_strPath);
    try {
        m_block.assign(size, 0);
    } catch (const std::bad_alloc&) {
        throw CMemoryException();
    }
    // The block starts with its 16-bit length: zero means nothing was read. (Its first byte
    // alone is zero for any length that is a multiple of 256.)
    if (!GetFileVersionInfoA(m_strPath.c_str(), 0, size, m_block.data()) || (m_block[0] == 0 && m_block[1] == 0)) {
        const DWORD error = GetLastError();
        m_block.clear();
        throw CFileException(error, m_strPath);
    }
}

const char* CVersionInfo::GetString(const char* name) const
{
    if (!name || m_block.empty())
        return nullptr;
    char query[256];
    const int n = std::snprintf(query, sizeof query, "\\StringFileInfo\\040904B0\\%s", name);
    if (n < 0 || n >= int(sizeof query))
        return nullptr;
    void* text = nullptr;
    UINT length = 0;
    // VerQueryValueA does not write to the block it is given a pointer to.
    if (!VerQueryValueA(const_cast<unsigned char*>(m_block.data()), query, &text, &length) || !text)
        return nullptr;
    return length ? static_cast<const char*>(text) : "";
}

std::uint32_t CVersionInfo::GetProductVersionMS() const
{
    if (m_block.empty())
        return 0;
    void* fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(const_cast<unsigned char*>(m_block.data()), "\\", &fixed, &length) || !fixed ||
        length < sizeof(VS_FIXEDFILEINFO))
        return 0;
    return static_cast<const VS_FIXEDFILEINFO*>(fixed)->dwProductVersionMS;
}

std::string CVersionInfo::GetCompanyWord() const
{
    return CompanyWordOf(GetString("CompanyName"));
}

std::string CVersionInfo::GetTrayTip() const
{
    const auto text = [this](const char* name) {
        const char* s = GetString(name);
        return std::string(s ? s : "");
    };
    return FormatTrayTip(text("CompanyName"), text("ProductName"), text("FileDescription"));
}
