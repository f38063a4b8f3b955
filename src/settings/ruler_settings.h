// The one persistent record of the program: every option of the ruler, the magnifier, the
// caption line, the colour notation and the sizing tool. Other code reads and writes the
// members directly; the record reaches the registry only through Save.
#pragma once

#include "settings/settings_store.h"

#include <cstdint>

class CRulerSettings : public CSettingsStore {
public:
    // Base Reset (version bookkeeping, Window defaults), then the defaults below.
    void Reset() override;
    // The 30 values in declaration order, the fix-ups, then the Window section.
    void Load() override;
    // The 30 values as 4-byte REG_DWORDs in declaration order, then the Window section.
    void Save() override;

    // View. Defaults are set by Reset only (the members hold them here as well, so a record
    // that was never reset is still sane).
    std::int32_t m_bVisible = 1;
    std::int32_t m_bVertical = 0;
    std::int32_t m_bHFlipped = 0;
    std::int32_t m_bVFlipped = 0;
    std::int32_t m_bBorderless = 0;
    std::int32_t m_bNotInTaskBar = 0;
    std::int32_t m_bGuide = 1;
    std::int32_t m_nUnit = 0x01;
    std::int32_t m_nBase = 2;
    std::int32_t m_nScale = 100;
    std::int32_t m_bScalePreview = 0;
    std::int32_t m_bZoom = 1;
    std::int32_t m_nZoomFactor = 400;
    std::int32_t m_bZoomPreview = 0;
    std::int32_t m_clrBk = 0x0000FFFF;
    std::int32_t m_clrFg = 0;
    std::int32_t m_nCaption = 0xC1;
    std::int32_t m_nColor = 4;
    // View\CalibratedUnits, a value older versions do not know: non-zero measures cm, in,
    // pt, pc and twip with the calibrated density of the ruler's monitor. Stored only while
    // it is on, so a record that never had it on stays as it was.
    std::int32_t m_bCalibratedUnits = 0;

    // Sizing.
    std::int32_t m_nWidth = 640;
    std::int32_t m_nHeight = 480;
    std::int32_t m_bDoWidth = 1;
    std::int32_t m_bDoHeight = 0;
    std::int32_t m_bDoFrame = 0;
    std::int32_t m_nHKMode = 0;
    std::int32_t m_bHKGet = 0;
    std::uint16_t m_wHKVGet = 0;
    std::uint16_t m_wHKMGet = 0;
    std::int32_t m_bHKSet = 0;
    std::uint16_t m_wHKVSet = 0;
    std::uint16_t m_wHKMSet = 0;

    // Not stored: the sizing hot keys (bit 1 Get size, bit 2 Set size) that are enabled in
    // the record but were refused at start-up. They act and show as disabled for this run,
    // while the record keeps the user's choice, so the next start tries them again.
    std::uint32_t m_nHotKeysRefused = 0;

    // Scales of the ruler and the magnifier, in percent.
    static constexpr std::int32_t kMinScale = 50;
    static constexpr std::int32_t kMaxScale = 1000;

private:
    void SetDefaults();
};

extern const char kSectionView[];
extern const char kSectionSizing[];
extern const char kValueCalibratedUnits[];
