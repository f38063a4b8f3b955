// A real ruler window for tests: made from a settings record the test fills in (not the
// registry), placed where the test wants it, rendered through WM_PRINTCLIENT into a 32-bit
// top-down DIB section and read back pixel by pixel. Also a count of the process's live
// GDI objects, for leak checks.
#pragma once

#include "settings/ruler_settings.h"
#include "ruler/ruler_wnd.h"
#include "win/handles.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

class CRulerFixture {
public:
    CRulerFixture();
    ~CRulerFixture();
    CRulerFixture(const CRulerFixture&) = delete;
    CRulerFixture& operator=(const CRulerFixture&) = delete;

    // Filled in by the test before Create. The view members that the style also says
    // (orientation, sides, guide, magnifier, unit, border, on top) are set by Create.
    CRulerSettings settings;
    CRulerWnd* ruler = nullptr;  // owned by its window: it deletes itself when destroyed

    // Creates and shows the ruler with RS_* view flags (plus WS_THICKFRAME for a border;
    // WS_POPUP is added) so that its client area is `client` on the screen. The window is not
    // activated. Returns false when the window could not be made.
    bool Create(DWORD viewFlags, const RECT& client);
    void Destroy();
    HWND Hwnd() const { return ruler ? ruler->m_hWnd : nullptr; }

    // Sets the client size (keeping the top-left) and pumps until idle.
    void SetClientSize(int cx, int cy);

    // Renders the whole client area (erase, then paint) into the DIB; with `clip` (client
    // coordinates) only that part is drawn and the rest keeps the fill colour.
    void Render(const RECT* clip = nullptr);
    // Runs `draw` on the DIB's device context (after filling it), for drawing calls made
    // directly on a context, such as the magnifier with its label.
    void RenderWith(const std::function<void(HDC)>& draw);
    // The DIB's device context, for repeated drawing without re-filling.
    HDC Dc() const { return m_dc.Get(); }

    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    // The rendered colour at a client pixel; kOutside outside the client area.
    COLORREF Pixel(int x, int y) const;
    // What the DIB is filled with before each render: a colour the ruler never paints.
    static constexpr COLORREF kFill = RGB(1, 254, 3);
    static constexpr COLORREF kOutside = CLR_INVALID;

private:
    void MakeDib();
    void Fill();

    COwnedDC m_dc;
    CBitmapHandle m_dib;
    HGDIOBJ m_oldBitmap = nullptr;
    const std::uint32_t* m_bits = nullptr;
    int m_nWidth = 0;
    int m_nHeight = 0;
};

// The header of a 32-bit top-down DIB of w x h pixels (BI_RGB).
BITMAPINFO TopDownDibInfo(int w, int h);

// Handles every pending message, then keeps handling them until `quietMs` pass with
// nothing but timer ticks (Wine delivers some X events late); gives up after `maxMs`.
void PumpUntilIdle(int quietMs = 30, int maxMs = 2000);

// Moves the pointer to a screen point and waits until GetCursorPos reports it (Wine
// caches the target of SetCursorPos for about 100 ms and ignores a move to the point it
// set last). False when the pointer would not go there.
bool MovePointerTo(int x, int y);
// Moves the pointer as a mouse does, through the system's input queue (so raw input sees it,
// unlike SetCursorPos); whether the move was taken.
bool SendPointerMove(int x, int y);

// Live GDI objects of this process, stock objects not counted: the entries of Wine's GDI
// handle table (behind the PEB) with a type, in the x86-64 and the i686 build. -1 when there
// is no such table, or it does not follow the objects the process makes (checked once with a
// pen): a leak test then skips with kNoGdiCount rather than pass or fail on no evidence.
int CountGdiObjects();
inline constexpr const char* kNoGdiCount =
    "this process's GDI objects cannot be counted here (no handle table behind the PEB that follows its objects)";
