// Every dialog of the program laid out at the system scale this process runs at (the suite
// runs this program at 100 % and again at 150 %): each text fits its control with the
// dialog's own font, no control leaves the dialog or overlaps another, the caption fits its
// title bar, and no mnemonic letter is used twice in one dialog. (scripts/screenshots takes
// pictures of the dialogs at both scales to look at.)
#include "resource.h"
#include "settings/registry_backend_win.h"
#include "settings/ruler_settings.h"
#include "support/ruler_fixture.h"
#include "tools/about_dlg_win.h"
#include "tools/custom_scale_dlg_win.h"
#include "tools/window_colors_dlg_win.h"
#include "win/common_controls.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

class CNoTarget : public ICustomScaleTarget {
public:
    void ApplyRulerScale(int) override {}
    void ApplyMagnifierZoom(int) override {}
};

int Dpi()
{
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(nullptr, dc);
    return dpi;
}

int Scaled(int px)
{
    return MulDiv(px, Dpi(), 96);
}

std::string ClassOf(HWND h)
{
    char cls[64] = "";
    GetClassNameA(h, cls, int(sizeof cls));
    return cls;
}

std::string TextOf(HWND h)
{
    char text[512] = "";
    GetWindowTextA(h, text, int(sizeof text));
    return text;
}

RECT RectInDialog(HWND dlg, HWND control)
{
    RECT rc{};
    GetWindowRect(control, &rc);
    MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

// How far the ink of `text` reaches when drawn as the control draws it (in its font, wrapped
// at `width` when `format` has DT_WORDBREAK): the right and bottom of the drawn pixels. The
// glyphs' advances are not what counts: Wine's fonts carry wide trailing advances that are
// never drawn.
SIZE InkExtent(HWND control, const std::string& text, UINT format, int width)
{
    constexpr int kW = 1200, kH = 400;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi = TopDownDibInfo(kW, kH);
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ oldBitmap = SelectObject(mem, dib);
    HGDIOBJ oldFont = SelectObject(mem, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    RECT all{0, 0, kW, kH};
    SetBkColor(mem, RGB(255, 255, 255));
    ExtTextOutA(mem, 0, 0, ETO_OPAQUE, &all, "", 0, nullptr);
    SetTextColor(mem, RGB(0, 0, 0));
    SetBkMode(mem, TRANSPARENT);
    RECT rc{0, 0, (format & DT_WORDBREAK) ? width : kW, kH};
    // Unclipped, so that what the control would cut off shows beyond its size.
    DrawTextA(mem, text.c_str(), -1, &rc, format | DT_NOCLIP);
    GdiFlush();
    SIZE ink{0, 0};
    const auto* px = static_cast<const std::uint32_t*>(bits);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            if ((px[std::size_t(y) * kW + std::size_t(x)] & 0xFFFFFF) != 0xFFFFFF) {
                ink.cx = x + 1 > ink.cx ? x + 1 : ink.cx;
                ink.cy = y + 1;
            }
    SelectObject(mem, oldFont);
    SelectObject(mem, oldBitmap);
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return ink;
}

char MnemonicOf(const std::string& text)
{
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&')
            continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return char(std::toupper(static_cast<unsigned char>(text[i + 1])));
    }
    return 0;
}

// What is wrong with the layout of dialog `dlg`, one line per fault.
std::vector<std::string> LayoutFaults(HWND dlg)
{
    std::vector<std::string> faults;
    RECT client{};
    GetClientRect(dlg, &client);
    struct Control {
        HWND h;
        std::string cls, text;
        DWORD style;
        RECT rc;
    };
    std::vector<Control> controls;
    for (HWND h = GetWindow(dlg, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        if (!IsWindowVisible(h))
            continue;
        controls.push_back({h, ClassOf(h), TextOf(h), DWORD(GetWindowLongPtrA(h, GWL_STYLE)), RectInDialog(dlg, h)});
    }
    std::map<char, std::string> mnemonics;
    for (const Control& c : controls) {
        const std::string name = c.cls + " \"" + c.text + "\"";
        RECT inside{};
        if (!IntersectRect(&inside, &c.rc, &client) || !EqualRect(&inside, &c.rc))
            faults.push_back(name + " reaches outside the dialog");
        RECT area{};
        GetClientRect(c.h, &area);
        const int w = area.right, h = area.bottom;
        bool prefix = true;
        if (lstrcmpiA(c.cls.c_str(), "Button") == 0 && !c.text.empty()) {
            const DWORD type = c.style & BS_TYPEMASK;
            const SIZE t = InkExtent(c.h, c.text, DT_SINGLELINE, 0);
            int room = w - Scaled(6);
            if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON ||
                type == BS_3STATE || type == BS_AUTO3STATE)
                room = w - Scaled(13 + 5);
            else if (type == BS_GROUPBOX)
                room = w - Scaled(16);
            if (t.cx > room || (type != BS_GROUPBOX && t.cy > h))
                faults.push_back(name + " is clipped: the text needs " + std::to_string(t.cx) + " x " +
                                 std::to_string(t.cy) + " px, the control has " + std::to_string(room) + " x " +
                                 std::to_string(h));
        } else if (lstrcmpiA(c.cls.c_str(), "Static") == 0 && !c.text.empty()) {
            const DWORD type = c.style & SS_TYPEMASK;
            prefix = !(c.style & SS_NOPREFIX);
            if (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_LEFTNOWORDWRAP ||
                type == SS_SIMPLE) {
                const bool wraps = type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT;
                const UINT format = (wraps ? DT_WORDBREAK : DT_SINGLELINE) | (prefix ? 0 : DT_NOPREFIX);
                const SIZE t = InkExtent(c.h, c.text, format, w);
                if (t.cx > w || t.cy > h)
                    faults.push_back(name + " is clipped: the text needs " + std::to_string(t.cx) + " x " +
                                     std::to_string(t.cy) + " px, the control has " + std::to_string(w) + " x " +
                                     std::to_string(h));
            }
        } else {
            prefix = false;
        }
        if (prefix) {
            const char m = MnemonicOf(c.text);
            if (m && mnemonics.count(m))
                faults.push_back("the mnemonic " + std::string(1, m) + " of " + name + " is also that of " +
                                 mnemonics[m]);
            else if (m)
                mnemonics[m] = name;
        }
    }
    // No two controls share pixels, except a group box and what it holds and an up-down
    // control and its buddy.
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            const Control& a = controls[i];
            const Control& b = controls[j];
            const auto isGroup = [](const Control& c) {
                return lstrcmpiA(c.cls.c_str(), "Button") == 0 && (c.style & BS_TYPEMASK) == BS_GROUPBOX;
            };
            const auto buddies = [](const Control& x, const Control& y) {
                return lstrcmpiA(ClassOf(x.h).c_str(), UPDOWN_CLASSA) == 0 &&
                       reinterpret_cast<HWND>(SendMessageA(x.h, UDM_GETBUDDY, 0, 0)) == y.h;
            };
            RECT both{};
            if (isGroup(a) || isGroup(b) || buddies(a, b) || buddies(b, a) || !IntersectRect(&both, &a.rc, &b.rc))
                continue;
            faults.push_back(a.cls + " \"" + a.text + "\" overlaps " + b.cls + " \"" + b.text + "\"");
        }
    }
    // The caption with the icon and the close button in the title bar.
    NONCLIENTMETRICSA ncm{};
    ncm.cbSize = sizeof ncm;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
    HFONT captionFont = CreateFontIndirectA(&ncm.lfCaptionFont);
    HDC dc = GetDC(dlg);
    HGDIOBJ old = SelectObject(dc, captionFont);
    const std::string caption = TextOf(dlg);
    SIZE t{};
    GetTextExtentPoint32A(dc, caption.c_str(), int(caption.size()), &t);
    SelectObject(dc, old);
    ReleaseDC(dlg, dc);
    DeleteObject(captionFont);
    RECT window{};
    GetWindowRect(dlg, &window);
    const int room = (window.right - window.left) - 2 * GetSystemMetrics(SM_CXSIZE) - Scaled(12);
    if (t.cx > room)
        faults.push_back("the caption \"" + caption + "\" needs " + std::to_string(t.cx) + " px of " +
                         std::to_string(room));
    return faults;
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT msg, WPARAM, LPARAM)
{
    return msg == WM_INITDIALOG ? TRUE : FALSE;
}

