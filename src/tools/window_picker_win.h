// The window picker: an icon of the sizing tool dialog that the user drags onto any window.
// While the drag lasts, the window it would act on is outlined; on release that window is
// highlighted and Get size (CWindowPicker) or Set size (CSetSizePicker) runs on it. The
// right button cancels. It works through the mouse capture alone.
#pragma once

#include <windows.h>

#include "tools/target_outline_win.h"

class CSizingToolDlg;

// Shows a window briefly: a window with a caption or border has its caption flipped 2n
// times, any other has its outline inverted 2n times, t milliseconds apart, so that it ends
// as it was. FALSE for a window that does not exist or is not visible.
BOOL FlashWindowFrame(HWND window, int count, int stepMs);

class CWindowPicker {
public:
    explicit CWindowPicker(CSizingToolDlg* owner) : m_pOwner(owner) {}
    virtual ~CWindowPicker();
    CWindowPicker(const CWindowPicker&) = delete;
    CWindowPicker& operator=(const CWindowPicker&) = delete;

    // Takes over the dialog's static icon control (once; later calls keep the first).
    void Attach(HWND control);
    HWND m_hWnd = nullptr;

    BOOL m_bTracking = FALSE;
    CSizingToolDlg* m_pOwner;

    virtual HWND WindowFromScreenPoint(POINT point);
    // The nearest window from `window` up the parent chain (owners included) with a sizing
    // border; the last of the chain when none has one.
    virtual HWND ResolveTarget(HWND window, POINT point);
    virtual void HighlightTarget(HWND window, POINT point);
    virtual void OnTargetPicked(HWND window, POINT point);
    virtual void OnNoTarget();
    virtual void BeginTracking();
    virtual void EndTracking();
    virtual void SetTrackingCursor();

    // The window the outline is around now (null: none), for tests and measurements.
    HWND OutlinedWindow() const { return m_outline.Target(); }

private:
    static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    void Detach();
    void OnLButtonUp(POINT client);
    // Outlines the window a release at this point would act on.
    void TrackPointer(POINT client);

    WNDPROC m_pfnControlProc = nullptr;
    CTargetOutline m_outline;
};

class CSetSizePicker : public CWindowPicker {
public:
    using CWindowPicker::CWindowPicker;
    void OnTargetPicked(HWND window, POINT point) override;
    // Only with a valid size in the dialog, which is first written in its normal form.
    void BeginTracking() override;
};
