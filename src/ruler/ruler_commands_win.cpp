// The ruler's commands: the one table of every command id with what runs it and its update
// rule, the command routing (the application object first, then this table), the enable test
// of menu choices and keys, the popup preparation, and the commands' actions.
#include "ruler/ruler_wnd.h"

#include "color/color_flags.h"
#include "color/color_notation.h"
#include "platform/clipboard_win.h"
#include "platform/menu_states_win.h"
#include "platform/monitors_win.h"
#include "platform/placement_win.h"
#include "platform/screen_win.h"
#include "resource.h"
#include "ruler/caption_text.h"
#include "ruler/command_dispatch_win.h"
#include "ruler/view_flags.h"
#include "ruler/window_moves.h"
#include "settings/ruler_settings.h"
#include "tools/custom_scale_dlg_win.h"
#include "tools/window_colors_dlg_win.h"
#include "units/units.h"
#include "win/convert.h"

#include <optional>

namespace {

using Entry = TCommandEntry<CRulerWnd>;

// Every command of the ruler. The application object's own commands (the sizing tool, the
// about box, help) are in its table and are asked first.
const Entry kRulerCommands[] = {
    {ID_SHOW_HIDE, &CRulerWnd::OnShowHide, RuleShowHide},
    {ID_APP_EXIT, &CRulerWnd::OnClose, nullptr},
    {ID_TOGGLE_ORIENTATION, &CRulerWnd::OnToggleOrientation, nullptr},
    {ID_TOGGLE_SIDE, &CRulerWnd::OnToggleSide, nullptr},
    {ID_SHOW_GUIDE, &CRulerWnd::OnToggleViewFlag, RuleViewFlag},
    {ID_SHOW_MAGNIFIER, &CRulerWnd::OnToggleViewFlag, RuleViewFlag},
    {ID_MOVE_TO_CURSOR, &CRulerWnd::OnMoveToCursor, nullptr},
    {ID_RESET_WINDOW, &CRulerWnd::OnResetWindow, nullptr},
    {ID_ALWAYS_ON_TOP, &CRulerWnd::OnToggleViewFlag, RuleAlwaysOnTop},
    {ID_SHOW_BORDER, &CRulerWnd::OnToggleViewFlag, RuleViewFlag},
    {ID_SHOW_IN_TASKBAR, &CRulerWnd::OnShowInTaskBar, RuleShowInTaskBar},
    {ID_WINDOW_COLORS, &CRulerWnd::OnWindowColors, nullptr},

    {ID_CAPTION_UNITS, &CRulerWnd::OnCaptionItem, RuleCaptionItem},
    {ID_CAPTION_SCALE, &CRulerWnd::OnCaptionItem, RuleCaptionItem},
    {ID_CAPTION_SCREEN, &CRulerWnd::OnCaptionItem, RuleCaptionItem},
    {ID_CAPTION_POSITION, &CRulerWnd::OnCaptionItem, RuleCaptionItem},
    {ID_CAPTION_DISTANCE, &CRulerWnd::OnCaptionItem, RuleCaptionItem},
    {ID_CAPTION_PIXELS, &CRulerWnd::OnCaptionItem, RuleCaptionItem},
    {ID_CAPTION_ANGLE, &CRulerWnd::OnCaptionItem, RuleCaptionItem},
    {ID_CAPTION_COLOR, &CRulerWnd::OnCaptionItem, RuleCaptionItem},

    {ID_UNIT_CM, &CRulerWnd::OnUnit, RuleUnit},
    {ID_UNIT_DBU, &CRulerWnd::OnUnit, RuleUnit},
    {ID_UNIT_DU, &CRulerWnd::OnUnit, RuleUnit},
    {ID_UNIT_IN, &CRulerWnd::OnUnit, RuleUnit},
    {ID_UNIT_PC, &CRulerWnd::OnUnit, RuleUnit},
    {ID_UNIT_PX, &CRulerWnd::OnUnit, RuleUnit},
    {ID_UNIT_PT, &CRulerWnd::OnUnit, RuleUnit},
    {ID_UNIT_TWIP, &CRulerWnd::OnUnit, RuleUnit},
    {ID_BASE_2, &CRulerWnd::OnBase, RuleBase},
    {ID_BASE_10, &CRulerWnd::OnBase, RuleBase},
    {ID_UNIT_NEXT, &CRulerWnd::OnNextUnit, nullptr},

    {ID_COLOR_HLS, &CRulerWnd::OnNotation, RuleNotation},
    {ID_COLOR_HSV, &CRulerWnd::OnNotation, RuleNotation},
    {ID_COLOR_RGB_DEC, &CRulerWnd::OnNotation, RuleNotation},
    {ID_COLOR_RGB_HEX, &CRulerWnd::OnNotation, RuleNotation},
    {ID_COLOR_HTML, &CRulerWnd::OnNotation, RuleNotation},
    {ID_COLOR_WEB_SAFE, &CRulerWnd::OnWebSafe, RuleWebSafe},
    {ID_COLOR_NEXT, &CRulerWnd::OnNextNotation, nullptr},
    {ID_COPY_COLOR, &CRulerWnd::OnCopyColor, RuleCopyColor},
    {ID_COPY_CAPTION, &CRulerWnd::OnCopyCaption, nullptr},
    {ID_EDIT_COPY, &CRulerWnd::OnCopyMagnifier, nullptr},

    {ID_SCALE_NORMAL, &CRulerWnd::OnRulerScale, RuleRulerScale},
    {ID_SCALE_ZOOM_IN, &CRulerWnd::OnRulerScale, RuleRulerScale},
    {ID_SCALE_ZOOM_OUT, &CRulerWnd::OnRulerScale, RuleRulerScale},
    {ID_SCALE_CUSTOM, &CRulerWnd::OnRulerScaleCustom, RuleRulerScale},
    {ID_ZOOM_NORMAL, &CRulerWnd::OnMagnifierZoom, RuleMagnifierZoom},
    {ID_ZOOM_IN, &CRulerWnd::OnMagnifierZoom, RuleMagnifierZoom},
    {ID_ZOOM_OUT, &CRulerWnd::OnMagnifierZoom, RuleMagnifierZoom},
    {ID_ZOOM_CUSTOM, &CRulerWnd::OnMagnifierZoomCustom, RuleMagnifierZoom},
};

} // namespace

