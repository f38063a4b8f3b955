// The Colors dialog driven through the ruler's command: the lists and what they open on, a
// stored colour that is none of theirs, OK and Cancel, the repaint after OK, and how the
// owner-drawn entries look.
#include "resource.h"
#include "ruler/view_flags.h"
#include "support/modal_script.h"
#include "support/ruler_fixture.h"
#include "tools/color_list.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kLeft = 300;
constexpr int kTop = 560;
constexpr std::int32_t kDefault = -1;
constexpr std::int32_t kYellow = 0x00FFFF;
constexpr std::int32_t kForeign = 0x030201;  // red 1, green 2, blue 3

// The dialog opens over the ruler's left end; the ruler reaches well past it.
constexpr int kRulerLength = 900;
constexpr POINT kClearOfTheDialog{850, 40};

bool MakeRuler(CRulerFixture& f, std::int32_t background, std::int32_t graduations)
{
    f.settings.m_clrBk = background;
    f.settings.m_clrFg = graduations;
    return f.Create(RS_HORZ | RS_UNIT_PX, RECT{kLeft - 200, kTop, kLeft - 200 + kRulerLength, kTop + 56});
}

// Runs the Colors dialog from the ruler's command with `act` inside it; false when it did
// not appear or did not end.
bool RunColors(CRulerFixture& f, const std::function<void(HWND)>& act, std::string* failure = nullptr)
{
    HWND dlg = nullptr;
    CModalScript script;
    script.Then([&] { return (dlg = FindThreadDialog("Colors")) != nullptr; }).Then([&] {
        act(dlg);
        return true;
    });
    const bool ok = script.Run([&] { SendMessageA(f.Hwnd(), WM_COMMAND, ID_WINDOW_COLORS, 0); });
    if (failure)
        *failure = script.Failure();
    return ok && CountThreadDialogs() == 0;
}

LRESULT Combo(HWND dlg, int id, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return SendDlgItemMessageA(dlg, id, msg, wParam, lParam);
}

// A choice as the user makes it: the list's selection changes and it tells the dialog.
void Choose(HWND dlg, int id, int index)
{
    Combo(dlg, id, CB_SETCURSEL, WPARAM(index));
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), LPARAM(GetDlgItem(dlg, id)));
}

} // namespace

TEST(WindowColors, ListsHoldDefaultAndSixteenColoursAndOpenOnTheStoredOnes)
{
    CRulerFixture f;
    ASSERT_TRUE(MakeRuler(f, kYellow, 0));
    std::vector<std::uint32_t> data[2];
    std::string defaultText[2];
    LRESULT selection[2] = {-2, -2};
    ASSERT_TRUE(RunColors(f, [&](HWND dlg) {
        const int ids[2] = {IDC_BACKGROUND_COLOR, IDC_GRADUATIONS_COLOR};
        for (int k = 0; k < 2; ++k) {
            const LRESULT n = Combo(dlg, ids[k], CB_GETCOUNT);
            for (LRESULT i = 0; i < n; ++i)
                data[k].push_back(std::uint32_t(Combo(dlg, ids[k], CB_GETITEMDATA, WPARAM(i))));
            char text[32] = "";
            Combo(dlg, ids[k], CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
            defaultText[k] = text;
            selection[k] = Combo(dlg, ids[k], CB_GETCURSEL);
        }
        Click(dlg, IDCANCEL);
    }));
    const std::vector<std::uint32_t> expected = {
        0xFFFFFFFF, 0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
        0xC0C0C0,   0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    };
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(data[k], expected);
        EXPECT_EQ(defaultText[k], "Default");
    }
    EXPECT_EQ(selection[0], 12) << "yellow background";
    EXPECT_EQ(selection[1], 1) << "black graduations";
}

