// The About box and Help, reached as the user reaches them: the About command and the
// system command, the texts from the version resource, the box stacking above an open
// dialog; F1, the Help commands and the dialogs' F1 opening the manual at their sections
// (the browser's start intercepted), the manual written out from the program, and the
// message when no browser starts.
#include "app/ruler_app.h"
#include "platform/help_win.h"
#include "platform/version_info_win.h"
#include "resource.h"
#include "ruler/view_flags.h"
#include "support/message_box_recorder.h"
#include "support/modal_script.h"
#include "support/ruler_fixture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr int kLeft = 300;
constexpr int kTop = 520;

// The ruler with the application object's commands behind it, as the program runs it.
class CAppRuler {
public:
    CAppRuler()
    {
        if (f.Create(RS_HORZ | RS_UNIT_PX | RS_MAGNIFIER, RECT{kLeft, kTop, kLeft + 400, kTop + 56})) {
            f.ruler->SetAppCommands(&app);
            SetMainWindow(f.ruler);
        }
    }
    ~CAppRuler() { SetMainWindow(nullptr); }
    CRulerApp app;
    CRulerFixture f;
};

std::string VersionText(const char* name)
{
    const char* text = CVersionInfo().GetString(name);
    return text ? text : "";
}

// Every launch Help asks for, answered as the test says.
struct Launches {
    struct Launch {
        HWND owner;
        std::string url, path;
    };
    std::vector<Launch> seen;
    bool answer = true;
};
Launches* g_pLaunches = nullptr;

bool RecordLaunch(HWND owner, const std::string& url, const std::string& path)
{
    g_pLaunches->seen.push_back({owner, url, path});
    return g_pLaunches->answer;
}

class CLaunchInterceptor {
public:
    CLaunchInterceptor()
    {
        g_pLaunches = &launches;
        m_previous = SetHelpLauncher(&RecordLaunch);
    }
    ~CLaunchInterceptor()
    {
        SetHelpLauncher(m_previous);
        g_pLaunches = nullptr;
    }
    Launches launches;

private:
    HelpLauncher m_previous = nullptr;
};

std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ManualResourceBytes()
{
    HRSRC info = FindResourceA(nullptr, MAKEINTRESOURCEA(IDR_MANUAL), MAKEINTRESOURCEA(23));
    HGLOBAL data = info ? LoadResource(nullptr, info) : nullptr;
    return data ? std::string(static_cast<const char*>(LockResource(data)), SizeofResource(nullptr, info))
                : std::string();
}

std::string FragmentOf(const std::string& url)
{
    const std::size_t hash = url.find('#');
    return hash == std::string::npos ? std::string() : url.substr(hash + 1);
}

HELPINFO HelpInfoFor(HWND control)
{
    HELPINFO info{};
    info.cbSize = sizeof info;
    info.iContextType = HELPINFO_WINDOW;
    info.iCtrlId = GetDlgCtrlID(control);
    info.hItemHandle = control;
    return info;
}

} // namespace

