// The settings record loaded from an arbitrary registry: any value names of the record (and
// others), any type, any size and any bytes, in the View, Sizing, Window and CurrentVersion
// sections, for any key path. Checks: Load and Save never fail or overrun; the fixed-up
// values are in range; Save writes every value back as a 4-byte REG_DWORD (the path as a
// string); a second load of what was saved gives the same record.
#include "settings/memory_backend.h"
#include "settings/ruler_settings.h"

#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <memory>
#include <string>
#include "fuzz_check.h"

namespace {

const char* const kSections[] = {"View", "Sizing", "Window", "CurrentVersion", "Other"};
const char* const kNames[] = {
    "Visible", "Vertical", "HFlipped", "VFlipped", "Borderless", "NotInTaskBar", "Guide", "Unit", "Base",
    "Scale", "ScalePreview", "Zoom", "ZoomFactor", "ZoomPreview", "ColBk", "ColFg", "Caption", "Color",
    "Width", "Height", "Do Width", "Do Height", "Do Frame", "HK Mode", "HK Get", "HKV Get", "HKM Get",
    "HK Set", "HKV Set", "HKM Set", "On top", "Bounds.left", "Bounds.top", "Bounds.right", "Bounds.bottom",
    "State", "Path", "Version", "unit", "SCALE", "",
};

std::string KeyPath(FuzzedDataProvider& fdp)
{
    switch (fdp.ConsumeIntegralInRange(0, 3)) {
    case 0: return "Software\\Orrin\\Calyx\\";
    case 1: return "";
    case 2: return std::string(300, 'k') + "\\";
    default: return fdp.ConsumeRandomLengthString(64);
    }
}

void Fill(FuzzedDataProvider& fdp, CMemoryBackend& backend, const std::string& path)
{
    const int values = fdp.ConsumeIntegralInRange(0, 80);
    for (int i = 0; i < values && fdp.remaining_bytes() > 0; ++i) {
        const std::string section = fdp.PickValueInArray(kSections);
        const std::string name = fdp.ConsumeBool() ? fdp.PickValueInArray(kNames) : fdp.ConsumeRandomLengthString(16);
        const std::uint32_t type = fdp.PickValueInArray({kRegNone, kRegSz, kRegBinary, kRegDword, 7u, 11u});
        std::vector<unsigned char> data;
        switch (fdp.ConsumeIntegralInRange(0, 3)) {
        case 0: data = fdp.ConsumeBytes<unsigned char>(4); break;
        case 1: data = fdp.ConsumeBytes<unsigned char>(fdp.ConsumeIntegralInRange<std::size_t>(0, 12)); break;
        case 2: data.assign(fdp.ConsumeIntegralInRange<std::size_t>(0, 10000), 'x'); break;
        default: data = fdp.ConsumeBytes<unsigned char>(fdp.ConsumeIntegralInRange<std::size_t>(0, 300)); break;
        }
        backend.Put(path + section, name, type, std::move(data));
    }
}

bool InScale(std::int32_t v)
{
    return v >= CRulerSettings::kMinScale && v <= CRulerSettings::kMaxScale;
}

bool SameRecord(const CRulerSettings& a, const CRulerSettings& b)
{
    return a.m_bVisible == b.m_bVisible && a.m_bVertical == b.m_bVertical && a.m_nUnit == b.m_nUnit &&
           a.m_nBase == b.m_nBase && a.m_nScale == b.m_nScale && a.m_nZoomFactor == b.m_nZoomFactor &&
           a.m_clrBk == b.m_clrBk && a.m_clrFg == b.m_clrFg && a.m_nCaption == b.m_nCaption &&
           a.m_nColor == b.m_nColor && a.m_nWidth == b.m_nWidth && a.m_nHeight == b.m_nHeight &&
           a.m_nHKMode == b.m_nHKMode && a.m_wHKVGet == b.m_wHKVGet && a.m_wHKMSet == b.m_wHKMSet &&
           a.m_bOnTop == b.m_bOnTop && a.m_rcBounds == b.m_rcBounds && a.m_nShowState == b.m_nShowState;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider fdp(data, size);
    const std::string path = KeyPath(fdp);
    auto backend = std::make_shared<CMemoryBackend>();
    Fill(fdp, *backend, path);
    if (fdp.ConsumeBool())
        backend->m_failingNames.insert(fdp.PickValueInArray(kNames));

    CRulerSettings s;
    s.SetKeyPath(path);
    s.SetBackend(backend);
    s.m_strProgramPath = fdp.ConsumeRandomLengthString(300);
    s.m_nCurrentVersion = fdp.ConsumeIntegral<std::int32_t>();
    s.Reset();
    s.Load();
    Check(InScale(s.m_nScale) && InScale(s.m_nZoomFactor), "scales in range");
    Check((s.m_nUnit & 0xFF) != 0 && (s.m_nColor & 0xFF) != 0, "a unit and a notation");

    backend->m_writes.clear();
    s.m_bChanged = 1;
    s.Save();
    for (const CMemoryBackend::Write& w : backend->m_writes) {
        if (w.name == "Path")
            Check(w.type == kRegSz, "the path is a string");
        else
            Check(w.type == kRegDword && w.data.size() == 4, "every number a 4-byte REG_DWORD");
    }

    if (backend->m_failingNames.empty()) {
        CRulerSettings again;
        again.SetKeyPath(path);
        again.SetBackend(backend);
        again.Reset();
        again.Load();
        // What was saved reads back the same, unless the key path was refused as a whole.
        if (!backend->m_writes.empty())
            Check(SameRecord(s, again), "saved record reads back");
    }
    return 0;
}