// --- routing --------------------------------------------------------------------------

bool CRulerWnd::OnCmdMsg(UINT id, CCmdUI* update)
{
    if (m_pAppCommands && m_pAppCommands->OnCmdMsg(id, update))
        return true;
    return DispatchCommand(*this, kRulerCommands, id, update, &CRulerWnd::GetCommandState);
}

bool CRulerWnd::OnUpdateCommandUI(CCmdUI& ui)
{
    return OnCmdMsg(ui.m_nID, &ui);
}

bool CRulerWnd::RunCommand(UINT id)
{
    return OnCmdMsg(id, nullptr);
}

bool CRulerWnd::OnMenuOrAcceleratorCommand(UINT id)
{
    // What the rule disables does not run, whether it was chosen or pressed.
    CCmdUI test(id);
    OnCmdMsg(id, &test);
    if (!test.m_bEnabled)
        return true;
    // The command may end the ruler (Close): what follows it goes by message.
    const HWND hWnd = m_hWnd;
    m_keyboardKeeper.CommandStarts(GetForegroundWindow() == hWnd);
    const bool handled = OnCmdMsg(id, nullptr);
    PostMessageA(hWnd, kMsgKeepKeyboard, TRUE, LPARAM(GetTickCount()));
    return handled;
}

CommandState CRulerWnd::GetCommandState() const
{
    CommandState s;
    s.style = GetStyle();
    s.toolWindow = (GetExStyle() & WS_EX_TOOLWINDOW) != 0;
    s.visible = IsWindowVisible(m_hWnd) != FALSE;
    s.topmost = (GetExStyle() & WS_EX_TOPMOST) != 0;
    s.paletteDisplay = m_bPaletteDisplay != FALSE;
    s.webSafePalette = bool(m_palWebSafe);
    s.scale = m_nScale;
    s.zoomFactor = m_settings.m_nZoomFactor;
    s.base = m_settings.m_nBase;
    s.caption = std::uint32_t(m_settings.m_nCaption);
    s.color = std::uint32_t(m_settings.m_nColor);
    return s;
}