TEST(About, ShowsTheVersionResourceAndStacksAboveAnOpenDialog)
{
    CAppRuler r;
    ASSERT_TRUE(r.f.ruler);
    const struct {
        const char* name;
        UINT message;
        WPARAM wParam;
        const char* under;  // the dialog open when About is asked for (null: none)
    } cases[] = {
        {"About command", WM_COMMAND, ID_APP_ABOUT, nullptr},
        {"system command 0x10", WM_SYSCOMMAND, 0x10, nullptr},
        {"system command 0x1F", WM_SYSCOMMAND, 0x1F, nullptr},
        {"above the colours dialog", WM_COMMAND, ID_APP_ABOUT, "Colors"},
        {"above the custom scale dialog", WM_COMMAND, ID_APP_ABOUT, "Ruler Custom Scale"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string texts[4];
        HWND owner = nullptr, under = nullptr;
        bool icon = false;
        CModalScript script;
        if (c.under) {
            script.Then([&] { return (under = FindThreadDialog(c.under)) != nullptr; }).Then([&] {
                // Asked for while the dialog runs, as from the tray icon's menu.
                PostMessageA(r.f.Hwnd(), c.message, c.wParam, 0);
                return true;
            });
        }
        script
            .Then([&] {
                HWND about = FindThreadDialog("About Calyx");
                if (!about)
                    return false;
                const int ids[4] = {IDC_ABOUT_VERSION, IDC_ABOUT_LEGAL, IDC_ABOUT_DESCRIPTION, IDC_ABOUT_SETTINGS};
                for (int i = 0; i < 4; ++i)
                    texts[i] = ItemText(about, ids[i]);
                icon = SendDlgItemMessageA(about, IDC_ABOUT_ICON, STM_GETICON, 0, 0) != 0;
                owner = GetWindow(about, GW_OWNER);
                Click(about, IDOK);
                return true;
            })
            .Then([&] {
                if (under)
                    Click(under, IDCANCEL);
                return true;
            });
        const UINT opener = !c.under ? 0 : std::string(c.under) == "Colors" ? ID_WINDOW_COLORS : ID_SCALE_CUSTOM;
        ASSERT_TRUE(script.Run([&] {
            if (opener)
                SendMessageA(r.f.Hwnd(), WM_COMMAND, opener, 0);
            else
                SendMessageA(r.f.Hwnd(), c.message, c.wParam, 0);
        })) << script.Failure();
        EXPECT_EQ(texts[0], VersionText("ProductName") + " Version " + VersionText("ProductVersion"));
        EXPECT_EQ(texts[0], "Calyx Version 1.0.0");
        EXPECT_EQ(texts[1], VersionText("LegalCopyright"));
        EXPECT_EQ(texts[2], VersionText("FileDescription"));
        EXPECT_FALSE(texts[1].empty());
        EXPECT_FALSE(texts[2].empty());
        EXPECT_TRUE(icon);
        EXPECT_EQ(owner, c.under ? under : r.f.Hwnd());
        EXPECT_EQ(CountThreadDialogs(), 0);
    }
}

TEST(Help, OpensTheManualAtTheSectionOfWhereItWasAsked)
{
    CAppRuler r;
    ASSERT_TRUE(r.f.ruler);
    CLaunchInterceptor intercept;
    // The ruler's own ways: the F1 key through its accelerators, the Help commands, the
    // system command.
    const struct {
        const char* name;
        std::function<void()> ask;
    } fromRuler[] = {
        {"F1 key",
         [&] {
             MSG msg{r.f.Hwnd(), WM_KEYDOWN, VK_F1, 1, 0, {}};
             if (!r.f.ruler->PreTranslateMessage(&msg))
                 DispatchMessageA(&msg);
         }},
        {"Help command", [&] { SendMessageA(r.f.Hwnd(), WM_COMMAND, ID_HELP_FINDER, 0); }},
        {"help index", [&] { SendMessageA(r.f.Hwnd(), WM_COMMAND, ID_HELP_INDEX, 0); }},
        {"standard help", [&] { SendMessageA(r.f.Hwnd(), WM_COMMAND, ID_HELP, 0); }},
        {"system command 0x20", [&] { SendMessageA(r.f.Hwnd(), WM_SYSCOMMAND, 0x20, 0); }},
    };
    for (const auto& c : fromRuler) {
        SCOPED_TRACE(c.name);
        intercept.launches.seen.clear();
        c.ask();
        ASSERT_EQ(intercept.launches.seen.size(), 1u);
        EXPECT_EQ(FragmentOf(intercept.launches.seen[0].url), "");
    }
    // F1 in a dialog: the system sends the dialog WM_HELP.
    const struct {
        UINT command;
        const char* caption;
        int control;
        const char* section;
    } fromDialogs[] = {
        {ID_SCALE_CUSTOM, "Ruler Custom Scale", IDC_SCALE_VALUE, "custom-scale"},
        {ID_ZOOM_CUSTOM, "Magnifier Custom Scale", IDC_AUTO_PREVIEW, "custom-scale"},
        {ID_WINDOW_COLORS, "Colors", IDC_GRADUATIONS_COLOR, "window-colors"},
        {ID_APP_ABOUT, "About Calyx", IDOK, "settings"},
        {ID_CALIBRATE, "Calibrate Units", IDC_CAL_WIDTH, "calibration"},
    };
    for (const auto& c : fromDialogs) {
        SCOPED_TRACE(c.caption);
        intercept.launches.seen.clear();
        HWND dlg = nullptr;
        CModalScript script;
        script.Then([&] { return (dlg = FindThreadDialog(c.caption)) != nullptr; }).Then([&] {
            HELPINFO info = HelpInfoFor(GetDlgItem(dlg, c.control));
            SendMessageA(dlg, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
            SendMessageA(dlg, WM_COMMAND, IDCANCEL, 0);  // Escape
            return true;
        });
        ASSERT_TRUE(script.Run([&] { SendMessageA(r.f.Hwnd(), WM_COMMAND, c.command, 0); })) << script.Failure();
        ASSERT_EQ(intercept.launches.seen.size(), 1u);
        EXPECT_EQ(FragmentOf(intercept.launches.seen[0].url), c.section);
        EXPECT_EQ(intercept.launches.seen[0].owner, dlg);
    }
}

TEST(Help, WritesTheManualFromTheProgramAndNamesItWhenNoBrowserStarts)
{
    CLaunchInterceptor intercept;
    const std::string manual = ManualResourceBytes();
    ASSERT_GT(manual.size(), 1000u);
    ASSERT_TRUE(ShowHelpTopic(nullptr, "hot-keys"));
    ASSERT_EQ(intercept.launches.seen.size(), 1u);
    const std::string path = intercept.launches.seen[0].path;
    const std::string url = intercept.launches.seen[0].url;
    EXPECT_EQ(FileBytes(path), manual);
    // Under the user's local application data, with the names of the settings key.
    EXPECT_NE(path.find("\\Orrin\\Calyx\\Calyx.html"), std::string::npos) << path;
    EXPECT_EQ(url.rfind("file:///", 0), 0u) << url;
    EXPECT_NE(url.find("/Orrin/Calyx/Calyx.html#hot-keys"), std::string::npos) << url;
    EXPECT_EQ(url.find(' '), std::string::npos) << url;

    // A file left from another version (or changed by hand) is written anew.
    {
        std::ofstream stale(path, std::ios::binary | std::ios::trunc);
        stale << "<html>an older manual</html>";
    }
    intercept.launches.seen.clear();
    ASSERT_TRUE(ShowHelpTopic(nullptr, "sizing-tool"));
    EXPECT_EQ(FileBytes(path), manual);

    // No browser: the message says where the file is.
    CMessageBoxRecorder boxes;
    intercept.launches.answer = false;
    EXPECT_FALSE(ShowHelpTopic(nullptr, nullptr));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_NE(boxes.boxes[0].text.find(path), std::string::npos) << boxes.boxes[0].text;
    EXPECT_NE(boxes.boxes[0].text.find("could not start a web browser"), std::string::npos);
    EXPECT_EQ(boxes.boxes[0].flags, UINT(MB_ICONEXCLAMATION | MB_OK));
}
