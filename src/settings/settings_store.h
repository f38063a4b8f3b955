// The settings every window of this kind keeps: always on top, bounds and show state (the
// Window section), and the record of the running program (the CurrentVersion section).
// Placing a window from these values and taking them back is Win32 (placement_win.h).
#pragma once

#include "base/geometry.h"
#include "settings/registry_settings.h"

class CSettingsStore : public CRegistrySettings {
public:
    // Updates CurrentVersion\Path and \Version when they differ from the running program,
    // then sets the Window defaults.
    void Reset() override;
    void Load() override;
    // An empty m_rcBounds leaves the stored bounds as they are.
    void Save() override;

    // `name` + ".left", ".top", ".right", ".bottom", each defaulting to rc's coordinate.
    Rect ReadRect(const Rect& rc, const char* section, const char* name);
    // Writes the four coordinates in that order; the first failure ends it with false.
    bool WriteRect(const char* section, const char* name, const Rect& rc);
    // Takes `rc` as the bounds; false (and nothing marked) when they are already equal.
    bool SetBounds(const Rect& rc);
    // The part of CapturePlacement after GetWindowPlacement: a new show command is taken
    // alone (the rectangle then keeps its value), else the normal rectangle.
    bool TakePlacement(int showCmd, const Rect& normalRect);

    // The running program's file, written as CurrentVersion\Path by Reset (the Win32 side
    // sets it from GetModuleFileNameA; empty skips the update).
    std::string m_strProgramPath;
    // The ANSI code page's lead bytes, for comparing the stored path with it (the Win32 side
    // takes them from the system; none by default).
    AnsiLeadBytes m_leadBytes;

    std::int32_t m_nStoredVersion = 0;
    std::int32_t m_nCurrentVersion = 0;
    std::int32_t m_bOnTop = 0;
    Rect m_rcBounds;
    std::int32_t m_nShowState = 1;
};

// Section and value names of the store.
extern const char kSectionWindow[];
extern const char kSectionCurrentVersion[];