TEST(WindowColors, OkStoresTheChoiceOrDefaultAndCancelNothing)
{
    const struct {
        const char* name;
        std::int32_t background, graduations;  // stored before
        int chooseBackground, chooseGraduations;  // -1: leave the list alone
        bool ok;
        LRESULT openedBackground;  // the selection the background list opened with
        std::int32_t wantBackground, wantGraduations;
    } cases[] = {
        {"Default for both", kYellow, 0, 0, 0, true, 12, kDefault, kDefault},
        {"blue and white", kYellow, 0, 13, 16, true, 12, 0xFF0000, 0xFFFFFF},
        {"Cancel after choosing", kYellow, 0, 10, 16, false, 12, kYellow, 0},
        {"a stored Default opens on Default", kDefault, kDefault, -1, -1, true, 0, kDefault, kDefault},
        // A colour none of the list's leaves the list without a selection, and OK stores Default.
        {"a foreign colour, OK", kForeign, 0, -1, -1, true, -1, kDefault, 0},
        {"a foreign colour, Cancel", kForeign, 0, -1, -1, false, -1, kForeign, 0},
        {"a foreign colour, the other list changed", kForeign, 0, -1, 9, true, -1, kDefault, 0xC0C0C0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CRulerFixture f;
        ASSERT_TRUE(MakeRuler(f, c.background, c.graduations));
        LRESULT opened = -2;
        bool invalidated = false;
        ASSERT_TRUE(RunColors(f, [&](HWND dlg) {
            opened = Combo(dlg, IDC_BACKGROUND_COLOR, CB_GETCURSEL);
            if (c.chooseBackground >= 0)
                Choose(dlg, IDC_BACKGROUND_COLOR, c.chooseBackground);
            if (c.chooseGraduations >= 0)
                Choose(dlg, IDC_GRADUATIONS_COLOR, c.chooseGraduations);
            ValidateRect(f.Hwnd(), nullptr);
            Click(dlg, c.ok ? IDOK : IDCANCEL);
        }));
        {
            // Where the dialog never was, only the ruler's own repaint invalidates.
            HRGN update = CreateRectRgn(0, 0, 0, 0);
            GetUpdateRgn(f.Hwnd(), update, FALSE);
            invalidated = PtInRegion(update, kClearOfTheDialog.x, kClearOfTheDialog.y) != FALSE;
            DeleteObject(update);
        }
        EXPECT_EQ(opened, c.openedBackground);
        EXPECT_EQ(f.settings.m_clrBk, c.wantBackground);
        EXPECT_EQ(f.settings.m_clrFg, c.wantGraduations);
        EXPECT_EQ(invalidated, c.ok) << "the ruler repaints after OK only";
    }
}

TEST(WindowColors, TheRulerPaintsWithTheChosenColours)
{
    CRulerFixture f;
    ASSERT_TRUE(MakeRuler(f, kYellow, 0));
    const struct {
        int background, graduations;
        COLORREF paper, ink;
    } cases[] = {
        {0, 0, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNTEXT)},
        {13, 16, RGB(0, 0, 255), RGB(255, 255, 255)},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(RunColors(f, [&](HWND dlg) {
            Choose(dlg, IDC_BACKGROUND_COLOR, c.background);
            Choose(dlg, IDC_GRADUATIONS_COLOR, c.graduations);
            Click(dlg, IDOK);
        }));
        PumpUntilIdle();
        f.Render();
        // Low in the scale area, between ticks: the background; the 0 tick at x = 0: the ink.
        EXPECT_EQ(f.Pixel(20, f.Height() - 14), c.paper);
        EXPECT_EQ(f.Pixel(0, f.Height() - 2), c.ink);
    }
}

TEST(WindowColors, EntriesDrawAsSwatchesOrAsTheDefaultText)
{
    CRulerFixture f;
    ASSERT_TRUE(MakeRuler(f, kYellow, 0));
    constexpr int kW = 60, kH = 16;
    const COLORREF window = GetSysColor(COLOR_WINDOW), highlight = GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF windowText = GetSysColor(COLOR_WINDOWTEXT), highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    const struct {
        const char* name;
        int item;  // -1: the field of a list without a selection
        UINT action, state;
        // At (0,0) and (1,1); at (2,2) and the opposite corner; at (3,3); in the middle.
        COLORREF corner, frame, inset, centre;  // kFill: untouched
        bool text;                              // window-text pixels in the middle band
    } cases[] = {
        {"yellow swatch", 12, ODA_DRAWENTIRE, 0, window, windowText, RGB(255, 255, 0), RGB(255, 255, 0), false},
        {"white swatch framed on the white list", 16, ODA_DRAWENTIRE, 0, window, windowText, RGB(255, 255, 255),
         RGB(255, 255, 255), false},
        {"black swatch", 1, ODA_DRAWENTIRE, 0, window, windowText, RGB(0, 0, 0), RGB(0, 0, 0), false},
        {"selected swatch keeps a highlight margin", 12, ODA_SELECT, ODS_SELECTED, highlight, highlightText,
         RGB(255, 255, 0), RGB(255, 255, 0), false},
        {"Default draws its text", 0, ODA_DRAWENTIRE, 0, window, window, window, CRulerFixture::kFill, true},
        {"focus alone draws nothing", 12, ODA_FOCUS, ODS_FOCUS, CRulerFixture::kFill, CRulerFixture::kFill,
         CRulerFixture::kFill, CRulerFixture::kFill, false},
        {"no selection draws an empty field", -1, ODA_DRAWENTIRE, 0, window, window, window, window, false},
    };
    ASSERT_TRUE(RunColors(f, [&](HWND dlg) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            f.RenderWith([&](HDC dc) {
                DRAWITEMSTRUCT item{};
                item.CtlType = ODT_COMBOBOX;
                item.CtlID = IDC_BACKGROUND_COLOR;
                item.itemID = UINT(c.item);
                item.itemAction = c.action;
                item.itemState = c.state;
                item.hwndItem = GetDlgItem(dlg, IDC_BACKGROUND_COLOR);
                item.hDC = dc;
                item.rcItem = RECT{0, 0, kW, kH};
                item.itemData = c.item >= 0 ? ULONG_PTR(Combo(dlg, IDC_BACKGROUND_COLOR, CB_GETITEMDATA, WPARAM(c.item)))
                                            : 0;
                SendMessageA(dlg, WM_DRAWITEM, IDC_BACKGROUND_COLOR, reinterpret_cast<LPARAM>(&item));
            });
            EXPECT_EQ(f.Pixel(0, 0), c.corner);
            EXPECT_EQ(f.Pixel(1, 1), c.corner);
            EXPECT_EQ(f.Pixel(2, 2), c.frame);
            EXPECT_EQ(f.Pixel(kW - 3, kH - 3), c.frame);
            EXPECT_EQ(f.Pixel(3, 3), c.inset);
            int ink = 0;
            for (int x = 0; x < kW; ++x)
                for (int y = 3; y < kH - 3; ++y)
                    ink += f.Pixel(x, y) == windowText ? 1 : 0;
            if (c.text)
                EXPECT_GT(ink, 10);
            else
                EXPECT_EQ(f.Pixel(kW / 2, kH / 2), c.centre);
        }
        Click(dlg, IDCANCEL);
    }));
}
