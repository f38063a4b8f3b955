// Version resource, system error messages, icons, clipboard, screen areas and menu updates.
#include "platform/clipboard_win.h"
#include "platform/icon_cache_win.h"
#include "platform/menu_states_win.h"
#include "platform/screen_win.h"
#include "platform/system_errors_win.h"
#include "platform/version_info_win.h"
#include "resource.h"
#include "win/cmd_ui.h"
#include "win/exceptions.h"
#include "win/handles.h"
#include "win/message_box.h"
#include "win/system_error.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
struct Box {
    std::string text;
    UINT flags;
};
std::vector<Box> g_boxes;
int RecordBox(HWND, const char* text, const char*, UINT flags)
{
    g_boxes.push_back(Box{text, flags});
    return IDOK;
}

std::string ClipboardText()
{
    CClipboardOpen clipboard;
    if (!clipboard.IsOpen())
        return "(not open)";
    HANDLE data = GetClipboardData(CF_TEXT);
    const char* text = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    std::string s = text ? text : "(none)";
    if (text)
        GlobalUnlock(data);
    return s;
}

// A thread that keeps the clipboard open until stopped, as a busy program would.
class HolderThread {
public:
    bool Start()
    {
        m_opened = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        m_release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        m_thread = CreateThread(nullptr, 0, &Run, this, 0, nullptr);
        return m_thread && WaitForSingleObject(m_opened, 5000) == WAIT_OBJECT_0 && m_bOpen;
    }
    void Stop()
    {
        SetEvent(m_release);
        WaitForSingleObject(m_thread, 5000);
        CloseHandle(m_thread);
        CloseHandle(m_opened);
        CloseHandle(m_release);
    }

private:
    static DWORD WINAPI Run(void* p)
    {
        auto* self = static_cast<HolderThread*>(p);
        HWND owner = CreateWindowExA(0, "STATIC", "holder", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        {
            CClipboardOpen clipboard(owner);
            self->m_bOpen = clipboard.IsOpen();
            SetEvent(self->m_opened);
            WaitForSingleObject(self->m_release, 5000);
        }
        DestroyWindow(owner);
        return 0;
    }
    HANDLE m_opened = nullptr, m_release = nullptr, m_thread = nullptr;
    bool m_bOpen = false;
};
} // namespace

TEST(VersionInfo, ReadsThisProgramsResource)
{
    CVersionInfo info;
    ASSERT_NE(info.GetString("CompanyName"), nullptr);
    EXPECT_STREQ(info.GetString("CompanyName"), "Orrin Computing");
    EXPECT_STREQ(info.GetString("ProductName"), "Calyx");
    EXPECT_EQ(info.GetString("NoSuchString"), nullptr);
    EXPECT_EQ(info.GetString(std::string(300, 'x').c_str()), nullptr);
    EXPECT_EQ(info.GetCompanyWord(), "Orrin");
    EXPECT_EQ(info.GetProductVersionMS(), 0x00010000u);
    EXPECT_EQ(info.GetTrayTip(), "Orrin Computing Calyx - Graphics and layout design assistant");
}

TEST(VersionInfo, FileWithoutVersionRaisesAFileException)
{
    char dir[MAX_PATH], file[MAX_PATH];
    ASSERT_TRUE(GetTempPathA(MAX_PATH, dir));
    ASSERT_TRUE(GetTempFileNameA(dir, "cal", 0, file)); // an empty file
    for (const char* path : {static_cast<const char*>(file), "C:\\no\\such\\file.exe"}) {
        try {
            CVersionInfo info(path);
            ADD_FAILURE() << path;
        } catch (const CFileException& e) {
            EXPECT_EQ(e.m_strPath, path);
            EXPECT_FALSE(e.GetErrorMessage().empty());
        }
    }
    DeleteFileA(file);
}

TEST(SystemError, MessageTextAndIcon)
{
    const MessageBoxHook old = SetMessageBoxHook(&RecordBox);
    g_boxes.clear();
    std::string accessDenied;
    ASSERT_GT(GetSystemErrorText(nullptr, 5, accessDenied), 0);

    ShowSystemError(0);
    EXPECT_TRUE(g_boxes.empty());
    ShowSystemError(5);
    ShowSystemError(0xE0001234); // no system text; shown unsigned
    SetMessageBoxHook(old);

    ASSERT_EQ(g_boxes.size(), 2u);
    EXPECT_EQ(g_boxes[0].text, "Error #5: " + accessDenied);
    EXPECT_EQ(g_boxes[0].flags, UINT(MB_ICONEXCLAMATION));
    EXPECT_EQ(accessDenied.find('\n'), std::string::npos);
    EXPECT_EQ(g_boxes[1].text, "Error #3758101044: ");
}

