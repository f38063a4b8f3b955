// The update rules of the ruler's commands (enabled, check or radio mark, item text) as pure
// functions of one snapshot of the ruler's state, the stepping of the ruler scale and the
// magnifier zoom, and the values the view commands set. The Win32 command table pairs each
// command with one of these rules.
#pragma once

#include <cstdint>

// What the rules read, taken at one moment.
struct CommandState {
    std::uint32_t style = 0;        // window style with the view flags
    bool toolWindow = false;        // WS_EX_TOOLWINDOW: no task bar button
    bool visible = false;
    bool topmost = false;           // the ruler itself is topmost (WS_EX_TOPMOST)
    bool paletteDisplay = false;
    bool webSafePalette = true;     // the web-safe palette exists
    int scale = 100;                // m_nScale
    int zoomFactor = 400;           // View\ZoomFactor
    int base = 2;                   // View\Base
    std::uint32_t caption = 0;      // View\Caption
    std::uint32_t color = 0;        // View\Color
    bool sizingToolVisible = false; // the sizing tool exists and is shown
    bool calibratedUnits = false;   // View\CalibratedUnits
};

// What a rule sets on a menu item (or tells the keyboard: a disabled command does not run).
struct CommandUpdate {
    enum Mark { kNoMark, kCheck, kRadio };
    bool enabled = true;
    Mark mark = kNoMark;
    bool marked = false;
    // The item text is part textPart of string textId ("\n"-separated); 0: text unchanged.
    int textId = 0;
    int textPart = 0;
};

using CommandRule = CommandUpdate (*)(int id, const CommandState& s);

// The rules, by what they look at. Each takes the command id, so one rule serves a group.
CommandUpdate RuleShowHide(int id, const CommandState& s);           // text from string 25254
CommandUpdate RuleViewFlag(int id, const CommandState& s);           // check: guide, magnifier, border
CommandUpdate RuleAlwaysOnTop(int id, const CommandState& s);        // check: the ruler is topmost
CommandUpdate RuleShowInTaskBar(int id, const CommandState& s);      // check: no WS_EX_TOOLWINDOW
CommandUpdate RuleCaptionItem(int id, const CommandState& s);        // check; pixel equivalent enabling
CommandUpdate RuleUnit(int id, const CommandState& s);               // radio: the unit bit
CommandUpdate RuleBase(int id, const CommandState& s);               // radio: View\Base
CommandUpdate RuleCalibratedUnits(int id, const CommandState& s);    // check: View\CalibratedUnits
CommandUpdate RuleNotation(int id, const CommandState& s);           // radio; not on a palette display
CommandUpdate RuleWebSafe(int id, const CommandState& s);            // check; needs the palette
CommandUpdate RuleCopyColor(int id, const CommandState& s);          // not on a palette display
CommandUpdate RuleRulerScale(int id, const CommandState& s);         // Normal, In, Out limits
CommandUpdate RuleMagnifierZoom(int id, const CommandState& s);      // needs the magnifier, limits
CommandUpdate RuleSizingTool(int id, const CommandState& s);         // text from string 1054

// The context menu's own popup (the tray opens the same one) is the one that starts with
// Show/Hide; the system menu never is. Its "C&olor Format" submenu, at kColorFormatItem, is
// grayed on a palette display, where no colour is sampled.
constexpr int kColorFormatItem = 6;
bool IsContextPopup(bool systemMenu, int firstItemId);

// The caption flag a caption command (2201..2208) flips; 0 for any other id.
std::uint32_t CaptionFlagOf(int id);
// The view flag a toggling view command (2103, 2105, 2106, 2150) flips; 0 for any other id.
std::uint32_t ViewFlagOf(int id);

// Ruler scale one step up or down: steps of 10 below 200 and of 20 from 200 on, from the
// current value, kept within 50..1000.
int StepRulerScale(int scale, bool up);
// Magnifier zoom one step up or down: 50, 100, then whole hundreds up to 1000.
int StepMagnifierZoom(int zoom, bool up);

// The ruler scale Normal (100), Zoom In or Zoom Out sets.
int RulerScaleForCommand(int id, int scale);
// The magnifier zoom Normal (100), Zoom In or Zoom Out sets; 0 when the command has nothing
// to do (a step that changes nothing). Normal always redraws, at 100 already or not.
int MagnifierZoomForCommand(int id, int zoom);

// View\Color after a notation command (the notation byte replaced, the web-safe flag kept)
// or the web-safe command (its flag flipped); any other id leaves it.
std::uint32_t ColorForCommand(int id, std::uint32_t color);

// The masks of one ModifyRulerStyle call.
struct StyleToggle {
    std::uint32_t remove = 0;
    std::uint32_t add = 0;
};
// Turn: the other orientation than the stored View\Vertical.
StyleToggle ToggleOrientation(bool storedVertical);
// Side: the flip of the current orientation's stored side (View\VFlipped or View\HFlipped)
// reversed.
StyleToggle ToggleSide(std::uint32_t style, bool hFlipped, bool vFlipped);
// Guide, magnifier, border: that view flag of the style flipped. Always on top: the opposite
// of whether the ruler is topmost (`topmost`), which is what its check mark shows.
StyleToggle ToggleViewFlag(int id, std::uint32_t style, bool topmost);
