// The common controls library, loaded when it is first needed rather than with the program:
// loading it costs a noticeable share of the program's start under Wine, and the ruler window
// itself uses none of its controls.
#pragma once

// Loads comctl32 (the version the manifest asks for) and runs its InitCommonControls, once.
// Returns whether the controls are available.
bool InitCommonControlsOnce();
