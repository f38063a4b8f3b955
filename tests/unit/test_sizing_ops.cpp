// Get size and Set size with their checks, on a fake window and a fake sizing tool.
#include "resource.h"
#include "settings/ruler_settings.h"
#include "tools/sizing_ops.h"
#include "tools/target_style.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class CFakeTarget final : public CSizingTarget {
public:
    bool exists = true;
    std::uint32_t style = kWsThickFrame;
    bool zoomed = false;
    Rect rect{100, 100, 500, 400};
    std::vector<Rect> placed;

    bool Exists() override { return exists; }
    std::uint32_t Style() override { return style; }
    bool IsZoomed() override { return zoomed; }
    Rect WindowRect() override { return rect; }
    Size FrameThickness() override { return Size{4, 4}; }
    void Place(const Rect& r) override { placed.push_back(r); }
};

// Records what the operations ask of the tool as letters: V validate, F forward, R refresh,
// and the message ids.
class CFakeTool final : public CSizingTool {
public:
    bool dialog = false;
    bool dialogAppears = true;  // BringDialogForward creates it
    bool valid = true;
    std::string log;

    bool DialogExists() override { return dialog; }
    bool ValidateDialog() override
    {
        log += "V";
        return valid;
    }
    void BringDialogForward() override
    {
        log += "F";
        dialog = dialog || dialogAppears;
    }
    void RefreshDialog(bool) override { log += "R"; }
    void ShowMessage(int id) override { log += std::to_string(id); }
};

} // namespace

TEST(SizingOps, TheChecksComeInOrder)
{
    const struct {
        const char* what;
        bool exists;
        std::uint32_t style;
        bool zoomed, dialog, dialogAppears, valid;
        int width, doWidth, doHeight;
        bool ok;
        const char* log;
    } cases[] = {
        {"gone", false, kWsThickFrame, false, false, true, true, 640, 1, 0, false, ""},
        {"maximized first", true, kWsMaximize, false, false, true, true, 640, 1, 0, false, "1052"},
        {"zoomed", true, kWsThickFrame, true, false, true, true, 640, 1, 0, false, "1052"},
        {"no sizing border", true, kWsBorder, false, false, true, true, 640, 1, 0, false, "1051"},
        {"dialog refuses", true, kWsThickFrame, false, true, true, false, 640, 1, 0, false, "V"},
        {"stored size 0, dialog opened", true, kWsThickFrame, false, false, true, false, 0, 1, 0, false, "FV"},
        {"stored size 0, no dialog", true, kWsThickFrame, false, false, false, false, 0, 1, 0, false, "F1050"},
        {"nothing included", true, kWsThickFrame, false, false, true, true, 640, 0, 0, false, "F1053"},
        {"goes ahead", true, kWsThickFrame, false, true, true, true, 640, 0, 1, true, "V"},
    };
    for (const auto& c : cases) {
        CRulerSettings s;
        s.m_nWidth = c.width;
        s.m_bDoWidth = c.doWidth;
        s.m_bDoHeight = c.doHeight;
        CFakeTarget t;
        t.exists = c.exists;
        t.style = c.style;
        t.zoomed = c.zoomed;
        CFakeTool tool;
        tool.dialog = c.dialog;
        tool.dialogAppears = c.dialogAppears;
        tool.valid = c.valid;
        EXPECT_EQ(CheckSizing(s, t, tool, true), c.ok) << c.what;
        EXPECT_EQ(tool.log, c.log) << c.what;
    }
    // Get size does not use the stored size: 0 x 0 is no reason to refuse it.
    CRulerSettings s;
    s.m_nWidth = 0;
    CFakeTarget t;
    CFakeTool tool;
    EXPECT_TRUE(CheckSizing(s, t, tool, false));
}

TEST(SizingOps, GetReadsAndSetMovesOnlyWhenTheSizeDiffers)
{
    CRulerSettings s;
    s.m_bDoWidth = s.m_bDoHeight = 1;
    s.m_bDoFrame = 0;
    CFakeTarget t;
    CFakeTool tool;
    tool.dialog = true;
    ASSERT_TRUE(ReadTargetSize(s, t, tool));
    EXPECT_EQ(s.m_nWidth, 392);  // 400 less the border on both sides
    EXPECT_EQ(s.m_nHeight, 292);
    EXPECT_EQ(tool.log, "VR");

    ASSERT_TRUE(ResizeTarget(s, t, tool));
    EXPECT_TRUE(t.placed.empty());  // it has that size already
    s.m_nWidth = 632;
    ASSERT_TRUE(ResizeTarget(s, t, tool));
    ASSERT_EQ(t.placed.size(), 1u);
    EXPECT_EQ(t.placed[0], (Rect{100, 100, 740, 400}));

    // A window that went while a message was shown is not read, but the check stands.
    CFakeTool noDialog;
    s.m_nWidth = 7;
    struct CVanishing final : CSizingTarget {
        int asked = 0;
        bool Exists() override { return asked++ == 0; }
        std::uint32_t Style() override { return kWsThickFrame; }
        bool IsZoomed() override { return false; }
        Rect WindowRect() override { return Rect{0, 0, 50, 50}; }
        Size FrameThickness() override { return Size{}; }
        void Place(const Rect&) override {}
    } vanishing;
    EXPECT_TRUE(ReadTargetSize(s, vanishing, noDialog));
    EXPECT_EQ(s.m_nWidth, 7);
}
