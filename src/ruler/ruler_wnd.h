// The ruler window: the application's main window, owner-drawn, with its view state in the
// low word of its own window style. One class whose members live in several files by
// concern: ruler_wnd_win.cpp (construction, messages, lifecycle), ruler_style_win.cpp
// (ModifyRulerStyle, geometry, unit metrics), ruler_paint_win.cpp (erase, paint, guide),
// ruler_magnifier_win.cpp (magnifier, bitmap copy, web-safe palette), ruler_caption_win.cpp
// (caption line), ruler_input_win.cpp (pointer, keyboard, hot keys), ruler_poll_win.cpp
// (the live-tracking timer), ruler_commands_win.cpp (the command table and the commands).
#pragma once

#include <windows.h>

#include <climits>

#include "base/geometry.h"
#include "platform/monitor_layout.h"
#include "platform/tray_icon_win.h"
#include "ruler/command_rules.h"
#include "ruler/font_under_pointer.h"
#include "ruler/keyboard_keeper.h"
#include "ruler/poll_rules.h"
#include "ruler/ruler_geometry.h"
#include "tools/custom_scale_target.h"
#include "units/graduation.h"
#include "win/cmd_ui.h"
#include "win/handles.h"
#include "win/window.h"

class CRulerSettings;

// Two font descriptions are the same when neither is a font or every byte agrees.
struct SameLogFont {
    bool operator()(const LOGFONTA& a, const LOGFONTA& b) const;
};

class CRulerWnd : public CWindow, public CCmdTarget, public CCmdUITarget, public ICustomScaleTarget {
public:
    // The ruler's own messages. Posted to the ruler after each of its commands and
    // deactivations (OnKeepKeyboard).
    static constexpr UINT kMsgKeepKeyboard = WM_APP + 1;
    // Posted by OnCreate: the window's icons and the tray icon, after the ruler is shown.
    static constexpr UINT kMsgAddIcons = WM_APP + 2;
    // WM_DPICHANGED, which older SDK headers lack.
    static constexpr UINT kMsgDpiChanged = 0x02E0;

    // Throws CResourceException when the ruler font cannot be made and CMemoryException when
    // no display information context can be had.
    explicit CRulerWnd(CRulerSettings& settings);
    ~CRulerWnd() override;

    // --- state (ruler_style_win.cpp) -------------------------------------------------
    // The only way the view flags change; the settings record mirrors every change at once.
    void ModifyRulerStyle(DWORD removeMask, DWORD addMask, BOOL force);
    void UpdateUnitMetrics(DWORD style);
    // The ruler's font, tick and icon sizes at `dpi` (the font is made again by the caller).
    void TakeDpiSizes(int dpi);
    // WM_DPICHANGED: the ruler takes the new density's sizes and units and the bounds the
    // system suggests (suggested may be null).
    void OnDpiChanged(int dpi, const RECT* suggested);
    Rect GetClientRectCore() const;
    Rect GetGraduatedRect() const;
    Rect GetMagnifierRect() const;
    RulerExtent GetRulerExtent() const;
    // Graduation zero in screen coordinates (inner or outside form).
    POINT GetZeroPoint(BOOL outside) const;
    Rect GetCaptionStripRect(int part, Point* textOrigin = nullptr) const;
    int GetStripThickness() const { return int(m_tmRuler.tmHeight + m_tmRuler.tmExternalLeading); }
    static BOOL IsPaletteDisplay();
    CRulerSettings& Settings() { return m_settings; }

    // --- painting (ruler_paint_win.cpp) ----------------------------------------------
    BOOL OnEraseBkgnd(HDC hDC);
    void OnPaint();
    // Paints the client area into hDC as WM_PAINT would (clip box = hDC's clip box).
    void PaintTo(HDC hDC);
    void DrawGraduations(HDC hDC, const RECT& clip);
    void DrawGuide(HDC hDC, int x, int y);

