#include "ruler/sampled_color.h"

#include "color/color_flags.h"

namespace {
constexpr int kLevels = 6;
constexpr int kLevelStep = 51;
constexpr std::uint32_t kInvalidColor = 0xFFFFFFFFu;
}  // namespace

std::uint32_t WebSafePaletteColor(int index)
{
    if (index < 0 || index >= kLevels * kLevels * kLevels)
        return 0;
    const std::uint32_t r = std::uint32_t(index / (kLevels * kLevels) * kLevelStep);
    const std::uint32_t g = std::uint32_t(index / kLevels % kLevels * kLevelStep);
    const std::uint32_t b = std::uint32_t(index % kLevels * kLevelStep);
    return r | (g << 8) | (b << 16);
}

bool SnapsSampledColor(std::uint32_t color, std::uint32_t colorSetting)
{
    return color != kInvalidColor && (colorSetting & CN_WEB_SAFE) != 0;
}