void CRulerWnd::OnInitMenuPopup(HMENU popup, bool systemMenu)
{
    try {
        m_bPaletteDisplay = IsPaletteDisplay();
    } catch (...) {
        // No display context to ask: the last answer stands.
    }
    if (IsContextPopup(systemMenu, int(GetMenuItemID(popup, 0))))
        EnableMenuItem(popup, UINT(kColorFormatItem), MF_BYPOSITION | (m_bPaletteDisplay ? MF_GRAYED : MF_ENABLED));
    UpdateMenuCommandStates(systemMenu, popup, this);
}

// --- view -----------------------------------------------------------------------------

void CRulerWnd::OnClose(UINT)
{
    // The framework's exit: the main window, the ruler, is closed, which ends the program.
    SendMessageA(m_hWnd, WM_CLOSE, 0, 0);
}

void CRulerWnd::OnShowHide(UINT)
{
    ShowOrHide();
}

void CRulerWnd::ShowOrHide()
{
    const bool show = !IsWindowVisible(m_hWnd);
    m_settings.m_bVisible = show ? 1 : 0;
    if (!show)
        CapturePlacement(m_settings, m_hWnd);
    ApplyPlacement(m_settings, m_hWnd, show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW, false, -1, -1);
    if (show)
        ActivateWindow(m_hWnd);
}

void CRulerWnd::OnToggleOrientation(UINT)
{
    const StyleToggle t = ToggleOrientation(m_settings.m_bVertical != 0);
    ModifyRulerStyle(t.remove, t.add, FALSE);
}

void CRulerWnd::OnToggleSide(UINT)
{
    const StyleToggle t = ToggleSide(GetStyle(), m_settings.m_bHFlipped != 0, m_settings.m_bVFlipped != 0);
    ModifyRulerStyle(t.remove, t.add, FALSE);
}

void CRulerWnd::OnToggleViewFlag(UINT id)
{
    const StyleToggle t = ToggleViewFlag(int(id), GetStyle(), (GetExStyle() & WS_EX_TOPMOST) != 0);
    ModifyRulerStyle(t.remove, t.add, FALSE);
}

