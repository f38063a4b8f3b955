// The Custom Scale dialog driven as a user would, through the ruler's own commands: typing
// with and without Auto-Preview, the check box, OK at and past the limits, Cancel and what it
// takes back, for the ruler's scale and the magnifier's zoom alike; the titles and starting
// values, the remembered Auto-Preview states, one dialog at a time, and the arrows at 1000.
#include "resource.h"
#include "ruler/view_flags.h"
#include "settings/memory_backend.h"
#include "support/message_box_recorder.h"
#include "support/modal_script.h"
#include "support/ruler_fixture.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kLeft = 300;
constexpr int kTop = 600;
const char kRangeMessage[] = "Please enter an integer between 50 and 1000.";
const char kIntegerMessage[] = "Please enter an integer.";

struct Variant {
    const char* name;
    bool ruler;
    UINT command;
    const char* caption;
    int initial;
};
const Variant kVariants[] = {
    {"ruler", true, ID_SCALE_CUSTOM, "Ruler Custom Scale", 100},
    {"magnifier", false, ID_ZOOM_CUSTOM, "Magnifier Custom Scale", 400},
};

// A ruler with its magnifier, at scale `scale` and zoom `zoom`, with the Auto-Preview states.
bool MakeRuler(CRulerFixture& f, int scale, int zoom, int scalePreview, int zoomPreview)
{
    f.settings.m_nScale = scale;
    f.settings.m_nZoomFactor = zoom;
    f.settings.m_bScalePreview = scalePreview;
    f.settings.m_bZoomPreview = zoomPreview;
    return f.Create(RS_HORZ | RS_UNIT_PX | RS_MAGNIFIER, RECT{kLeft, kTop, kLeft + 400, kTop + 56});
}

// The value in effect: the ruler's scale (its record agreeing), or the magnifier's zoom.
int InEffect(const CRulerFixture& f, bool ruler)
{
    if (!ruler)
        return f.settings.m_nZoomFactor;
    return f.ruler->m_nScale == f.settings.m_nScale ? f.ruler->m_nScale : -1;
}

// Ok ends the dialog; Refused is an OK that a message refuses, which leaves it open.
// Paste puts the whole text in at once (typing 1001 passes through 100, which is in range).
enum class Do { Type, TypeMore, Paste, ClickAutoPreview, Ok, Refused, Cancel };

struct Act {
    Do what;
    const char* text;
    int expect;  // the value in effect afterwards; 0 stands for the starting value
};

struct Sequence {
    const char* name;
    int autoPreview;
    std::vector<Act> acts;  // the last one ends the dialog (Ok or Cancel)
    int final;              // in effect after the dialog; 0: the starting value
    int storedPreview;      // the remembered Auto-Preview state afterwards
    std::vector<std::string> messages;
};

const Sequence kSequences[] = {
    {"typing 1, 12, 125 previews only 125; Cancel restores",
     1,
     {{Do::Type, "1", 0}, {Do::TypeMore, "2", 0}, {Do::TypeMore, "5", 125}, {Do::Cancel, "", 0}},
     0,
     1,
     {}},
    {"values out of range or no integer keep the last preview",
     1,
     {{Do::Type, "300", 300}, {Do::Paste, "1001", 300}, {Do::Paste, "49", 300}, {Do::Paste, "abc", 300},
      {Do::Type, "1001", 100}, {Do::Paste, "", 100},
      {Do::Cancel, "", 0}},
     0,
     1,
     {}},
    // Cancel takes back what the preview put into effect even after Auto-Preview was
    // switched off again.
    {"a preview switched off is still taken back by Cancel",
     1,
     {{Do::Type, "250", 250}, {Do::ClickAutoPreview, "", 250}, {Do::Cancel, "", 0}},
     0,
     0,
     {}},
    {"without Auto-Preview typing and Cancel change nothing",
     0,
     {{Do::Type, "250", 0}, {Do::Cancel, "", 0}},
     0,
     0,
     {}},
    {"checking Auto-Preview puts the typed value into effect at once",
     0,
     {{Do::Type, "250", 0}, {Do::ClickAutoPreview, "", 250}, {Do::Ok, "", 250}},
     250,
     1,
     {}},
    {"Cancel after checking Auto-Preview restores",
     0,
     {{Do::Type, "250", 0}, {Do::ClickAutoPreview, "", 250}, {Do::Cancel, "", 0}},
     0,
     1,
     {}},
    {"OK with 1000 is accepted", 0, {{Do::Type, "1000", 0}, {Do::Ok, "", 0}}, 1000, 0, {}},
    {"OK with 50 is accepted", 1, {{Do::Type, "50", 50}, {Do::Ok, "", 50}}, 50, 1, {}},
    {"OK with 1001 is refused",
     0,
     {{Do::Type, "1001", 0}, {Do::Refused, "", 0}, {Do::Cancel, "", 0}},
     0,
     0,
     {kRangeMessage}},
    {"OK with 49 is refused", 0, {{Do::Type, "49", 0}, {Do::Refused, "", 0}, {Do::Cancel, "", 0}}, 0, 0, {kRangeMessage}},
    {"OK with a text that is no integer is refused",
     0,
     {{Do::Type, "12a", 0}, {Do::Refused, "", 0}, {Do::Type, "640", 0}, {Do::Ok, "", 0}},
     640,
     0,
     {kIntegerMessage}},
    {"a refused check box click leaves the box as it was",
     0,
     {{Do::Type, "2000", 0}, {Do::ClickAutoPreview, "", 0}, {Do::Cancel, "", 0}},
     0,
     0,
     {kRangeMessage}},
};

