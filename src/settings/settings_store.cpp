#include "settings/settings_store.h"

const char kSectionWindow[] = "Window";
const char kSectionCurrentVersion[] = "CurrentVersion";

namespace {
// Window\State holds a show command: 1 normal, 2 minimized, 3 maximized.
bool IsStoredShowState(std::int32_t state)
{
    return state >= 1 && state <= 3;
}
} // namespace

void CSettingsStore::Reset()
{
    CRegistrySettings::Reset();

    // A moved program rewrites its path; a change of letter case alone does not.
    const std::string storedPath = ReadString(kSectionCurrentVersion, "Path", std::string());
    if (!m_strProgramPath.empty() && !EqualNoCaseAnsi(storedPath, m_strProgramPath, m_leadBytes))
        WriteString(kSectionCurrentVersion, "Path", m_strProgramPath);

    m_nStoredVersion = ReadDword(kSectionCurrentVersion, "Version", m_nStoredVersion);
    if (m_nStoredVersion != m_nCurrentVersion)
        WriteDword(kSectionCurrentVersion, "Version", m_nCurrentVersion);

    m_bOnTop = 0;
    m_rcBounds = Rect{};
    m_nShowState = 1;
}

void CSettingsStore::Load()
{
    m_bOnTop = ReadDword(kSectionWindow, "On top", m_bOnTop);
    m_rcBounds = ReadRect(m_rcBounds, kSectionWindow, "Bounds");
    m_nShowState = ReadDword(kSectionWindow, "State", m_nShowState);
    if (!IsStoredShowState(m_nShowState))
        m_nShowState = 1;
    CRegistrySettings::Load();
}

void CSettingsStore::Save()
{
    WriteDword(kSectionWindow, "On top", m_bOnTop);
    // A window that never had bounds leaves the stored ones alone.
    if (!m_rcBounds.IsEmpty())
        WriteRect(kSectionWindow, "Bounds", m_rcBounds);
    WriteDword(kSectionWindow, "State", m_nShowState);
    CRegistrySettings::Save();
}

Rect CSettingsStore::ReadRect(const Rect& rc, const char* section, const char* name)
{
    const std::string base = name ? name : "";
    Rect out;
    out.left = ReadDword(section, (base + ".left").c_str(), rc.left);
    out.top = ReadDword(section, (base + ".top").c_str(), rc.top);
    out.right = ReadDword(section, (base + ".right").c_str(), rc.right);
    out.bottom = ReadDword(section, (base + ".bottom").c_str(), rc.bottom);
    return out;
}

bool CSettingsStore::WriteRect(const char* section, const char* name, const Rect& rc)
{
    const std::string base = name ? name : "";
    return WriteDword(section, (base + ".left").c_str(), rc.left) &&
           WriteDword(section, (base + ".top").c_str(), rc.top) &&
           WriteDword(section, (base + ".right").c_str(), rc.right) &&
           WriteDword(section, (base + ".bottom").c_str(), rc.bottom);
}

bool CSettingsStore::SetBounds(const Rect& rc)
{
    if (m_rcBounds == rc)
        return false;
    m_rcBounds = rc;
    m_bChanged = 1;
    return true;
}

bool CSettingsStore::TakePlacement(int showCmd, const Rect& normalRect)
{
    // A window just maximized or minimized keeps its last normal rectangle as stored.
    if (showCmd != m_nShowState) {
        m_nShowState = showCmd;
        m_bChanged = 1;
        return true;
    }
    return SetBounds(normalRect);
}