    // --- magnifier (ruler_magnifier_win.cpp) -----------------------------------------
    void DrawMagnifier(HDC hDC, BOOL force, BOOL label);
    // The same with the pointer already read (the poll reads it once per tick). True when it
    // took the screen area around the pointer anew.
    bool DrawMagnifierAt(HDC hDC, BOOL force, BOOL label, POINT pointer);
    void CopyMagnifierSource();
    bool CreateWebSafePalette();
    COLORREF SampleScreenColor(HDC hDC, int x, int y) const;
    // A raw colour snapped to the web-safe palette when View\Color asks for it.
    COLORREF SnapSampledColor(COLORREF color) const;
    // The screen pixel at a screen point as the magnifier's last capture holds it, when that
    // capture was taken for exactly this pointer position; CLR_INVALID otherwise.
    COLORREF CapturedScreenPixel(POINT screen) const;
    // A device context on the whole display, kept for the ruler's life: the poll reads the
    // screen on every move, and a screen context asked for each time costs as much again.
    HDC ScreenDC();

    // --- caption line (ruler_caption_win.cpp) ----------------------------------------
    void BuildCaptionText(char* buffer);  // 512 bytes
    void RefreshCaption();
    // The same with the pointer already read (null: it could not be read).
    // With fromCapture, the colour may come from the magnifier's capture of this moment.
    void BuildCaptionTextAt(char* buffer, const POINT* pointer, bool fromCapture = false);
    void RefreshCaptionAt(const POINT* pointer, bool fromCapture = false);

    // --- live tracking (ruler_poll_win.cpp) ------------------------------------------
    bool NeedsPollTimer() const;
    void UpdatePollTimer();
    void OnPollTimer();
    // WM_INPUT: raw input wakes a resting or sleeping poll.
    void OnRawInput();
    // Back to the full rate (the ruler moved under the pointer, a setting changed).
    void WakePoll();

    // --- input (ruler_input_win.cpp) -------------------------------------------------
    bool PreTranslateMessage(MSG* msg) override;
    void ShowContextMenu(POINT screenPoint);

    // --- commands (ruler_commands_win.cpp) -------------------------------------------
    // The routing: the application object's table first, then the ruler's.
    bool OnCmdMsg(UINT id, CCmdUI* update) override;
    bool OnUpdateCommandUI(CCmdUI& ui) override;
    // Runs a command as the command routing would (no enable test): the pointer and tray
    // actions and the cycling commands.
    bool RunCommand(UINT id);
    // A command chosen from a menu or pressed as a key: runs only when its rule enables it.
    bool OnMenuOrAcceleratorCommand(UINT id);
    // The state the update rules read, taken now.
    CommandState GetCommandState() const;
    // Where the application object's commands are (null: the ruler has only its own).
    void SetAppCommands(CCmdTarget* app) { m_pAppCommands = app; }
    void OnInitMenuPopup(HMENU popup, bool systemMenu);
    void ShowOrHide();
    void SetRulerScale(int scale);

    // The commands' actions, by the table's rows.
    void OnShowHide(UINT id);
    void OnClose(UINT id);
    void OnToggleOrientation(UINT id);
    void OnToggleSide(UINT id);
    void OnToggleViewFlag(UINT id);
    void OnMoveToCursor(UINT id);
    void OnResetWindow(UINT id);
    void OnShowInTaskBar(UINT id);
    void OnWindowColors(UINT id);
    void OnCaptionItem(UINT id);
    void OnUnit(UINT id);
    void OnNextUnit(UINT id);
    void OnBase(UINT id);
    void OnNotation(UINT id);
    void OnWebSafe(UINT id);
    void OnNextNotation(UINT id);
    void OnCopyColor(UINT id);
    void OnCopyCaption(UINT id);
    void OnCopyMagnifier(UINT id);
    void OnRulerScale(UINT id);
    void OnRulerScaleCustom(UINT id);
    void OnMagnifierZoom(UINT id);
    void OnMagnifierZoomCustom(UINT id);

    // What the custom scale dialog acts on (ruler_scale_target_win.cpp).
    void ApplyRulerScale(int scale) override;
    void ApplyMagnifierZoom(int zoom) override;