bool Ends(const Act& act)
{
    return act.what == Do::Cancel || act.what == Do::Ok;
}

} // namespace

TEST(CustomScale, PreviewOkAndCancelSequences)
{
    for (const Variant& v : kVariants) {
        for (const Sequence& seq : kSequences) {
            SCOPED_TRACE(std::string(v.name) + ": " + seq.name);
            CRulerFixture f;
            ASSERT_TRUE(MakeRuler(f, 100, 400, v.ruler ? seq.autoPreview : 0, v.ruler ? 0 : seq.autoPreview));
            CMessageBoxRecorder boxes;
            std::vector<int> seen;
            std::vector<bool> clicksRight;
            HWND dlg = nullptr;
            CModalScript script;
            script.Then([&] { return (dlg = FindThreadDialog(v.caption)) != nullptr; });
            for (const Act& act : seq.acts) {
                script.Then([&, act] {
                    HWND edit = GetDlgItem(dlg, IDC_SCALE_VALUE);
                    switch (act.what) {
                    case Do::Type:
                        TypeInto(edit, act.text);
                        break;
                    case Do::TypeMore:
                        TypeInto(edit, act.text, false);
                        break;
                    case Do::Paste:
                        SetWindowTextA(edit, act.text);
                        break;
                    case Do::ClickAutoPreview: {
                        const UINT before = IsDlgButtonChecked(dlg, IDC_AUTO_PREVIEW);
                        const std::size_t shown = boxes.boxes.size();
                        Click(dlg, IDC_AUTO_PREVIEW);
                        const UINT after = IsDlgButtonChecked(dlg, IDC_AUTO_PREVIEW);
                        // A click that a message refuses is undone: the box shows its old state.
                        const bool refused = boxes.boxes.size() > shown;
                        clicksRight.push_back(refused ? after == before : after != before);
                        break;
                    }
                    case Do::Ok:
                    case Do::Refused:
                        Click(dlg, IDOK);
                        break;
                    case Do::Cancel:
                        Click(dlg, IDCANCEL);
                        break;
                    }
                    if (!Ends(act))
                        seen.push_back(InEffect(f, v.ruler));
                    return true;
                });
            }
            ASSERT_TRUE(script.Run([&] { SendMessageA(f.Hwnd(), WM_COMMAND, v.command, 0); })) << script.Failure();
            EXPECT_EQ(CountThreadDialogs(), 0);

            std::vector<int> expected;
            for (const Act& act : seq.acts)
                if (!Ends(act))
                    expected.push_back(act.expect ? act.expect : v.initial);
            EXPECT_EQ(seen, expected);
            EXPECT_EQ(InEffect(f, v.ruler), seq.final ? seq.final : v.initial);
            EXPECT_EQ(v.ruler ? f.settings.m_bScalePreview : f.settings.m_bZoomPreview, seq.storedPreview);
            EXPECT_EQ(v.ruler ? f.settings.m_bZoomPreview : f.settings.m_bScalePreview, 0) << "the other variant's state";
            EXPECT_EQ(boxes.Texts(), seq.messages);
            for (const bool right : clicksRight)
                EXPECT_TRUE(right);
            for (const auto& box : boxes.boxes)
                EXPECT_EQ(box.flags, UINT(MB_ICONEXCLAMATION | MB_OK));
        }
    }
}

