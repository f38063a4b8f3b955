#include "ruler/caption_text.h"

#include "color/color_flags.h"
#include "color/color_notation.h"
#include "ruler/view_flags.h"
#include "units/number_format.h"
#include "units/units.h"

#include <cmath>
#include <cstring>

namespace {

// Appends whole items to a fixed buffer; once one does not fit, the rest are dropped so
// the line never ends in half an item, whatever the locale's separators make of the numbers.
class CaptionWriter {
public:
    CaptionWriter(char* buffer, std::size_t size) : m_buffer(buffer), m_size(size)
    {
        if (m_size > 0)
            m_buffer[0] = '\0';
    }

    // The leading name is cut to the buffer rather than dropped.
    void Start(const std::string& name)
    {
        if (m_size == 0)
            return;
        m_length = name.size() < m_size ? name.size() : m_size - 1;
        std::memcpy(m_buffer, name.data(), m_length);
        m_buffer[m_length] = '\0';
    }

    void Append(const std::string& item)
    {
        if (m_full || m_size == 0)
            return;
        if (item.size() >= m_size - m_length) {
            m_full = true;
            return;
        }
        std::memcpy(m_buffer + m_length, item.data(), item.size());
        m_length += item.size();
        m_buffer[m_length] = '\0';
    }

private:
    char* m_buffer;
    std::size_t m_size;
    std::size_t m_length = 0;
    bool m_full = false;
};

std::string Number(double value)
{
    return FormatNumber(value, false, 2);
}

// A measured length as a P or D item: in the unit, with its pixel equivalent when asked.
// units is only shown when the unit has a length (unitKnown).
std::string MeasureItem(const char* label, double units, double pixels, bool unitKnown, const CaptionInputs& in)
{
    std::string item = std::string(" [") + label + ": ";
    if (!unitKnown)
        return item + Number(pixels) + " " + in.pixelAbbrev + "]";
    item += Number(units) + " " + in.unitAbbrev;
    if ((in.captionFlags & CI_PIXELS) && !in.unitIsPixel)
        item += " = " + Number(pixels) + " " + in.pixelAbbrev;
    return item + "]";
}

}  // namespace

void ComposeCaptionText(const CaptionInputs& in, char* buffer, std::size_t size)
{
    CaptionWriter line(buffer, size);
    line.Start(in.appName);
    const std::uint32_t flags = in.captionFlags;

    // A non-positive scale is drawn unscaled, so it reads as 100 % here too.
    const int scale = in.scale > 0 ? in.scale : 100;
    const bool unitKnown = in.unitTwips > 0 && in.logPixels > 0;

    if (flags & CI_UNITS)
        line.Append(" [U: " + in.unitAbbrev + "]");
    if (!in.densityLabel.empty())
        line.Append(" [" + in.densityLabel + ": " + FormatNumber(in.logPixels, false, 3) + " dpi]");
    if ((flags & CI_SCALE) && scale != 100)
        line.Append(" [S: " + std::to_string(scale) + "%]");
    if (flags & CI_SCREEN)
        line.Append(" [XY: " + FormatInteger(in.pointer.x) + ", " + FormatInteger(in.pointer.y) + " " +
                    in.pixelAbbrev + "]");
    if (flags & CI_POSITION) {
        const double v = in.pointerAlong;
        line.Append(MeasureItem("P", UnitsFromPixels(v, in.unitTwips, in.logPixels, scale),
                                PixelEquivalent(v, scale), unitKnown, in));
    }
    const double dx = double(in.pointer.x) - in.zero.x;
    const double dy = double(in.pointer.y) - in.zero.y;
    if (flags & CI_DISTANCE) {
        // Unscaled pixels first, then units: the order the distance has always been computed in.
        const double pixels = PixelEquivalent(std::sqrt(dy * dy + dx * dx), scale);
        const double units = unitKnown ? pixels * 1440.0 / (double(in.unitTwips) * in.logPixels) : 0.0;
        line.Append(MeasureItem("D", units, pixels, unitKnown, in));
    }
    if (flags & CI_ANGLE) {
        // Measured from the ruler's own axis: 0 along it, 90 straight across.
        const double ax = std::fabs(dx), ay = std::fabs(dy);
        const double radians = in.vertical ? std::atan2(ax, ay) : std::atan2(ay, ax);
        line.Append(" [A: " + Number(radians * 57.29577951326093) + "\xB0]");
    }
    if ((flags & CI_COLOR) && !in.paletteDisplay) {
        char text[64];
        FormatColorText(in.color, in.colorSetting, false, text, sizeof text);
        const char* label = (in.colorSetting & CN_WEB_SAFE) ? "Cs" : "C";
        line.Append(std::string(" [") + label + ": " + text + "]");
    }
}

namespace {
// The items that read the pointer.
constexpr std::uint32_t kPointerItems = CI_SCREEN | CI_POSITION | CI_DISTANCE | CI_ANGLE | CI_COLOR;
constexpr std::uint32_t kInvalidColor = 0xFFFFFFFFu;
}  // namespace

void SetCaptionPointer(CaptionInputs& in, std::uint32_t style, Point screen, Point client, Point zero)
{
    in.pointer = screen;
    in.pointerAlong = (style & RS_HORZ) ? client.x : client.y;
    in.zero = zero;
}

void LeaveOutPointerItems(CaptionInputs& in)
{
    in.captionFlags &= ~kPointerItems;
}

bool CaptionWantsColor(const CaptionInputs& in)
{
    return (in.captionFlags & CI_COLOR) && !in.paletteDisplay;
}

void SetCaptionColor(CaptionInputs& in, std::uint32_t color)
{
    if (color == kInvalidColor)
        in.captionFlags &= ~std::uint32_t(CI_COLOR);
    else
        in.color = color;
}

bool CaptionTextDiffers(const char* current, int currentLength, const char* line)
{
    return currentLength <= 0 || std::strcmp(current, line) != 0;
}
