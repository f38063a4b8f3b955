#include "settings/calibration_record.h"

#include "settings/registry_settings.h"

#include <cstdio>

const char kSectionCalibration[] = "Calibration";

namespace {

// A mode no monitor has: the numbers are read only within these.
constexpr int kMaxModePixels = 100000;
constexpr int kMaxModeDpi = 10000;

// Digits only, at most nine of them (no sign, no spaces), within 1..max.
bool ParseCount(const std::string& s, int max, int& out)
{
    if (s.empty() || s.size() > 9)
        return false;
    int v = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
    }
    if (v < 1 || v > max)
        return false;
    out = v;
    return true;
}

// "123" or "123.456" in the C notation, whatever the user's locale; rounded to a thousandth.
bool ParseDensity(const std::string& s, double& out)
{
    const std::size_t dot = s.find('.');
    const std::string whole = s.substr(0, dot);
    const std::string frac = dot == std::string::npos ? std::string() : s.substr(dot + 1);
    if (whole.empty() || whole.size() > 6 || frac.size() > 9 || (dot != std::string::npos && frac.empty()))
        return false;
    double v = 0;
    for (char c : whole) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
    }
    double scale = 0.1;
    for (char c : frac) {
        if (c < '0' || c > '9')
            return false;
        v += (c - '0') * scale;
        scale /= 10;
    }
    v = RoundDensity(v);
    if (!IsCalibratedDensityValid(v))
        return false;
    out = v;
    return true;
}

bool ParseMode(const std::string& s, MonitorMode& mode)
{
    const std::size_t x = s.find('x');
    return x != std::string::npos && ParseCount(s.substr(0, x), kMaxModePixels, mode.width) &&
           ParseCount(s.substr(x + 1), kMaxModePixels, mode.height);
}

}  // namespace

std::string FormatCalibrationRecord(const CalibrationRecord& r)
{
    char text[160];
    std::snprintf(text, sizeof text, "mode=%dx%d;dpi=%d;density=%.3f;source=%s", r.mode.width, r.mode.height,
                  r.mode.dpi, RoundDensity(r.density), r.source == DensitySource::Reported ? "monitor" : "user");
    return text;
}

std::optional<CalibrationRecord> ParseCalibrationRecord(const std::string& text)
{
    CalibrationRecord r;
    bool mode = false, dpi = false, density = false, source = false;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(';', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string field = text.substr(start, end - start);
        start = end + 1;
        const std::size_t eq = field.find('=');
        if (eq == std::string::npos)
            continue;  // an empty field (a trailing ';') or one of a later version
        const std::string key = field.substr(0, eq), value = field.substr(eq + 1);
        bool ok = true, known = true;
        if (key == "mode")
            ok = !mode && (mode = ParseMode(value, r.mode));
        else if (key == "dpi")
            ok = !dpi && (dpi = ParseCount(value, kMaxModeDpi, r.mode.dpi));
        else if (key == "density")
            ok = !density && (density = ParseDensity(value, r.density));
        else if (key == "source") {
            ok = !source && (value == "user" || value == "monitor");
            source = true;
            r.source = value == "monitor" ? DensitySource::Reported : DensitySource::Calibrated;
        } else
            known = false;
        // A field of ours that is doubled or malformed spoils the whole record.
        if (known && !ok)
            return std::nullopt;
    }
    if (!mode || !dpi || !density || !source)
        return std::nullopt;
    return r;
}

CalibrationFit FitCalibration(const std::optional<CalibrationRecord>& record, const MonitorMode& present)
{
    if (!record)
        return CalibrationFit::None;
    return record->mode == present ? CalibrationFit::Applies : CalibrationFit::OtherMode;
}

std::string CalibrationValueName(const std::string& identity)
{
    std::string name;
    for (char c : identity) {
        if (name.size() == 200)
            break;
        const auto u = static_cast<unsigned char>(c);
        name += c == '\\' ? '/' : (u >= 0x20 && u < 0x7F) ? c : '_';
    }
    return name.empty() ? "Display" : name;
}

std::optional<CalibrationRecord> ReadCalibration(CRegistrySettings& settings, const std::string& identity)
{
    const std::string name = CalibrationValueName(identity);
    return ParseCalibrationRecord(settings.ReadString(kSectionCalibration, name.c_str(), "", kMaxCalibrationText));
}

bool WriteCalibration(CRegistrySettings& settings, const std::string& identity, const CalibrationRecord& record)
{
    const std::string name = CalibrationValueName(identity);
    return settings.WriteString(kSectionCalibration, name.c_str(), FormatCalibrationRecord(record));
}
