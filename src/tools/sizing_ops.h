// Get size and Set size with the checks that come first, on a target window and the sizing
// tool seen through two small interfaces (the Win32 side lays them over a window handle and
// the dialog). They read and write the sizing settings of the application's record.
#pragma once

#include "base/geometry.h"
#include "tools/target_rect.h"

#include <cstdint>
#include <string>

class CRulerSettings;

// The window Get size or Set size acts on.
class CSizingTarget {
public:
    // Still a window (it may go while a message is shown).
    virtual bool Exists() = 0;
    virtual std::uint32_t Style() = 0;
    // Maximized, as the system says.
    virtual bool IsZoomed() = 0;
    virtual Rect WindowRect() = 0;
    // One side's thickness of its border (FrameKindOf and the system's metrics).
    virtual Size FrameThickness() = 0;
    // Moves it to a window rectangle in screen coordinates (kept within reach).
    virtual void Place(const Rect& windowRect) = 0;

protected:
    ~CSizingTarget() = default;
};

// The sizing tool as the operations see it: its dialog (which may not exist) and its messages.
class CSizingTool {
public:
    virtual bool DialogExists() = 0;
    // The dialog's saving exchange: false when a value was refused (its message shown).
    virtual bool ValidateDialog() = 0;
    // The dialog created or shown, and in front.
    virtual void BringDialogForward() = 0;
    // The dialog's loading exchange, after Get size (its size field) or Set size.
    virtual void RefreshDialog(bool sizeRead) = 0;
    // A message (string id) in front of the dialog when it is shown, else of the ruler.
    virtual void ShowMessage(int id) = 0;

protected:
    ~CSizingTool() = default;
};

// What the sizing tool's dialog holds when its values are saved.
struct SizingEntries {
    std::string sizeText;
    bool doWidth = true;
    bool doHeight = false;
    bool doFrame = false;
};

// Saves the dialog's values into the settings: the size's numbers are kept even when they do
// not make a valid size, the switches only when it is valid. False when the size is not
// valid, which the dialog refuses.
bool SaveSizingEntries(CRulerSettings& s, const SizingEntries& entries);

// The settings' switches: which dimensions take part, and whether the border counts.
SizingSwitches SwitchesOf(const CRulerSettings& s);

// Whether Get size or Set size may go ahead on `target`: it exists (no message otherwise),
// is not maximized (message 1052), has a sizing border (1051), the dialog's values are
// valid (its own message), and the width or the height takes part (1053, with the dialog
// shown). With `storedSizeUsed` (Set size) and no dialog, the stored size must be at least
// 1 x 1 as a typed size would (1050, with the dialog shown to correct it).
bool CheckSizing(CRulerSettings& s, CSizingTarget& target, CSizingTool& tool, bool storedSizeUsed);

// Reads the target's size into the settings (and the dialog). True when the checks passed.
bool ReadTargetSize(CRulerSettings& s, CSizingTarget& target, CSizingTool& tool);

// Resizes the target to the settings' size, keeping its top-left corner. True when the
// checks passed, also when the window had that size already (then nothing is moved).
bool ResizeTarget(CRulerSettings& s, CSizingTarget& target, CSizingTool& tool);
