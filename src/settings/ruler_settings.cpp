#include "settings/ruler_settings.h"

#include "units/unit_flags.h"
#include "units/units.h"

#include <type_traits>

const char kSectionView[] = "View";
const char kSectionSizing[] = "Sizing";
const char kValueCalibratedUnits[] = "CalibratedUnits";

namespace {
// The 30 values in the order Load reads and Save writes them. `f` gets the section, the
// registry name and the member (an int32 or, for the hot-key words, a uint16).
template <class Settings, class F>
void ForEachValue(Settings& s, F f)
{
    f(kSectionView, "Visible", s.m_bVisible);
    f(kSectionView, "Vertical", s.m_bVertical);
    f(kSectionView, "HFlipped", s.m_bHFlipped);
    f(kSectionView, "VFlipped", s.m_bVFlipped);
    f(kSectionView, "Borderless", s.m_bBorderless);
    f(kSectionView, "NotInTaskBar", s.m_bNotInTaskBar);
    f(kSectionView, "Guide", s.m_bGuide);
    f(kSectionView, "Unit", s.m_nUnit);
    f(kSectionView, "Base", s.m_nBase);
    f(kSectionView, "Scale", s.m_nScale);
    f(kSectionView, "ScalePreview", s.m_bScalePreview);
    f(kSectionView, "Zoom", s.m_bZoom);
    f(kSectionView, "ZoomFactor", s.m_nZoomFactor);
    f(kSectionView, "ZoomPreview", s.m_bZoomPreview);
    f(kSectionView, "ColBk", s.m_clrBk);
    f(kSectionView, "ColFg", s.m_clrFg);
    f(kSectionView, "Caption", s.m_nCaption);
    f(kSectionView, "Color", s.m_nColor);
    f(kSectionSizing, "Width", s.m_nWidth);
    f(kSectionSizing, "Height", s.m_nHeight);
    f(kSectionSizing, "Do Width", s.m_bDoWidth);
    f(kSectionSizing, "Do Height", s.m_bDoHeight);
    f(kSectionSizing, "Do Frame", s.m_bDoFrame);
    f(kSectionSizing, "HK Mode", s.m_nHKMode);
    f(kSectionSizing, "HK Get", s.m_bHKGet);
    f(kSectionSizing, "HKV Get", s.m_wHKVGet);
    f(kSectionSizing, "HKM Get", s.m_wHKMGet);
    f(kSectionSizing, "HK Set", s.m_bHKSet);
    f(kSectionSizing, "HKV Set", s.m_wHKVSet);
    f(kSectionSizing, "HKM Set", s.m_wHKMSet);
}

std::int32_t ClampScale(std::int32_t v)
{
    return v < CRulerSettings::kMinScale ? CRulerSettings::kMinScale
                                         : v > CRulerSettings::kMaxScale ? CRulerSettings::kMaxScale : v;
}
} // namespace

void CRulerSettings::SetDefaults()
{
    m_bVisible = 1;
    m_bVertical = 0;
    m_bHFlipped = 0;
    m_bVFlipped = 0;
    m_bBorderless = 0;
    m_bNotInTaskBar = 0;
    m_bGuide = 1;
    m_nUnit = 0x01;
    m_nBase = 2;
    m_nScale = 100;
    m_bScalePreview = 0;
    m_bZoom = 1;
    m_nZoomFactor = 400;
    m_bZoomPreview = 0;
    m_clrBk = 0x0000FFFF;
    m_clrFg = 0;
    m_nCaption = 0xC1;
    m_nColor = 4;
    m_bCalibratedUnits = 0;

    m_nWidth = 640;
    m_nHeight = 480;
    m_bDoWidth = 1;
    m_bDoHeight = 0;
    m_bDoFrame = 0;
    m_nHKMode = 0;
    m_bHKGet = 0;
    m_wHKVGet = 0;
    m_wHKMGet = 0;
    m_bHKSet = 0;
    m_wHKVSet = 0;
    m_wHKMSet = 0;
}

void CRulerSettings::Reset()
{
    CSettingsStore::Reset();
    SetDefaults();
}

void CRulerSettings::Load()
{
    ForEachValue(*this, [this](const char* section, const char* name, auto& member) {
        using T = std::remove_reference_t<decltype(member)>;
        // A hot-key word keeps the low 16 bits of what is stored.
        member = static_cast<T>(ReadDword(section, name, member));
    });

    // A unit or notation without its low byte would select nothing.
    if ((m_nUnit & 0xFF) == 0)
        m_nUnit = 1;
    if ((m_nColor & 0xFF) == 0)
        m_nColor += 4;
    // Beyond what the program ever stores: a unit value with several unit bits, or bits
    // above them, keeps the one unit the ruler would show, so the ruler always has exactly
    // one unit. A notation byte that names none of the five is kept as it is: the caption
    // and the colour copy then show no colour, and choosing a notation from the menu mends it.
    m_nUnit = std::int32_t(FindUnit(std::uint32_t(m_nUnit) & RS_UNIT_MASK)->flag);
    m_nScale = ClampScale(m_nScale);
    m_nZoomFactor = ClampScale(m_nZoomFactor);
    m_bCalibratedUnits = ReadDword(kSectionView, kValueCalibratedUnits, m_bCalibratedUnits) != 0 ? 1 : 0;

    CSettingsStore::Load();
}

void CRulerSettings::Save()
{
    ForEachValue(*this, [this](const char* section, const char* name, auto& member) {
        WriteDword(section, name, static_cast<std::int32_t>(member));
    });
    if (m_bCalibratedUnits)
        WriteDword(kSectionView, kValueCalibratedUnits, 1);
    else
        DeleteValue(kSectionView, kValueCalibratedUnits);
    CSettingsStore::Save();
}
