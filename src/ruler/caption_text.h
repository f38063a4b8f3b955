// Composition of the caption information line from values the Win32 side has measured.
#pragma once

#include "base/geometry.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Everything the caption line reads, taken at one moment.
struct CaptionInputs {
    std::string appName;       // string 57344
    std::string unitAbbrev;    // the unit's string (2010..2017)
    std::string pixelAbbrev;   // string 2016, "px"
    std::uint32_t captionFlags = 0;  // View\Caption (CI_*)
    int scale = 100;           // m_nScale, percent
    // Pixels per inch the unit is measured with along the ruler's axis: m_nLogPixels, or a
    // calibrated density for the physical units.
    double logPixels = 0;
    // With Calibrated Units on and a physical unit: says where that density came from
    // (" [label: density dpi]" after the units item); empty otherwise.
    std::string densityLabel;
    int unitTwips = 0;         // m_nUnitTwips
    bool unitIsPixel = false;  // RS_UNIT_PX: P and D have no pixel equivalent
    bool vertical = false;
    Point pointer;             // screen position of the pointer (one reading)
    int pointerAlong = 0;      // its client x (horizontal) or client y (vertical)
    Point zero;                // GetZeroPoint, inner form, in screen coordinates
    bool paletteDisplay = false;     // no colour item on a palette display
    std::uint32_t colorSetting = 0;  // View\Color
    std::uint32_t color = 0;         // sampled COLORREF, already snapped when web safe
};

// The size of the window-text buffer the line is built for.
constexpr std::size_t kCaptionBufferSize = 512;

// Writes the line into buffer (size bytes, NUL-terminated whenever size > 0). Items that do
// not fit whole are left out together with all later ones, so the line never ends in half an
// item. A scale of 0 or less counts as 100 %; when unitTwips or logPixels is not positive the
// P and D items give the pixel equivalent alone, in pixels.
void ComposeCaptionText(const CaptionInputs& in, char* buffer, std::size_t size);

// The pointer's one reading into the inputs: its screen position, its client position along
// the ruler (client x when RS_HORZ is set, else client y), and the zero point (screen).
void SetCaptionPointer(CaptionInputs& in, std::uint32_t style, Point screen, Point client, Point zero);

// No reading of the pointer (a locked workstation, a desktop switch): the items that read
// it are left out, so the line never shows values of a pointer never read.
void LeaveOutPointerItems(CaptionInputs& in);

// Whether the colour item needs a sampled pixel: it is on and the display has no palette.
bool CaptionWantsColor(const CaptionInputs& in);

// The sampled colour; CLR_INVALID (0xFFFFFFFF, a pixel that cannot be read) leaves the
// colour item out rather than show some colour the pixel is not.
void SetCaptionColor(CaptionInputs& in, std::uint32_t color);

// Whether the window text must be set: the line differs from the current text (length as
// GetWindowText returned it). The same text again would only repaint the strip as it is.
bool CaptionTextDiffers(const char* current, int currentLength, const char* line);
