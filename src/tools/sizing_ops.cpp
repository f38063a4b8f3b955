#include "tools/sizing_ops.h"

#include "resource.h"
#include "settings/ruler_settings.h"
#include "tools/size_text.h"
#include "tools/target_style.h"

bool SaveSizingEntries(CRulerSettings& s, const SizingEntries& entries)
{
    const ParsedSize size = ParseSizeText(entries.sizeText);
    s.m_nWidth = size.width;
    s.m_nHeight = size.height;
    if (!size.valid)
        return false;
    s.m_bDoWidth = entries.doWidth;
    s.m_bDoHeight = entries.doHeight;
    s.m_bDoFrame = entries.doFrame;
    return true;
}

SizingSwitches SwitchesOf(const CRulerSettings& s)
{
    return SizingSwitches{s.m_bDoWidth != 0, s.m_bDoHeight != 0, s.m_bDoFrame != 0};
}

bool CheckSizing(CRulerSettings& s, CSizingTarget& target, CSizingTool& tool, bool storedSizeUsed)
{
    if (!target.Exists())
        return false;
    if (const int refusal = TargetRefusalOf(target.Style(), target.IsZoomed())) {
        tool.ShowMessage(refusal);
        return false;
    }
    if (tool.DialogExists()) {
        if (!tool.ValidateDialog())
            return false;
    } else if (storedSizeUsed && (s.m_nWidth < 1 || s.m_nHeight < 1)) {
        // A size below 1 can only come from the registry: it is refused as the same size
        // typed into the dialog would be, with the dialog open to correct it.
        tool.BringDialogForward();
        if (tool.DialogExists())
            tool.ValidateDialog();  // refuses the text with message 1050
        else
            tool.ShowMessage(IDS_SIZE_INVALID);
        return false;
    }
    if (s.m_bDoWidth || s.m_bDoHeight)
        return true;
    tool.BringDialogForward();
    tool.ShowMessage(IDS_SIZING_NOTHING_INCLUDED);
    return false;
}

bool ReadTargetSize(CRulerSettings& s, CSizingTarget& target, CSizingTool& tool)
{
    if (!CheckSizing(s, target, tool, false))
        return false;
    if (target.Exists()) {
        const Size size = MeasureTargetSize(target.WindowRect(), target.FrameThickness(),
                                            Size{s.m_nWidth, s.m_nHeight}, SwitchesOf(s));
        s.m_nWidth = size.cx;
        s.m_nHeight = size.cy;
    }
    if (tool.DialogExists())
        tool.RefreshDialog(true);
    return true;
}

bool ResizeTarget(CRulerSettings& s, CSizingTarget& target, CSizingTool& tool)
{
    if (!CheckSizing(s, target, tool, true))
        return false;
    if (target.Exists()) {
        const Rect now = target.WindowRect();
        const Rect wanted = ComputeTargetRect(now, target.FrameThickness(), Size{s.m_nWidth, s.m_nHeight}, SwitchesOf(s));
        if (wanted != now)
            target.Place(wanted);
    }
    if (tool.DialogExists())
        tool.RefreshDialog(false);
    return true;
}
