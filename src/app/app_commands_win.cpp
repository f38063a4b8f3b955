// The application object's commands: the sizing tool, the about box and help. The ruler's
// command routing asks this table before its own.
#include "app/ruler_app.h"

#include "platform/help_win.h"
#include "resource.h"
#include "ruler/command_dispatch_win.h"
#include "ruler/ruler_wnd.h"
#include "tools/sizing_tool_dlg_win.h"
#include "tools/about_dlg_win.h"
#include "win/window.h"

namespace {

using Entry = TCommandEntry<CRulerApp>;

const Entry kAppCommands[] = {
    {ID_TOGGLE_SIZING_TOOL, &CRulerApp::OnToggleSizingTool, RuleSizingTool},
    {ID_APP_ABOUT, &CRulerApp::OnAppAbout, nullptr},
    {ID_HELP_INDEX, &CRulerApp::OnHelp, nullptr},
    {ID_HELP_FINDER, &CRulerApp::OnHelp, nullptr},
    {ID_HELP_USING, &CRulerApp::OnHelp, nullptr},
    {ID_HELP, &CRulerApp::OnHelp, nullptr},
};

} // namespace

bool CRulerApp::OnCmdMsg(UINT id, CCmdUI* update)
{
    return DispatchCommand(*this, kAppCommands, id, update, &CRulerApp::GetCommandState);
}

CommandState CRulerApp::GetCommandState() const
{
    CommandState s;
    s.sizingToolVisible = IsSizingToolVisible();
    return s;
}

void CRulerApp::OnToggleSizingTool(UINT)
{
    ToggleSizingTool(m_settings);
}

void CRulerApp::OnAppAbout(UINT)
{
    // Owned by the ruler's last active pop-up, the box stacks above a dialog the ruler has open.
    HWND ruler = GetMainWindowHandle();
    CAboutDlg about(ruler ? GetLastActivePopup(ruler) : nullptr, m_settings);
    if (const auto* rulerWnd = dynamic_cast<const CRulerWnd*>(GetMainWindow()))
        about.SetUnitsText(rulerWnd->DescribeUnitDensity());
    about.DoModal();
}

void CRulerApp::OnHelp(UINT)
{
    ShowHelpTopic(GetMainWindowHandle(), nullptr);
}
