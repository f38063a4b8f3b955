#include "color/color_model.h"

namespace {

// The double nearest to 1/255: a channel byte times this is the channel in 0..1.
constexpr double kByteToUnit = 0.00392156862745098;
// The double nearest to 1/360, for rescaling degrees to 0..255.
constexpr double kPerDegree = 0.002777777777777778;

double Max3(double a, double b, double c) { return a > b ? (a > c ? a : c) : (b > c ? b : c); }
double Min3(double a, double b, double c) { return a < b ? (a < c ? a : c) : (b < c ? b : c); }

// Hue in degrees of a colour whose max and min differ; red wins a tie, then green.
double HueDegrees(double r, double g, double b, double max, double min)
{
    const double delta = max - min;
    const double rc = (max - r) / delta, gc = (max - g) / delta, bc = (max - b) / delta;
    double h;
    if (r == max)
        h = bc - gc;
    else if (g == max)
        h = 2 + rc - bc;
    else
        h = 4 + gc - rc;
    h = h * 60;
    if (h < 0)
        h = h + 360;
    return h;
}

void SplitChannels(std::uint32_t c, double* r, double* g, double* b)
{
    *r = (c & 0xFF) * kByteToUnit;
    *g = ((c >> 8) & 0xFF) * kByteToUnit;
    *b = ((c >> 16) & 0xFF) * kByteToUnit;
}

// Truncation of a non-negative value + 0.5 (halves up); the results are 16-bit unsigned.
int ReportHue(double h) { return static_cast<std::uint16_t>(h * 255 * kPerDegree + 0.5); }
int ReportUnit(double x) { return static_cast<std::uint16_t>(x * 255 + 0.5); }

std::uint32_t SnapChannel(std::uint32_t ch) { return (ch + 25) / 51 * 51; }

} // namespace

void RgbToHls(double r, double g, double b, double* h, double* l, double* s)
{
    const double max = Max3(r, g, b), min = Min3(r, g, b);
    *l = (max + min) * 0.5;
    if (max == min) {
        *s = 0;
        *h = HUE_UNDEFINED;
        return;
    }
    const double delta = max - min;
    *s = *l <= 0.5 ? delta / (max + min) : delta / (2 - max - min);
    *h = HueDegrees(r, g, b, max, min);
}

void RgbToHsv(double r, double g, double b, double* h, double* s, double* v)
{
    const double max = Max3(r, g, b), min = Min3(r, g, b);
    *v = max;
    if (max == 0) {
        *s = 0;
        *h = HUE_UNDEFINED;
        return;
    }
    *s = (max - min) / max;
    if (*s == 0) {
        *h = HUE_UNDEFINED;
        return;
    }
    *h = HueDegrees(r, g, b, max, min);
}

void ColorToHls(std::uint32_t c, int* h, int* l, int* s)
{
    double r, g, b, dh, dl, ds;
    SplitChannels(c, &r, &g, &b);
    RgbToHls(r, g, b, &dh, &dl, &ds);
    *h = ReportHue(dh);
    *l = ReportUnit(dl);
    *s = ReportUnit(ds);
}

void ColorToHsv(std::uint32_t c, int* h, int* s, int* v)
{
    double r, g, b, dh, ds, dv;
    SplitChannels(c, &r, &g, &b);
    RgbToHsv(r, g, b, &dh, &ds, &dv);
    *h = ReportHue(dh);
    *s = ReportUnit(ds);
    *v = ReportUnit(dv);
}

std::uint32_t SnapToWebSafe(std::uint32_t c)
{
    return SnapChannel(c & 0xFF) | SnapChannel((c >> 8) & 0xFF) << 8 | SnapChannel((c >> 16) & 0xFF) << 16;
}
