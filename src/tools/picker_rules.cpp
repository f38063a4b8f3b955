#include "tools/picker_rules.h"

PickerStep PickerStepFor(PickerMessage message, bool captured, bool tracking, bool captureToPicker)
{
    PickerStep s;
    switch (message) {
    case PickerMessage::kLButtonDown:
        s.beginTracking = true;
        s.result = PickerStep::kZero;
        break;
    case PickerMessage::kLButtonUp:
        s.pick = captured;
        s.endTracking = !captured && tracking;
        s.result = PickerStep::kZero;
        break;
    case PickerMessage::kMouseMove:
        s.follow = captured;
        s.endTracking = !captured && tracking;
        s.result = PickerStep::kZero;
        break;
    case PickerMessage::kSetCursor:
        if (captured)
            break;
        s.endTracking = tracking;
        s.idleCursor = true;
        s.result = PickerStep::kTrue;
        break;
    case PickerMessage::kRButtonDown:
        // During a drag the right button cancels it: nothing is picked.
        s.endTracking = captured || tracking;
        s.result = PickerStep::kZero;
        break;
    case PickerMessage::kCaptureChanged:
        // The drag itself ends at the next message; the outline must not stay until then.
        s.hideOutline = !captureToPicker;
        break;
    case PickerMessage::kOther:
        break;
    }
    return s;
}

void LayOutlinePieces(const Rect& window, int thickness, OutlinePiece (&pieces)[4])
{
    const int k = thickness;
    const int w = window.right - window.left;
    const int h = window.bottom - window.top;
    const int side = h > 2 * k ? h - 2 * k : 0;
    pieces[0] = {window.left, window.top, w, h < k ? h : k};
    pieces[1] = {window.left, window.bottom - k, w, h > k ? k : 0};
    pieces[2] = {window.left, window.top + k, w < k ? w : k, side};
    pieces[3] = {window.right - k, window.top + k, w > k ? k : 0, side};
}

int FlashPenWidth(int windowWidth, int clientWidth)
{
    const int d = windowWidth - clientWidth;
    return d / 2 > 2 ? d / 2 : 2;
}