bool HasTemplate(UINT id)
{
    return FindResourceA(nullptr, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5)) != nullptr;  // RT_DIALOG
}

} // namespace

TEST(DialogLayout, TextsFitAndMnemonicsAreUniqueInEveryDialog)
{
    InitCommonControlsOnce();
    if (const char* expect = std::getenv("CALYX_EXPECT_DPI")) {
        ASSERT_EQ(Dpi(), std::atoi(expect)) << "the system scale this run was started for";
    }
    CRulerSettings settings;
    // The longest settings location the About box can show.
    settings.SetKeyPath("Software\\Orrin\\Calyx\\");
    settings.SetBackend(MakeRegistryBackend(HKEY_LOCAL_MACHINE));
    CNoTarget target;

    struct Case {
        std::string name;
        std::function<std::unique_ptr<CDialogBase>()> make;  // null: the template with a plain procedure
        UINT templateId;
    };
    const std::vector<Case> cases = {
        {"custom-scale-ruler",
         [&] { return std::make_unique<CCustomScaleDlg>(nullptr, target, settings, true, 1000, 50, 1000); }, 0},
        {"custom-scale-magnifier",
         [&] { return std::make_unique<CCustomScaleDlg>(nullptr, target, settings, false, 400, 50, 1000); }, 0},
        {"window-colors", [&] { return std::make_unique<CWindowColorsDlg>(nullptr, settings); }, 0},
        {"about",
         [&] {
             auto about = std::make_unique<CAboutDlg>(nullptr, settings);
             about->LoadVersionTexts();
             return std::unique_ptr<CDialogBase>(std::move(about));
         },
         0},
        // The sizing tool's dialogs, when this build has them.
        {"sizing-tool", nullptr, IDD_SIZING_TOOL},
        {"hot-keys", nullptr, IDD_HOT_KEYS},
    };
    int checked = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name + " at " + std::to_string(Dpi()) + " dpi");
        std::unique_ptr<CDialogBase> dialog;
        HWND dlg = nullptr;
        if (c.make) {
            dialog = c.make();
            ASSERT_TRUE(dialog->CreateModeless());
            dlg = dialog->m_hWnd;
        } else {
            if (!HasTemplate(c.templateId))
                continue;
            dlg = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(c.templateId), nullptr,
                                     &PlainDialogProc, 0);
            ASSERT_NE(dlg, nullptr);
        }
        ShowWindow(dlg, SW_SHOWNOACTIVATE);
        PumpUntilIdle();
        for (const std::string& fault : LayoutFaults(dlg))
            ADD_FAILURE() << fault;
        ++checked;
        if (!c.make)
            DestroyWindow(dlg);
        dialog.reset();
        PumpUntilIdle(10, 300);
    }
    EXPECT_GE(checked, 4);
}