void CRulerWnd::OnMoveToCursor(UINT)
{
    const POINT zero = GetZeroPoint(TRUE);
    POINT pointer{};
    RECT rc{};
    std::optional<Rect> moved;
    if (GetCursorPos(&pointer) && GetWindowRect(m_hWnd, &rc))
        moved = MoveToCursorOn(EnumMonitors(), FromRECT(rc), FromPOINT(zero), FromPOINT(pointer));
    if (!moved) {
        MessageBeep(MB_ICONHAND);
        return;
    }
    SetWindowPos(m_hWnd, nullptr, moved->left, moved->top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CRulerWnd::OnResetWindow(UINT)
{
    RECT now{};
    GetWindowRect(m_hWnd, &now);
    const Rect primary{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const RECT rc = ToRECT(ResetRectOn(EnumMonitors(), FromRECT(now), (GetStyle() & RS_VERT) != 0, primary));
    SetWindowPos(m_hWnd, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void CRulerWnd::OnShowInTaskBar(UINT)
{
    const bool visible = IsWindowVisible(m_hWnd) != FALSE;
    // Hidden without handing the activation to another window: the ruler is back at once,
    // and a window activated meanwhile would take the keyboard from it afterwards under Wine.
    if (visible)
        SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    const bool tool = (GetExStyle() & WS_EX_TOOLWINDOW) != 0;
    ModifyStyleEx(tool ? WS_EX_TOOLWINDOW : 0, tool ? 0 : WS_EX_TOOLWINDOW, visible ? SWP_SHOWWINDOW : 0);
    if (visible)
        ActivateWindow(m_hWnd);
    m_settings.m_bNotInTaskBar = (GetExStyle() & WS_EX_TOOLWINDOW) ? 1 : 0;
}

void CRulerWnd::OnWindowColors(UINT)
{
    CWindowColorsDlg dialog(m_hWnd, m_settings);
    if (dialog.DoModal() == IDOK)
        InvalidateRect(m_hWnd, nullptr, TRUE);
}

// --- caption, units, colour ---------------------------------------------------------------

void CRulerWnd::OnCaptionItem(UINT id)
{
    m_settings.m_nCaption ^= std::int32_t(CaptionFlagOf(int(id)));
    UpdatePollTimer();
    RefreshCaption();
}

void CRulerWnd::OnUnit(UINT id)
{
    if (const UnitInfo* unit = FindUnitById(int(id)))
        ModifyRulerStyle(RS_UNIT_MASK, unit->flag, FALSE);
}

void CRulerWnd::OnNextUnit(UINT)
{
    if (const UnitInfo* next = NextUnit(GetStyle()))
        RunCommand(UINT(next->id));
}

void CRulerWnd::OnBase(UINT id)
{
    m_settings.m_nBase = id == ID_BASE_2 ? 2 : 10;
    UpdateUnitMetrics(GetStyle());
    InvalidateRect(m_hWnd, nullptr, TRUE);
    RefreshCaption();
}

void CRulerWnd::OnNotation(UINT id)
{
    m_settings.m_nColor = std::int32_t(ColorForCommand(int(id), std::uint32_t(m_settings.m_nColor)));
    RefreshCaption();
}

void CRulerWnd::OnWebSafe(UINT id)
{
    m_settings.m_nColor = std::int32_t(ColorForCommand(int(id), std::uint32_t(m_settings.m_nColor)));
    RefreshCaption();
}

void CRulerWnd::OnNextNotation(UINT)
{
    const std::uint32_t next = NextNotation(std::uint32_t(m_settings.m_nColor) & CN_MASK);
    if (next)
        RunCommand(UINT(NotationCommandId(next)));
}

void CRulerWnd::OnCopyColor(UINT)
{
    POINT p{};
    if (!GetCursorPos(&p))
        return;
    HDC dc = ScreenDC();
    const COLORREF color = dc ? SampleScreenColor(dc, p.x, p.y) : CLR_INVALID;
    // A point on no display has no colour to copy; the clipboard keeps what it holds.
    if (color == CLR_INVALID)
        return;
    char text[32];
    FormatColorText(std::uint32_t(color), std::uint32_t(m_settings.m_nColor), true, text, sizeof text);
    CopyTextToClipboard(text);
}

void CRulerWnd::OnCopyCaption(UINT)
{
    char text[kCaptionBufferSize];
    BuildCaptionText(text);
    CopyTextToClipboard(text);
}

void CRulerWnd::OnCopyMagnifier(UINT)
{
    CopyMagnifierSource();
}

// --- scale and zoom ---------------------------------------------------------------------

void CRulerWnd::OnRulerScale(UINT id)
{
    SetRulerScale(RulerScaleForCommand(int(id), m_nScale));
}

void CRulerWnd::SetRulerScale(int scale)
{
    if (scale < 1)
        return;
    if (scale != m_nScale) {
        m_nScale = scale;
        InvalidateRect(m_hWnd, nullptr, TRUE);
    }
    m_settings.m_nScale = m_nScale;
    RefreshCaption();
}

void CRulerWnd::OnRulerScaleCustom(UINT)
{
    CCustomScaleDlg dialog(m_hWnd, *this, m_settings, true, m_nScale, kCustomScaleMin, kCustomScaleMax);
    if (dialog.DoModal() == IDOK)
        SetRulerScale(dialog.m_nValue);
}

void CRulerWnd::OnMagnifierZoom(UINT id)
{
    const int n = MagnifierZoomForCommand(int(id), m_settings.m_nZoomFactor);
    if (n == 0)
        return;
    m_settings.m_nZoomFactor = n;
    DrawMagnifier(nullptr, TRUE, TRUE);
}

void CRulerWnd::OnMagnifierZoomCustom(UINT)
{
    CCustomScaleDlg dialog(m_hWnd, *this, m_settings, false, m_settings.m_nZoomFactor, kCustomScaleMin,
                           kCustomScaleMax);
    if (dialog.DoModal() == IDOK)
        ApplyMagnifierZoom(dialog.m_nValue);
}