TEST(Clipboard, TextAndHandles)
{
    struct { const char* text; int length; const char* want; } cases[] = {
        {"Caption line 12 px", -1, "Caption line 12 px"},
        {"", -1, ""},
        {"abcdef", 3, "abc"}, // cut text is terminated, not run on
    };
    for (auto& c : cases) {
        ASSERT_TRUE(CopyTextToClipboard(c.text, c.length)) << c.text;
        EXPECT_EQ(ClipboardText(), c.want);
    }
    EXPECT_FALSE(CopyTextToClipboard(nullptr));
    EXPECT_FALSE(SetClipboardHandle(nullptr, CF_TEXT));

    // While another thread holds the clipboard open, both fail and nothing changes.
    HolderThread holder;
    ASSERT_TRUE(holder.Start());
    EXPECT_FALSE(CopyTextToClipboard("other"));
    EXPECT_FALSE(SetClipboardHandle(GetStockObject(BLACK_BRUSH), CF_BITMAP));
    holder.Stop();
    EXPECT_EQ(ClipboardText(), "abc");

    CGlobalHandle memory(GlobalAlloc(GMEM_MOVEABLE, 3));
    char* bytes = static_cast<char*>(GlobalLock(memory));
    ASSERT_NE(bytes, nullptr);
    bytes[0] = 'h';
    bytes[1] = 'i';
    bytes[2] = 0;
    GlobalUnlock(memory);
    ASSERT_TRUE(SetClipboardHandle(memory, CF_TEXT));
    memory.Release();
    EXPECT_EQ(ClipboardText(), "hi");
}

TEST(Icons, LoadedOnceAndKept)
{
    const HICON large = LoadCachedIcon(IDR_MAINFRAME);
    const HICON small = LoadCachedSmallIcon(IDR_MAINFRAME);
    ASSERT_NE(large, nullptr);
    ASSERT_NE(small, nullptr);
    EXPECT_EQ(LoadCachedIcon(IDR_MAINFRAME), large);
    EXPECT_EQ(LoadCachedSmallIcon(IDR_MAINFRAME), small);
    ICONINFO ii{};
    ASSERT_TRUE(GetIconInfo(small, &ii));
    BITMAP bm{};
    GetObjectA(ii.hbmMask, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, 16);
    CBitmapHandle mask(ii.hbmMask), color(ii.hbmColor);
    EXPECT_EQ(LoadCachedIcon(4321), nullptr);
}

TEST(ScreenAreas, VirtualScreenAndWholeDesktop)
{
    EXPECT_FALSE(GetVirtualScreenRect(nullptr));
    RECT vs{};
    ASSERT_TRUE(GetVirtualScreenRect(&vs));
    EXPECT_FALSE(IsRectEmpty(&vs));

    RECT work{};
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    RECT rc{work.left - 500, work.top + 10, work.left - 400, work.top + 60};
    KeepRectVisible(true, true, rc, 32, 32);
    EXPECT_EQ(rc.left, work.left - 68);
    EXPECT_EQ(rc.right, work.left + 32);
    EXPECT_EQ(rc.top, work.top + 10);
}

namespace {
// Rules for a test menu: records what was asked and applies a few effects.
class CTestRules : public CCmdUITarget {
public:
    bool OnUpdateCommandUI(CCmdUI& ui) override
    {
        asked.push_back(ui.m_nID);
        switch (ui.m_nID) {
        case 100: ui.Enable(false); return true;
        case 200: ui.Enable(false); ui.SetCheck(1); return true; // a submenu item: no effect
        case 300: DeleteMenu(ui.m_hMenu, ui.m_nIndex, MF_BYPOSITION); return true;
        case 400: ui.SetRadio(true); ui.SetText("Four"); return true;
        default: return false;
        }
    }
    std::vector<UINT> asked;
};
} // namespace

TEST(MenuStates, WalkAsksEachCommandOnceAndCopesWithRemovals)
{
    CMenuHandle popup(CreatePopupMenu());
    CMenuHandle sub(CreatePopupMenu());
    AppendMenuA(sub, MF_STRING, 200, "Two");
    AppendMenuA(popup, MF_STRING, 100, "One");
    AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(popup, MF_POPUP, reinterpret_cast<UINT_PTR>(sub.Release()), "Sub");
    AppendMenuA(popup, MF_STRING, 300, "Three");
    AppendMenuA(popup, MF_STRING, 400, "4");
    AppendMenuA(popup, MF_STRING | MF_GRAYED, 500, "Five"); // no rule: stays grayed

    CTestRules rules;
    EXPECT_EQ(UpdateMenuCommandStates(true, popup, &rules), 0);
    EXPECT_TRUE(rules.asked.empty());

    EXPECT_EQ(UpdateMenuCommandStates(false, popup, &rules), 5);
    EXPECT_EQ(rules.asked, (std::vector<UINT>{100, 200, 300, 400, 500}));
    EXPECT_TRUE(GetMenuState(popup, 100, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(GetMenuState(popup, 2, MF_BYPOSITION) & (MF_GRAYED | MF_CHECKED), 0u);
    EXPECT_TRUE(GetMenuState(popup, 400, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(popup, 500, MF_BYCOMMAND) & MF_GRAYED);
    char text[32] = {};
    GetMenuStringA(popup, 400, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "Four");
    MENUITEMINFOA mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_FTYPE;
    ASSERT_TRUE(GetMenuItemInfoA(popup, 400, FALSE, &mii));
    EXPECT_TRUE(mii.fType & MFT_RADIOCHECK);
}
