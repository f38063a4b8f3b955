// Stored calibration records and typed widths of any kind. Checks: nothing but a complete,
// well-formed record within the limits is taken; a record taken is written back as a text
// that reads as the same record; a typed width is taken only when it gives a density within
// the calibration limits, and never changes the density otherwise.
#include "settings/calibration_record.h"
#include "tools/calibration.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (const std::optional<CalibrationRecord> r = ParseCalibrationRecord(text)) {
        Check(IsCalibratedDensityValid(r->density), "density within the limits");
        Check(r->mode.width > 0 && r->mode.height > 0 && r->mode.dpi > 0, "a mode a monitor can have");
        const std::optional<CalibrationRecord> again = ParseCalibrationRecord(FormatCalibrationRecord(*r));
        Check(again && again->mode == r->mode && again->density == r->density && again->source == r->source,
              "written back as the same record");
    }
    const int width = size ? 1 + data[0] * 37 : 1920;
    CCalibration cal({{width, 1080, 96}, 0, 0}, std::nullopt, 2000);
    const double before = cal.GetDensity().dpi;
    const TypedWidth t = cal.TypeVisibleWidth(text);
    if (t.status == TypedWidthStatus::Ok)
        Check(IsCalibratedDensityValid(cal.GetDensity().dpi), "a typed width gives a valid density");
    else
        Check(cal.GetDensity().dpi == before, "a refused width changes nothing");
    Check(cal.BarPixels() >= cal.MinBar() && cal.BarPixels() <= cal.MaxBar(), "the bar within its limits");
    return 0;
}
