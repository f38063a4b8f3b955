#include "tools/calibration.h"

#include "resource.h"

#include <algorithm>
#include <cmath>

double ReportedDensity(const CalibrationMonitor& monitor)
{
    const double d = DensityFromLength(monitor.mode.width, monitor.reportedWidthMm);
    return IsCalibratedDensityValid(d) ? d : 0;
}

TypedWidth ParseTypedWidth(const std::string& text, int widthPixels)
{
    TypedWidth t;
    if (widthPixels > 0) {
        t.minMillimetres = std::ceil(widthPixels * 25.4 / kMaxCalibratedDpi * 100) / 100;
        t.maxMillimetres = std::floor(widthPixels * 25.4 / kMinCalibratedDpi * 100) / 100;
    }
    std::size_t b = text.find_first_not_of(' ');
    std::size_t e = text.find_last_not_of(' ');
    if (b == std::string::npos)
        return t;
    std::string s = text.substr(b, e - b + 1);
    if (s.size() >= 2 && (s.compare(s.size() - 2, 2, "mm") == 0)) {
        s.resize(s.size() - 2);
        while (!s.empty() && s.back() == ' ')
            s.pop_back();
    }
    if (s.empty() || s.size() > 12)
        return t;
    double v = 0, scale = 0;
    int digits = 0;
    for (char c : s) {
        if ((c == '.' || c == ',') && scale == 0) {
            scale = 0.1;
        } else if (c >= '0' && c <= '9') {
            if (scale == 0) {
                v = v * 10 + (c - '0');
            } else {
                v += (c - '0') * scale;
                scale /= 10;
            }
            ++digits;
        } else {
            return t;
        }
    }
    if (digits == 0)
        return t;
    t.millimetres = v;
    t.density = DensityFromLength(widthPixels, v);
    t.status = IsCalibratedDensityValid(t.density) ? TypedWidthStatus::Ok : TypedWidthStatus::OutOfRange;
    return t;
}

CCalibration::CCalibration(const CalibrationMonitor& monitor, const std::optional<CalibrationRecord>& stored,
                           int maxBarPixels)
    : m_monitor(monitor),
      m_stored(stored),
      m_fit(FitCalibration(stored, monitor.mode)),
      m_dReported(ReportedDensity(monitor)),
      m_nMinBar(PixelsForLength(kCardWidthMm, kMinCalibratedDpi)),
      m_nMaxBar(std::max(m_nMinBar, std::min(maxBarPixels, PixelsForLength(kCardWidthMm, kMaxCalibratedDpi))))
{
    // A calibration made in another mode is not a start: its pixels were other pixels.
    if (m_fit == CalibrationFit::Applies)
        SetDensity(stored->density, stored->source);
    else if (m_dReported > 0)
        SetDensity(m_dReported, DensitySource::Reported);
    else
        SetDensity(monitor.mode.dpi > 0 ? monitor.mode.dpi : 96, DensitySource::Logical);
}

void CCalibration::SetDensity(double dpi, DensitySource source)
{
    m_density.dpi = RoundDensity(dpi);
    m_density.source = source;
}

int CCalibration::BarPixels() const
{
    return std::clamp(PixelsForLength(kCardWidthMm, m_density.dpi), m_nMinBar, m_nMaxBar);
}

void CCalibration::SetBarPixels(int pixels)
{
    pixels = std::clamp(pixels, m_nMinBar, m_nMaxBar);
    SetDensity(DensityFromLength(pixels, kCardWidthMm), DensitySource::Calibrated);
}

TypedWidth CCalibration::TypeVisibleWidth(const std::string& text)
{
    const TypedWidth t = ParseTypedWidth(text, m_monitor.mode.width);
    if (t.status == TypedWidthStatus::Ok)
        SetDensity(t.density, DensitySource::Calibrated);
    return t;
}

void CCalibration::UseReported()
{
    if (m_dReported > 0)
        SetDensity(m_dReported, DensitySource::Reported);
}

double CCalibration::VisibleWidthMm() const
{
    return m_density.dpi > 0 ? std::round(m_monitor.mode.width * 25.4 / m_density.dpi * 100) / 100 : 0;
}

CalibrationRecord CCalibration::Result() const
{
    CalibrationRecord r;
    r.mode = m_monitor.mode;
    r.density = m_density.dpi;
    r.source = m_density.source == DensitySource::Reported ? DensitySource::Reported : DensitySource::Calibrated;
    return r;
}

int DensitySourceStringId(DensitySource source)
{
    switch (source) {
    case DensitySource::Calibrated:
        return IDS_DENSITY_CALIBRATED;
    case DensitySource::Reported:
        return IDS_DENSITY_REPORTED;
    case DensitySource::Logical:
        break;
    }
    return IDS_DENSITY_LOGICAL;
}

CalibrationDialogFit FitCalibrationDialog(const Rect& dialog, int barWidth, int startBar, const Rect& work,
                                          int slack, int margin)
{
    const std::int64_t frame = dialog.Width() - barWidth;
    const std::int64_t room = work.Width() - frame - 2 * std::int64_t(margin);
    const std::int64_t wanted =
        std::max<std::int64_t>(barWidth, std::min<std::int64_t>(2 * std::int64_t(startBar) + slack, room));
    CalibrationDialogFit fit;
    fit.widenBy = SaturateToInt(std::max<std::int64_t>(0, wanted - barWidth));
    fit.barRoom = barWidth + fit.widenBy - slack;
    const std::int64_t w = dialog.Width() + fit.widenBy, h = dialog.Height();
    const std::int64_t x = std::max<std::int64_t>(work.left, work.left + (work.Width() - w) / 2);
    const std::int64_t y = std::max<std::int64_t>(work.top, work.top + (work.Height() - h) / 2);
    fit.bounds = Rect{SaturateToInt(x), SaturateToInt(y), SaturateToInt(x + w), SaturateToInt(y + h)};
    return fit;
}
