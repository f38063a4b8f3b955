#include "settings/registry_settings.h"

#include <cstring>

namespace {
// A section's path is assembled in a 256-byte buffer in the registry's own limits.
constexpr std::size_t kMaxSectionPath = 255;

// Lower case of a code page 1252 character.
unsigned char Fold1252(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<unsigned char>(c + 0x20);
    switch (c) {
    case 0x8A: return 0x9A; // S with caron
    case 0x8C: return 0x9C; // OE
    case 0x8E: return 0x9E; // Z with caron
    case 0x9F: return 0xFF; // Y with diaeresis
    default: return c;
    }
}
// Lower case of an ASCII letter; every other byte as it is.
unsigned char FoldAscii(unsigned char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + 0x20) : c;
}
} // namespace

std::string MakeSettingsKeyPath(const std::string& companyWord, const std::string& appName)
{
    if (companyWord.empty() || appName.empty())
        return std::string();
    return "Software\\" + companyWord + "\\" + appName + "\\";
}

bool AnsiLeadBytes::IsLead(unsigned char c) const
{
    for (std::size_t i = 0; i + 1 < sizeof ranges && (ranges[i] || ranges[i + 1]); i += 2)
        if (c >= ranges[i] && c <= ranges[i + 1])
            return true;
    return false;
}

bool EqualNoCaseAnsi(const std::string& a, const std::string& b, const AnsiLeadBytes& lead)
{
    if (a.size() != b.size())
        return false;
    const bool multiByte = lead.ranges[0] != 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (multiByte && lead.IsLead(ca) && i + 1 < a.size()) {
            // A two-byte character: both bytes as they are.
            if (ca != cb || a[i + 1] != b[i + 1])
                return false;
            ++i;
            continue;
        }
        if (multiByte && lead.IsLead(cb) && i + 1 < b.size())
            return false;
        const bool same = multiByte ? FoldAscii(ca) == FoldAscii(cb) : Fold1252(ca) == Fold1252(cb);
        if (!same)
            return false;
    }
    return true;
}

void CRegistrySettings::Reset()
{
    m_bChanged = 0;
}

void CRegistrySettings::Load()
{
    m_bChanged = 0;
    m_bLoaded = 1;
}

void CRegistrySettings::Save()
{
    m_bChanged = 0;
}

void CRegistrySettings::SetKeyPath(const std::string& text)
{
    m_strKeyPath = text;
}

long CRegistrySettings::SectionPath(const char* section, std::string& path) const
{
    if (!section)
        return kRegInvalidParameter;
    // Without the program's key path a section would land directly under the root key.
    if (m_strKeyPath.empty())
        return kRegInvalidParameter;
    if (m_strKeyPath.size() + std::strlen(section) > kMaxSectionPath)
        return kRegNameTooLong;
    if (!m_pBackend)
        return kRegInvalidHandle;
    path = m_strKeyPath + section;
    return kRegSuccess;
}

bool CRegistrySettings::ValuePath(const char* section, const char* name, std::string& path)
{
    m_lLastError = name ? SectionPath(section, path) : kRegInvalidParameter;
    return m_lLastError == kRegSuccess;
}

long CRegistrySettings::OpenSection(const char* section, bool create, std::uint32_t access)
{
    std::string path;
    m_lLastError = SectionPath(section, path);
    if (m_lLastError != kRegSuccess)
        return m_lLastError;
    m_lLastError = create ? m_pBackend->CreateKey(path) : m_pBackend->OpenKey(path, access ? access : kKeyRead);
    return m_lLastError;
}

std::int32_t CRegistrySettings::ReadDword(const char* section, const char* name, std::int32_t def)
{
    std::string path;
    if (!ValuePath(section, name, path))
        return def;
    SettingsValue value;
    m_lLastError = m_pBackend->QueryValue(path, name, 4, value);
    if (m_lLastError != kRegSuccess || value.type != kRegDword || value.size != 4 || value.data.size() != 4)
        return def;
    const std::uint32_t u = std::uint32_t(value.data[0]) | std::uint32_t(value.data[1]) << 8 |
                            std::uint32_t(value.data[2]) << 16 | std::uint32_t(value.data[3]) << 24;
    return static_cast<std::int32_t>(u);
}

bool CRegistrySettings::WriteDword(const char* section, const char* name, std::int32_t value)
{
    std::string path;
    if (!ValuePath(section, name, path))
        return false;
    const auto u = static_cast<std::uint32_t>(value);
    const unsigned char bytes[4] = {static_cast<unsigned char>(u), static_cast<unsigned char>(u >> 8),
                                    static_cast<unsigned char>(u >> 16), static_cast<unsigned char>(u >> 24)};
    m_lLastError = m_pBackend->SetValue(path, name, kRegDword, bytes, sizeof bytes);
    return m_lLastError == kRegSuccess;
}

std::string CRegistrySettings::ReadString(const char* section, const char* name, const std::string& def,
                                          std::size_t maxSize)
{
    std::string path;
    if (!ValuePath(section, name, path))
        return def;
    SettingsValue value;
    m_lLastError = m_pBackend->QueryValue(path, name, maxSize, value);
    if (m_lLastError != kRegSuccess || value.type != kRegSz)
        return def;
    // Up to the first zero; a value stored without one is taken whole.
    if (value.data.empty())
        return std::string();
    const auto* first = reinterpret_cast<const char*>(value.data.data());
    const auto* end = first + value.data.size();
    const auto* zero = static_cast<const char*>(std::memchr(first, 0, value.data.size()));
    return std::string(first, zero ? zero : end);
}

bool CRegistrySettings::WriteString(const char* section, const char* name, const std::string& text)
{
    std::string path;
    if (!ValuePath(section, name, path))
        return false;
    const char* s = text.c_str();
    m_lLastError = m_pBackend->SetValue(path, name, kRegSz, s, std::strlen(s) + 1);
    return m_lLastError == kRegSuccess;
}

bool CRegistrySettings::DeleteValue(const char* section, const char* name)
{
    std::string path;
    if (!ValuePath(section, name, path))
        return false;
    m_lLastError = m_pBackend->DeleteValue(path, name);
    return m_lLastError == kRegSuccess;
}
