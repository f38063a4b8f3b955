#include "ruler/command_rules.h"

#include "color/color_flags.h"
#include "color/color_notation.h"
#include "resource.h"
#include "ruler/view_flags.h"
#include "units/units.h"

namespace {

constexpr int kMinScale = 50;
constexpr int kMaxScale = 1000;

CommandUpdate Marked(CommandUpdate::Mark mark, bool on, bool enabled = true)
{
    CommandUpdate u;
    u.mark = mark;
    u.marked = on;
    u.enabled = enabled;
    return u;
}

CommandUpdate Enabled(bool on)
{
    CommandUpdate u;
    u.enabled = on;
    return u;
}

CommandUpdate Text(int textId, int part)
{
    CommandUpdate u;
    u.textId = textId;
    u.textPart = part;
    return u;
}

} // namespace

bool IsContextPopup(bool systemMenu, int firstItemId)
{
    return !systemMenu && firstItemId == ID_SHOW_HIDE;
}

std::uint32_t CaptionFlagOf(int id)
{
    switch (id) {
    case ID_CAPTION_UNITS: return CI_UNITS;
    case ID_CAPTION_SCALE: return CI_SCALE;
    case ID_CAPTION_SCREEN: return CI_SCREEN;
    case ID_CAPTION_POSITION: return CI_POSITION;
    case ID_CAPTION_DISTANCE: return CI_DISTANCE;
    case ID_CAPTION_PIXELS: return CI_PIXELS;
    case ID_CAPTION_ANGLE: return CI_ANGLE;
    case ID_CAPTION_COLOR: return CI_COLOR;
    default: return 0;
    }
}

std::uint32_t ViewFlagOf(int id)
{
    switch (id) {
    case ID_SHOW_GUIDE: return RS_GUIDE;
    case ID_SHOW_MAGNIFIER: return RS_MAGNIFIER;
    case ID_ALWAYS_ON_TOP: return RS_TOPMOST;
    case ID_SHOW_BORDER: return RS_WS_THICKFRAME;
    default: return 0;
    }
}

CommandUpdate RuleShowHide(int, const CommandState& s)
{
    return Text(IDS_SHOW_HIDE, s.visible ? 1 : 0);
}

CommandUpdate RuleViewFlag(int id, const CommandState& s)
{
    const std::uint32_t flag = ViewFlagOf(id);
    return Marked(CommandUpdate::kCheck, flag != 0 && (s.style & flag) != 0);
}

CommandUpdate RuleAlwaysOnTop(int, const CommandState& s)
{
    // Whether the ruler is topmost, not RS_TOPMOST (only what was asked for), nor its place
    // in the z-order, where a dialog or the sizing tool it owns stands above it.
    return Marked(CommandUpdate::kCheck, s.topmost);
}

CommandUpdate RuleShowInTaskBar(int, const CommandState& s)
{
    return Marked(CommandUpdate::kCheck, !s.toolWindow);
}

CommandUpdate RuleCaptionItem(int id, const CommandState& s)
{
    const std::uint32_t flag = CaptionFlagOf(id);
    bool enabled = true;
    // The pixel equivalent belongs to the position and distance, and a pixel is its own.
    if (flag == CI_PIXELS)
        enabled = (s.caption & (CI_POSITION | CI_DISTANCE)) != 0 && (s.style & RS_UNIT_MASK) != RS_UNIT_PX;
    return Marked(CommandUpdate::kCheck, flag != 0 && (s.caption & flag) != 0, enabled);
}

CommandUpdate RuleUnit(int id, const CommandState& s)
{
    const UnitInfo* unit = FindUnitById(id);
    return Marked(CommandUpdate::kRadio, unit && (s.style & unit->flag) != 0);
}

CommandUpdate RuleBase(int id, const CommandState& s)
{
    return Marked(CommandUpdate::kRadio, s.base == (id == ID_BASE_2 ? 2 : 10));
}

CommandUpdate RuleCalibratedUnits(int, const CommandState& s)
{
    return Marked(CommandUpdate::kCheck, s.calibratedUnits);
}

CommandUpdate RuleNotation(int id, const CommandState& s)
{
    const std::uint32_t value = NotationFromCommandId(id);
    return Marked(CommandUpdate::kRadio, value != 0 && (s.color & CN_MASK) == value, !s.paletteDisplay);
}