    // Members, in the order the ruler's state is described.
    HACCEL m_hAccel = nullptr;
    int m_nTickLength = 12;
    // The caption strip's icon box and icon, and the density these sizes and the font are at
    // (0: the system's, before the window knows its monitor).
    int m_nIconBox = 20;
    int m_nIconSize = 16;
    int m_nSizesDpi = 0;
    // lfHeight of the system font, at the system's density: the ruler font is made from it.
    int m_nSystemFontHeight = 0;
    LOGFONTA m_lfRuler{};
    TEXTMETRICA m_tmRuler{};
    CFontHandle m_fontRuler;
    int m_nLogPixels = 0;
    int m_nScale = 100;
    int m_nUnitTwips = 15;
    int m_nLabelStep = 1;
    int m_nSubdivisions = 1;
    // The poll's id while it runs, at any pace.
    UINT_PTR m_nTimerId = 0;
    CPollPacer m_pollPacer;
    PollPace m_ePaceApplied = PollPace::Full;
    bool m_bRawInputListened = false;
    UINT m_nRawDevices = 0;
    POINT m_ptGuide{};
    POINT m_ptLastCursor{};
    // A window without a font: lfHeight INT_MAX.
    static LOGFONTA NoFont();
    // The window under the pointer and its font, for the dialog units.
    TFontUnderPointer<HWND, LOGFONTA, SameLogFont> m_fontUnderCursor{NoFont()};
    SIZE m_sizeDlgBase{};
    CTrayIcon m_trayIcon;
    BOOL m_bPaletteDisplay = FALSE;
    CPaletteHandle m_palWebSafe;
    // The magnifier's last pointer position (-1, -1 before the first draw).
    POINT m_ptMagnifierLast{-1, -1};
    // The virtual screen, read at creation and again when the display changes: the metrics
    // are slow to ask for on every magnifier refresh.
    RECT m_rcVirtualScreen{};
    // The monitors, read at the same moments: the magnifier shows no pixels off them.
    MonitorLayout m_monitors;
    // The screen area the magnifier shows is taken into this bitmap, kept between refreshes
    // (the bitmap is declared first so that the context goes before it).
    CBitmapHandle m_bmpMagnifier;
    COwnedDC m_dcMagnifier;
    SIZE m_sizeMagnifierBitmap{};
    // What the last capture shows: the screen area and the pointer it was taken for.
    RECT m_rcCaptured{};
    POINT m_ptCaptured{INT_MIN, INT_MIN};
    COwnedDC m_dcScreen;
    // Reused between paints so that painting allocates nothing once warm.
    GraduationLayout m_layout;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

private:
    int OnCreate();
    void OnDestroy();
    // The tray icon with the tip from the version resource.
    void AddTrayIcon();
    // The shell's message that a task bar has been (re)created.
    static UINT TaskbarCreatedMessage();
    void OnEndSession(bool ending);
    void OnGetMinMaxInfo(MINMAXINFO* info);
    void OnWindowPosChanged(const WINDOWPOS* pos);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    void StopPoll();
    // Sets the timer and the raw input registration for the pacer's pace.
    void ApplyPollPace();
    void ListenWhileResting(bool listen);
    // The dialog units of the window under the pointer; true when they changed.
    bool TrackDialogUnits(POINT screen, DWORD style);
    // A memory context holding a bitmap of at least cx x cy pixels for the magnifier.
    HDC MagnifierCaptureDC(HDC screen, int cx, int cy);

    void OnLButtonDown(POINT client);
    void OnMouseMove(POINT client);
    void OnLButtonUp();
    void OnKeyDown(UINT key);
    bool OnSetCursor(UINT hitTest);
    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);
    void OnActivate(WPARAM wParam, LPARAM lParam);
    // After a command (ended: it ended at `at`) and after a deactivation: the ruler takes the
    // keyboard back where CKeyboardKeeper says so.
    void OnKeepKeyboard(bool ended, DWORD at);
    LRESULT OnHotKey(WPARAM id);
    LRESULT OnTrayNotify(WPARAM id, LPARAM mouseMsg);
    void OnContextMenu(POINT screenPoint);

    CRulerSettings& m_settings;
    CCmdTarget* m_pAppCommands = nullptr;
    CKeyboardKeeper m_keyboardKeeper;
    // Set once WM_CREATE has succeeded: only then does the window own this object. A window
    // whose creation failed leaves the object to whoever made it.
    bool m_bCreated = false;
};
