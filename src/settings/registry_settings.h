// The root of the settings classes: where the program's key lies and typed reads and writes
// of single values. A read that fails yields its default, a write that fails is skipped:
// the store never reports a registry failure to the user.
#pragma once

#include "settings/settings_backend.h"

#include <cstdint>
#include <memory>
#include <string>

// "Software\<company>\<application>\" for the key path, or "" when either name is empty
// (the framework does not know the registry key yet).
std::string MakeSettingsKeyPath(const std::string& companyWord, const std::string& appName);

// The lead bytes of the system's ANSI code page as the system lists them: up to five ranges
// of first and last byte, ended by a zero pair. None in a single-byte code page such as 1252.
struct AnsiLeadBytes {
    unsigned char ranges[12] = {};
    bool IsLead(unsigned char c) const;
};

// Whether two texts in the ANSI code page are equal ignoring letter case, character by
// character. A lead byte and the byte after it are one character and compare exactly: in code
// pages 932, 936, 949 and 950 a second byte can be an ASCII letter, and folding it would make
// two different characters equal. Single-byte characters fold ASCII letters, and in a
// single-byte code page code page 1252's letters too (a path that differs only by the case of
// an accented letter compares equal).
bool EqualNoCaseAnsi(const std::string& a, const std::string& b, const AnsiLeadBytes& lead = AnsiLeadBytes());

class CRegistrySettings {
public:
    CRegistrySettings() = default;
    virtual ~CRegistrySettings() = default;
    CRegistrySettings(const CRegistrySettings&) = delete;
    CRegistrySettings& operator=(const CRegistrySettings&) = delete;

    // The registry under the chosen root key (see registry_backend_win.h). Without one every
    // read gives its default and every write fails.
    void SetBackend(std::shared_ptr<ISettingsBackend> backend) { m_pBackend = std::move(backend); }
    ISettingsBackend* GetBackend() const { return m_pBackend.get(); }

    virtual void PreSave() {}
    virtual void Reset();
    virtual void Load();
    virtual void Save();
    virtual int IsChanged() const { return m_bChanged; }

    // A non-empty text becomes the path (it should end in a backslash); an empty one
    // leaves the path empty, and with an empty path nothing is read or written.
    void SetKeyPath(const std::string& text);

    // Checks that the section's key can be opened (or with `create`, creates it). Returns
    // the registry's code, also kept as LastError(): kRegInvalidParameter for a null section,
    // kRegNameTooLong when path and section pass 255 characters.
    long OpenSection(const char* section, bool create, std::uint32_t access = 0);

    // Only a REG_DWORD of exactly 4 bytes counts; anything else gives `def`.
    std::int32_t ReadDword(const char* section, const char* name, std::int32_t def);
    bool WriteDword(const char* section, const char* name, std::int32_t value);
    // A REG_SZ, up to its first zero (a value without one is taken whole); else `def`, also
    // for a value of more than maxSize bytes.
    std::string ReadString(const char* section, const char* name, const std::string& def,
                           std::size_t maxSize = kAnySize);
    bool WriteString(const char* section, const char* name, const std::string& text);
    bool DeleteValue(const char* section, const char* name);

    // The registry code of the last operation (the thread's last error in the original).
    long LastError() const { return m_lLastError; }

    std::string m_strKeyPath;
    int m_bChanged = 0;
    int m_bLoaded = 0;

private:
    // The section's key path below the root, or an error code.
    long SectionPath(const char* section, std::string& path) const;
    // SectionPath for one value's operation; false (LastError set) when it cannot run.
    bool ValuePath(const char* section, const char* name, std::string& path);

    std::shared_ptr<ISettingsBackend> m_pBackend;
    long m_lLastError = 0;
};