TEST(CustomScale, APreviewIsTakenBackWhenTheProgramEndsUnderTheDialog)
{
    for (const bool sessionEnds : {false, true}) {
        CRulerFixture f;
        auto backend = std::make_shared<CMemoryBackend>();
        f.settings.SetBackend(backend);
        f.settings.SetKeyPath("Calyx\\");
        ASSERT_TRUE(MakeRuler(f, 100, 400, 1, 0));
        HWND ruler = f.Hwnd();
        int previewed = 0;
        CModalScript script;
        script.Then([&] {
            HWND dlg = FindThreadDialog("Ruler Custom Scale");
            if (dlg) {
                TypeInto(GetDlgItem(dlg, IDC_SCALE_VALUE), "250");
                previewed = f.settings.m_nScale;
                // The session ends (the settings are saved then), or the ruler goes and its
                // dialog with it.
                if (!sessionEnds)
                    DestroyWindow(ruler);
                SendMessageA(ruler, WM_ENDSESSION, TRUE, 0);
                Click(dlg, IDCANCEL);
            }
            return dlg != nullptr;
        });
        ASSERT_TRUE(script.Run([&] { SendMessageA(ruler, WM_COMMAND, ID_SCALE_CUSTOM, 0); })) << script.Failure();
        if (!sessionEnds)
            f.ruler = nullptr;  // deleted with its window
        EXPECT_EQ(previewed, 250);
        EXPECT_EQ(f.settings.m_nScale, 100) << sessionEnds;
        const SettingsValue* saved = backend->Find("Calyx\\View", "Scale");
        EXPECT_EQ(sessionEnds ? saved && saved->data[0] == 100 : !saved, true) << "what was saved";
    }
}

TEST(CustomScale, TitlesStartingValuesAndFocusAfterARefusal)
{
    CRulerFixture f;
    ASSERT_TRUE(MakeRuler(f, 150, 700, 0, 1));
    const struct {
        UINT command;
        const char* caption;
        const char* text;
        UINT checked;
    } cases[] = {
        {ID_SCALE_CUSTOM, "Ruler Custom Scale", "150", BST_UNCHECKED},
        {ID_ZOOM_CUSTOM, "Magnifier Custom Scale", "700", BST_CHECKED},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        CMessageBoxRecorder boxes;
        HWND dlg = nullptr;
        std::string text;
        UINT checked = 99;
        bool focusOnEdit = false;
        LRESULT range = 0;
        CModalScript script;
        script.Then([&] { return (dlg = FindThreadDialog(c.caption)) != nullptr; })
            .Then([&] {
                text = ItemText(dlg, IDC_SCALE_VALUE);
                checked = IsDlgButtonChecked(dlg, IDC_AUTO_PREVIEW);
                range = SendDlgItemMessageA(dlg, IDC_SCALE_SPIN, UDM_GETRANGE, 0, 0);
                SetFocus(GetDlgItem(dlg, IDOK));
                SetDlgItemTextA(dlg, IDC_SCALE_VALUE, "5000");
                Click(dlg, IDOK);
                focusOnEdit = GetFocus() == GetDlgItem(dlg, IDC_SCALE_VALUE);
                Click(dlg, IDCANCEL);
                return true;
            });
        ASSERT_TRUE(script.Run([&] { SendMessageA(f.Hwnd(), WM_COMMAND, c.command, 0); })) << script.Failure();
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(checked, c.checked);
        EXPECT_EQ(LOWORD(range), 1000) << "upper limit";
        EXPECT_EQ(HIWORD(range), 50) << "lower limit";
        EXPECT_TRUE(focusOnEdit);
        EXPECT_EQ(boxes.Texts(), std::vector<std::string>{kRangeMessage});
    }
    EXPECT_EQ(f.ruler->m_nScale, 150);
    EXPECT_EQ(f.settings.m_nZoomFactor, 700);
}

