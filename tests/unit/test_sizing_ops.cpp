// The checks before Get size and Set size, on a fake window and a fake sizing tool.
#include "settings/ruler_settings.h"
#include "tools/sizing_ops.h"
#include "tools/target_style.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct CFakeTarget final : CSizingTarget {
    std::uint32_t style = kWsThickFrame;
    bool zoomed = false;
    bool Exists() override { return true; }
    std::uint32_t Style() override { return style; }
    bool IsZoomed() override { return zoomed; }
    Rect placed;
    Rect WindowRect() override { return Rect{100, 60, 500, 400}; }  // 400 x 340
    Size FrameThickness() override { return Size{4, 3}; }
    void Place(const Rect& r) override { placed = r; }
};

// Logs what is asked of the tool: V validate, F forward, R refresh (Rs after Get size), and
// the message ids.
struct CFakeTool final : CSizingTool {
    bool dialog = false, dialogAppears = true, valid = true;
    std::string log;
    bool DialogExists() override { return dialog; }
    bool ValidateDialog() override { return log += "V", valid; }
    void BringDialogForward() override { log += "F", dialog = dialog || dialogAppears; }
    void RefreshDialog(bool sizeRead) override { log += sizeRead ? "Rs" : "R"; }
    void ShowMessage(int id) override { log += std::to_string(id); }
};

} // namespace

TEST(SizingOps, TheChecksComeInOrder)
{
    const struct {
        std::uint32_t style;
        bool zoomed, dialog, dialogAppears, valid;
        int width, doWidth;
        bool ok;
        const char* log;
    } cases[] = {
        {kWsMaximize, false, true, true, true, 640, 1, false, "1052"},  // maximized before no border
        {kWsThickFrame, true, true, true, true, 640, 1, false, "1052"},
        {kWsBorder, false, true, true, true, 640, 1, false, "1051"},
        {kWsThickFrame, false, true, true, false, 640, 1, false, "V"},  // the dialog's own refusal
        {kWsThickFrame, false, false, true, false, 0, 1, false, "FV"},   // stored 0: refused by the dialog
        {kWsThickFrame, false, false, false, false, 0, 1, false, "F1050"},
        {kWsThickFrame, false, false, true, true, 640, 0, false, "F1053"},
        {kWsThickFrame, false, false, true, true, 640, 1, true, ""},
        {kWsThickFrame, false, false, true, true, 1, 1, true, ""},  // the smallest size
    };
    for (const auto& c : cases) {
        CRulerSettings s;
        s.m_nWidth = c.width;
        s.m_bDoWidth = c.doWidth;
        s.m_bDoHeight = 0;
        CFakeTarget t;
        t.style = c.style;
        t.zoomed = c.zoomed;
        CFakeTool tool;
        tool.dialog = c.dialog;
        tool.dialogAppears = c.dialogAppears;
        tool.valid = c.valid;
        EXPECT_EQ(CheckSizing(s, t, tool, true), c.ok) << c.log;
        EXPECT_EQ(tool.log, c.log);
    }
}

TEST(SizingOps, SavingTheDialogsValues)
{
    struct {
        const char* text;
        bool doWidth, doHeight, doFrame;
        bool saved;
        int width, height;
        int storedWidth, storedHeight, storedFrame;
    } cases[] = {
        {"800 x 600", false, true, true, true, 800, 600, 0, 1, 1},
        {"1 x 1", true, true, false, true, 1, 1, 1, 1, 0},
        // A size the dialog refuses: its numbers are kept, the switches are not taken.
        {"800 x 0", false, true, true, false, 800, 0, 1, 0, 0},
        {"", false, false, true, false, 0, 0, 1, 0, 0},
        {"-5 x 480", false, true, false, false, -5, 480, 1, 0, 0},
    };
    for (const auto& c : cases) {
        CRulerSettings s;
        s.m_bDoWidth = 1;
        s.m_bDoHeight = 0;
        s.m_bDoFrame = 0;
        EXPECT_EQ(SaveSizingEntries(s, {c.text, c.doWidth, c.doHeight, c.doFrame}), c.saved) << c.text;
        EXPECT_EQ(s.m_nWidth, c.width) << c.text;
        EXPECT_EQ(s.m_nHeight, c.height) << c.text;
        EXPECT_EQ(s.m_bDoWidth, c.storedWidth) << c.text;
        EXPECT_EQ(s.m_bDoHeight, c.storedHeight) << c.text;
        EXPECT_EQ(s.m_bDoFrame, c.storedFrame) << c.text;
    }
}

TEST(SizingOps, GetAndSetSizeFollowTheSwitches)
{
    // The window is 400 x 340 with a 4 x 3 border; 640 x 480 is stored.
    const struct {
        bool set;
        int doWidth, doHeight, doFrame;
        Size stored;
        Rect placed;
        const char* log;
    } cases[] = {
        {false, 1, 0, 0, {392, 480}, {}, "VRs"},
        {false, 0, 1, 1, {640, 340}, {}, "VRs"},
        {false, 1, 1, 0, {392, 334}, {}, "VRs"},
        {true, 1, 0, 0, {640, 480}, {100, 60, 748, 400}, "VR"},
        {true, 0, 1, 1, {640, 480}, {100, 60, 500, 540}, "VR"},
        {true, 1, 1, 0, {640, 480}, {100, 60, 748, 546}, "VR"},
    };
    for (const auto& c : cases) {
        CRulerSettings s;
        s.m_nWidth = 640;
        s.m_nHeight = 480;
        s.m_bDoWidth = c.doWidth;
        s.m_bDoHeight = c.doHeight;
        s.m_bDoFrame = c.doFrame;
        CFakeTarget t;
        CFakeTool tool;
        tool.dialog = true;
        EXPECT_TRUE(c.set ? ResizeTarget(s, t, tool) : ReadTargetSize(s, t, tool)) << c.log;
        EXPECT_EQ(s.m_nWidth, c.stored.cx) << c.set << c.doWidth << c.doHeight << c.doFrame;
        EXPECT_EQ(s.m_nHeight, c.stored.cy) << c.set << c.doWidth << c.doHeight << c.doFrame;
        EXPECT_EQ(t.placed, c.placed) << c.set << c.doWidth << c.doHeight << c.doFrame;
        EXPECT_EQ(tool.log, c.log);
    }
    // A check that fails stops both before the window or the dialog is touched.
    CRulerSettings s;
    s.m_bDoWidth = s.m_bDoHeight = 0;
    CFakeTarget t;
    CFakeTool tool;
    EXPECT_FALSE(ResizeTarget(s, t, tool));
    EXPECT_FALSE(ReadTargetSize(s, t, tool));
    EXPECT_EQ(t.placed, Rect{});
    EXPECT_EQ(tool.log, "F1053VF1053");  // the first refusal brought the dialog up
}

TEST(SizingOps, TheTargetIsTheFirstSizableWindowUpTheChain)
{
    // Windows 1 to 4, each the child of the next; 0 ends the chain.
    const auto parentOf = [](int w) { return w < 4 ? w + 1 : 0; };
    const auto sizableAt = [](int sizable) {
        return [sizable](int w) { return w == sizable ? kWsThickFrame : kWsBorder | kWsChild; };
    };
    EXPECT_EQ(ResolveSizingTarget(1, sizableAt(1), parentOf), 1);
    EXPECT_EQ(ResolveSizingTarget(1, sizableAt(3), parentOf), 3);
    EXPECT_EQ(ResolveSizingTarget(1, sizableAt(0), parentOf), 4);  // none: the last of the chain
}
