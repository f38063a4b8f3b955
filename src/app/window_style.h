// The ruler window's style and extended style at creation, computed from the settings.
#pragma once

#include <cstdint>

class CRulerSettings;

struct RulerWindowStyle {
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
};

// WS_POPUP, the stored unit bits as they are, the orientation and its stored side, topmost,
// guide, magnifier, and the sizing border unless borderless; WS_EX_TOOLWINDOW when the ruler
// has no task bar button. A first run gives 0x8004C101 and 0.
RulerWindowStyle ComputeRulerWindowStyle(const CRulerSettings& s);
