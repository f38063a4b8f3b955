// Where the ticks and labels of the ruler's graduations go, for one along-range of the
// ruler (painting passes its clip box), so the cost of a paint does not grow with the
// ruler's length. Along is the ruler's axis, across the other one.
#pragma once

#include <vector>

struct GraduationParams {
    // Pixels per inch along the ruler; a calibrated density is fractional, held to a
    // thousandth (see units/density.h), and is laid out exactly to that thousandth.
    double dpi = 96;
    int unitTwips = 15;
    int labelStep = 32;
    int subdivisions = 16;
    int scale = 100;         // ruler scale in percent
    bool inch = false;       // inches label every major tick at any scale
    int length = 0;          // along-extent of the graduated rectangle
    int thickness = 0;       // its across-extent
    bool flipped = false;
    bool vertical = false;
    int tickLength = 12;     // major tick
    int fontHeight = 0;      // tmHeight of the ruler font
    int from = 0;            // the along-range to lay out: [from, to)
    int to = 0;
    int labelExtent = 0;     // the widest label's along-extent in pixels
};

// A line from (along, acrossStart) toward (along, acrossEnd), the end pixel excluded.
struct GraduationTick {
    int along;
    int acrossStart;
    int acrossEnd;
};

// Text drawn with its top-left origin at (along, across) in the ruler's direction.
struct GraduationLabel {
    int along;
    int across;
    int textLength;
    char text[24];
};

// Reused between paints: laying out clears it without giving back its memory.
struct GraduationLayout {
    std::vector<GraduationTick> ticks;    // ordered by along position
    std::vector<GraduationLabel> labels;  // ordered by along position
    bool truncated = false;  // degenerate settings: stopped after a bounded amount of work
};

// The ticks whose along position lies in [from, to) and the labels whose text reaches into
// it, exactly as a layout of the whole ruler would place them. The last major tick is the
// first at or beyond the length.
void LayoutGraduations(const GraduationParams& p, GraduationLayout& out);

// Digits of the largest label the graduations of `p` can carry (its length, scale and label
// step; not the range): the widest label's extent is this many times the widest digit.
int MaxLabelDigits(const GraduationParams& p);
