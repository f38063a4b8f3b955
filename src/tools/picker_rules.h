// The window picker's rules: what each message does during and outside a drag, where the
// outline's four edges go, and how thick the inverted outline of a highlight is.
#pragma once

#include "base/geometry.h"

#include <cstdint>

// The messages the picker acts on.
enum class PickerMessage { kLButtonDown, kLButtonUp, kMouseMove, kSetCursor, kRButtonDown, kCaptureChanged, kOther };

// What one message makes the picker do, in the order of the fields.
struct PickerStep {
    bool hideOutline = false;    // the capture went to another window: the outline goes at once
    bool endTracking = false;
    bool beginTracking = false;
    bool follow = false;         // the drag cursor again, and the outline to the window below
    bool pick = false;           // the drag ends and the window under the pointer is acted on
    bool idleCursor = false;     // the crosshair of a picker at rest
    enum Result { kZero, kTrue, kDefault } result = kDefault;
};

// `captured`: the picker holds the mouse capture; `tracking`: a drag was started and not yet
// ended; `captureToPicker` (kCaptureChanged only): the picker is the window taking it. A
// drag whose capture was taken elsewhere ends at the next message that reaches the picker.
PickerStep PickerStepFor(PickerMessage message, bool captured, bool tracking, bool captureToPicker);

// One edge of the outline, as SetWindowPos takes it.
struct OutlinePiece {
    int x, y, cx, cy;
    bool Shown() const { return cx > 0 && cy > 0; }
};

// The outline's top, bottom, left and right edges, `thickness` thick, inside `window`; the
// sides run between the top and bottom edges. An edge with nothing to show is hidden.
void LayOutlinePieces(const Rect& window, int thickness, OutlinePiece (&pieces)[4]);

// The pen of an inverted outline: half the difference between the window's and its client's
// widths, at least 2.
int FlashPenWidth(int windowWidth, int clientWidth);