CommandUpdate RuleWebSafe(int, const CommandState& s)
{
    return Marked(CommandUpdate::kCheck, (s.color & CN_WEB_SAFE) != 0, s.webSafePalette);
}

CommandUpdate RuleCopyColor(int, const CommandState& s)
{
    return Enabled(!s.paletteDisplay);
}

CommandUpdate RuleRulerScale(int id, const CommandState& s)
{
    switch (id) {
    case ID_SCALE_NORMAL: return Enabled(s.scale != 100);
    case ID_SCALE_ZOOM_IN: return Enabled(s.scale < kMaxScale);
    case ID_SCALE_ZOOM_OUT: return Enabled(s.scale > kMinScale);
    default: return Enabled(true);
    }
}

CommandUpdate RuleMagnifierZoom(int id, const CommandState& s)
{
    const bool shown = (s.style & RS_MAGNIFIER) != 0;
    switch (id) {
    case ID_ZOOM_NORMAL: return Enabled(shown && s.zoomFactor != 100);
    case ID_ZOOM_IN: return Enabled(shown && s.zoomFactor < kMaxScale);
    case ID_ZOOM_OUT: return Enabled(shown && s.zoomFactor > kMinScale);
    default: return Enabled(shown);
    }
}

CommandUpdate RuleSizingTool(int, const CommandState& s)
{
    return Text(IDS_SIZING_TOOL_TOGGLE, s.sizingToolVisible ? 1 : 0);
}

int StepRulerScale(int scale, bool up)
{
    const int step = scale < 200 ? 10 : 20;
    // The remainders are taken of non-negative values only: a stored scale is at least 50,
    // and anything below comes out at the lower limit.
    int n;
    if (up) {
        n = scale >= kMaxScale ? kMaxScale : scale < 0 ? kMinScale : scale - scale % step + step;
        if (n > kMaxScale)
            n = kMaxScale;
    } else {
        n = scale <= 0 ? kMinScale : (scale - 1) - (scale - 1) % step;
        if (n < kMinScale)
            n = kMinScale;
    }
    return n;
}

int StepMagnifierZoom(int zoom, bool up)
{
    int z = zoom;
    if (up) {
        if (z < kMaxScale) {
            z = z < 100 ? 100 : z + 100 - z % 100;
            if (z > kMaxScale)
                z = kMaxScale;
        }
    } else if (z > kMinScale) {
        z = z <= 100 ? kMinScale : z - ((z - 1) % 100 + 1);
        if (z < kMinScale)
            z = kMinScale;
    }
    return z;
}

int RulerScaleForCommand(int id, int scale)
{
    return id == ID_SCALE_NORMAL ? 100 : StepRulerScale(scale, id == ID_SCALE_ZOOM_IN);
}

int MagnifierZoomForCommand(int id, int zoom)
{
    if (id == ID_ZOOM_NORMAL)
        return 100;
    const int z = StepMagnifierZoom(zoom, id == ID_ZOOM_IN);
    return z == zoom ? 0 : z;
}

std::uint32_t ColorForCommand(int id, std::uint32_t color)
{
    if (id == ID_COLOR_WEB_SAFE)
        return color ^ CN_WEB_SAFE;
    if (const std::uint32_t notation = NotationFromCommandId(id))
        return (color & ~std::uint32_t(CN_MASK)) | notation;
    return color;
}

StyleToggle ToggleOrientation(bool storedVertical)
{
    return StyleToggle{RS_HORZ | RS_VERT, storedVertical ? std::uint32_t(RS_HORZ) : std::uint32_t(RS_VERT)};
}

StyleToggle ToggleSide(std::uint32_t style, bool hFlipped, bool vFlipped)
{
    const bool flipped = (style & RS_VERT) ? vFlipped : hFlipped;
    return StyleToggle{RS_FLIPPED, flipped ? 0u : std::uint32_t(RS_FLIPPED)};
}

StyleToggle ToggleViewFlag(int id, std::uint32_t style, bool topmost)
{
    const std::uint32_t flag = ViewFlagOf(id);
    const bool on = flag == RS_TOPMOST ? topmost : (style & flag) != 0;
    return StyleToggle{flag, on ? 0u : flag};
}
