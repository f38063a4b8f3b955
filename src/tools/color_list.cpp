#include "tools/color_list.h"

namespace {
// The margin around a swatch, left in the list's own colour (the highlight when selected).
constexpr int kSwatchInset = 2;

constexpr std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b)
{
    return r | (g << 8) | (b << 16);
}
} // namespace

const std::uint32_t kFixedColors[kFixedColorCount] = {
    Rgb(0, 0, 0),       Rgb(128, 0, 0),   Rgb(0, 128, 0),   Rgb(128, 128, 0), Rgb(0, 0, 128),   Rgb(128, 0, 128),
    Rgb(0, 128, 128),   Rgb(128, 128, 128), Rgb(192, 192, 192), Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(255, 255, 0),
    Rgb(0, 0, 255),     Rgb(255, 0, 255), Rgb(0, 255, 255), Rgb(255, 255, 255),
};

std::vector<std::uint32_t> ColorListItems(bool withDefault)
{
    std::vector<std::uint32_t> items;
    if (withDefault)
        items.push_back(kDefaultColor);
    items.insert(items.end(), std::begin(kFixedColors), std::end(kFixedColors));
    return items;
}

int FindColorFromEnd(const std::vector<std::uint32_t>& items, std::uint32_t value)
{
    for (int i = int(items.size()) - 1; i >= 0; --i)
        if (items[std::size_t(i)] == value)
            return i;
    return -1;
}

std::uint32_t StoredColorOf(const std::vector<std::uint32_t>& items, int selection)
{
    if (selection < 0 || selection >= int(items.size()))
        return kDefaultColor;
    return items[std::size_t(selection)];
}

ColorItemPaint PaintOfColorItem(bool drawAsked, bool hasEntry, std::uint32_t color, const Rect& item)
{
    ColorItemPaint paint;
    if (!drawAsked)
        return paint;
    paint.background = true;
    if (!hasEntry)
        return paint;
    if (color == kDefaultColor) {
        paint.content = ColorItemPaint::kText;
        return paint;
    }
    const Rect swatch{item.left + kSwatchInset, item.top + kSwatchInset, item.right - kSwatchInset,
                      item.bottom - kSwatchInset};
    if (!swatch.IsEmpty()) {
        paint.content = ColorItemPaint::kSwatch;
        paint.swatch = swatch;
        const Rect fill{swatch.left + 1, swatch.top + 1, swatch.right - 1, swatch.bottom - 1};
        if (!fill.IsEmpty())
            paint.fill = fill;
    }
    return paint;
}