TEST(CustomScale, OneDialogAtATime)
{
    CRulerFixture f;
    ASSERT_TRUE(MakeRuler(f, 100, 400, 0, 0));
    HWND dlg = nullptr;
    int dialogs = 0;
    bool first = false;
    CModalScript script;
    script.Then([&] { return (dlg = FindThreadDialog("Ruler Custom Scale")) != nullptr; })
        .Then([&] {
            // Both requests reach the ruler while the first dialog runs (as from the tray
            // icon's menu): neither shows a second dialog.
            SendMessageA(f.Hwnd(), WM_COMMAND, ID_SCALE_CUSTOM, 0);
            SendMessageA(f.Hwnd(), WM_COMMAND, ID_ZOOM_CUSTOM, 0);
            dialogs = CountThreadDialogs();
            first = IsWindow(dlg) && IsWindowVisible(dlg);
            Click(dlg, IDCANCEL);
            return true;
        });
    ASSERT_TRUE(script.Run([&] { SendMessageA(f.Hwnd(), WM_COMMAND, ID_SCALE_CUSTOM, 0); })) << script.Failure();
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(first);
    // Once it has ended, the next request opens a dialog again.
    bool opened = false;
    CModalScript again;
    again.Then([&] {
        HWND d = FindThreadDialog("Magnifier Custom Scale");
        if (!d)
            return false;
        opened = true;
        Click(d, IDCANCEL);
        return true;
    });
    ASSERT_TRUE(again.Run([&] { SendMessageA(f.Hwnd(), WM_COMMAND, ID_ZOOM_CUSTOM, 0); })) << again.Failure();
    EXPECT_TRUE(opened);
}

TEST(CustomScale, AutoPreviewStatesAreRememberedApartEvenWhenCancelled)
{
    CRulerFixture f;
    ASSERT_TRUE(MakeRuler(f, 100, 400, 0, 0));
    const auto toggleAndCancel = [&](UINT command, const char* caption, UINT& seenChecked) {
        CModalScript script;
        HWND dlg = nullptr;
        script.Then([&] { return (dlg = FindThreadDialog(caption)) != nullptr; }).Then([&] {
            seenChecked = IsDlgButtonChecked(dlg, IDC_AUTO_PREVIEW);
            Click(dlg, IDC_AUTO_PREVIEW);
            Click(dlg, IDCANCEL);
            return true;
        });
        return script.Run([&] { SendMessageA(f.Hwnd(), WM_COMMAND, command, 0); });
    };
    UINT seen = 99;
    ASSERT_TRUE(toggleAndCancel(ID_SCALE_CUSTOM, "Ruler Custom Scale", seen));
    EXPECT_EQ(seen, UINT(BST_UNCHECKED));
    EXPECT_EQ(f.settings.m_bScalePreview, 1);
    EXPECT_EQ(f.settings.m_bZoomPreview, 0);
    ASSERT_TRUE(toggleAndCancel(ID_ZOOM_CUSTOM, "Magnifier Custom Scale", seen));
    EXPECT_EQ(seen, UINT(BST_UNCHECKED)) << "the magnifier's box has a state of its own";
    ASSERT_TRUE(toggleAndCancel(ID_SCALE_CUSTOM, "Ruler Custom Scale", seen));
    EXPECT_EQ(seen, UINT(BST_CHECKED));
    EXPECT_EQ(f.settings.m_bScalePreview, 0);
    EXPECT_EQ(f.settings.m_bZoomPreview, 1);
}

TEST(CustomScale, ArrowsStepToTheLimitsWithoutAThousandsSeparator)
{
    CRulerFixture f;
    ASSERT_TRUE(MakeRuler(f, 999, 400, 1, 0));
    HWND dlg = nullptr;
    std::vector<std::string> texts;
    std::vector<int> scales;
    CModalScript script;
    script.Then([&] { return (dlg = FindThreadDialog("Ruler Custom Scale")) != nullptr; }).Then([&] {
        HWND edit = GetDlgItem(dlg, IDC_SCALE_VALUE);
        SetFocus(edit);
        for (int i = 0; i < 2; ++i) {
            // The up-down control steps its buddy on the arrow keys (the second press stays
            // at the upper limit).
            SendMessageA(edit, WM_KEYDOWN, VK_UP, 1);
            SendMessageA(edit, WM_KEYUP, VK_UP, 1);
            texts.push_back(ItemText(dlg, IDC_SCALE_VALUE));
            scales.push_back(f.ruler->m_nScale);
        }
        Click(dlg, IDOK);
        return true;
    });
    ASSERT_TRUE(script.Run([&] { SendMessageA(f.Hwnd(), WM_COMMAND, ID_SCALE_CUSTOM, 0); })) << script.Failure();
    EXPECT_EQ(texts, (std::vector<std::string>{"1000", "1000"}));
    EXPECT_EQ(scales, (std::vector<int>{1000, 1000}));
    EXPECT_EQ(f.ruler->m_nScale, 1000);
    EXPECT_EQ(f.settings.m_nScale, 1000);
}
