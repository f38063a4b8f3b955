// The framework layer: window routing and lifetime, message boxes, strings, exceptions,
// data exchange.
#include "resource.h"
#include "win/common_controls.h"
#include "win/dialog.h"
#include "win/exceptions.h"
#include "win/handles.h"
#include "win/message_box.h"
#include "win/strings.h"
#include "win/window.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

class CProbeWnd : public CWindow {
public:
    std::vector<UINT> seen;
    bool* destroyedFlag = nullptr;
    bool throwOnPaint = false;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        seen.push_back(msg);
        if (msg == WM_USER + 1 && throwOnPaint)
            throw CMemoryException();
        if (msg == WM_USER + 2)
            return 42;
        return Default(msg, wParam, lParam);
    }
    void PostNcDestroy() override
    {
        if (destroyedFlag)
            *destroyedFlag = true;
    }
};

const char* ProbeClass()
{
    return CWindow::RegisterWindowClass(CS_DBLCLKS, LoadCursor(nullptr, IDC_ARROW), nullptr, nullptr);
}

} // namespace

TEST(Window, RoutesMessagesAndClearsHandleAfterDestroy)
{
    CProbeWnd w;
    bool destroyed = false;
    w.destroyedFlag = &destroyed;
    ASSERT_NE(ProbeClass(), nullptr);
    ASSERT_TRUE(w.CreateEx(0, ProbeClass(), "probe", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    ASSERT_NE(w.m_hWnd, nullptr);
    EXPECT_EQ(CWindow::FromHandle(w.m_hWnd), &w);
    EXPECT_EQ(SendMessageA(w.m_hWnd, WM_USER + 2, 0, 0), 42);
    EXPECT_NE(std::find(w.seen.begin(), w.seen.end(), UINT(WM_CREATE)), w.seen.end());
    HWND h = w.m_hWnd;
    EXPECT_TRUE(w.DestroyWindow());
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(w.m_hWnd, nullptr);
    EXPECT_EQ(CWindow::FromHandle(h), nullptr);
}

TEST(Window, ExceptionInHandlerDoesNotCrossTheWindowProcedure)
{
    CProbeWnd w;
    w.throwOnPaint = true;
    ASSERT_TRUE(w.CreateEx(0, ProbeClass(), "probe", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    EXPECT_EQ(SendMessageA(w.m_hWnd, WM_USER + 1, 0, 0), 0);
    w.DestroyWindow();
}

TEST(Window, ModifyStyleReportsChange)
{
    CProbeWnd w;
    ASSERT_TRUE(w.CreateEx(0, ProbeClass(), "probe", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    EXPECT_TRUE(w.ModifyStyle(0, 0x4000));
    EXPECT_EQ(w.GetStyle() & 0xFFFF, 0x4000u);
    EXPECT_FALSE(w.ModifyStyle(0, 0x4000));
    EXPECT_TRUE(w.ModifyStyleEx(0, WS_EX_TOOLWINDOW, SWP_NOACTIVATE));
    EXPECT_TRUE(w.GetExStyle() & WS_EX_TOOLWINDOW);
    w.DestroyWindow();
}

namespace {
std::vector<std::string> g_boxes;
int Record(HWND, const char* text, const char* caption, UINT flags)
{
    g_boxes.push_back(std::string(caption) + "|" + text + "|" + std::to_string(flags));
    return IDOK;
}
} // namespace

TEST(MessageBoxHookTest, HookSeesTextCaptionAndFlags)
{
    g_boxes.clear();
    MessageBoxHook old = SetMessageBoxHook(&Record);
    AppMessageBox(nullptr, "hello", MB_ICONEXCLAMATION);
    SetMessageBoxHook(old);
    ASSERT_EQ(g_boxes.size(), 1u);
    EXPECT_EQ(g_boxes[0], "Calyx|hello|" + std::to_string(MB_ICONEXCLAMATION));
}

TEST(Strings, TableAndParts)
{
    struct { UINT id; int part; const char* want; } cases[] = {
        {IDS_APP_TITLE, -1, "Calyx"},
        {IDS_SYSTEM_ERROR, -1, "Error #%1: %2"},
        {IDS_MEMORY_EXCEPTION, -1, "Out of memory."},
        {IDS_RESOURCE_EXCEPTION, -1, "A required resource was unavailable."},
        {IDS_SHOW_HIDE, 0, "Sho&w\tV"},
        {IDS_SHOW_HIDE, 1, "Hid&e\tV"},
        {IDS_SHOW_HIDE, 2, ""},
        {ID_UNIT_TWIP, -1, "twip"},
        {12345, -1, ""},
    };
    for (auto& c : cases)
        EXPECT_EQ(c.part < 0 ? LoadResString(c.id) : LoadResStringPart(c.id, c.part), c.want) << c.id;
}

TEST(Exceptions, StandardTexts)
{
    EXPECT_EQ(CMemoryException().GetErrorMessage(), "Out of memory.");
    EXPECT_EQ(CResourceException().GetErrorMessage(), "A required resource was unavailable.");
    const std::string text = CFileException(ERROR_FILE_NOT_FOUND, "C:\\calyx.exe").GetErrorMessage();
    EXPECT_NE(text.find("C:\\calyx.exe"), std::string::npos) << text;
    EXPECT_GT(text.size(), std::string("Calyx could not find C:\\calyx.exe.").size()) << "the system's reason is appended";
}

TEST(Handles, MoveOnlyOwnershipDeletesOnce)
{
    CBrushHandle a(CreateSolidBrush(RGB(1, 2, 3)));
    HBRUSH raw = a.Get();
    CBrushHandle b(std::move(a));
    EXPECT_EQ(a.Get(), nullptr);
    EXPECT_EQ(b.Get(), raw);
    b.Reset();
    EXPECT_EQ(GetObjectType(raw), 0u) << "the brush was deleted";
}

namespace {

class CNumberDlg : public CDialogBase {
public:
    CNumberDlg() : CDialogBase(9001, nullptr) {}
    int m_nValue = 120;
    int m_bCheck = 5;  // any value but 0 (and 2) shows checked
    std::string m_strName = "ruler";
    bool m_bEnded = false;

protected:
    void DoDataExchange(CDataExchange& dx) override
    {
        DDX_Text(dx, 100, m_nValue);
        DDV_MinMaxInt(dx, 100, m_nValue, 50, 1000);
        DDX_Check(dx, 101, m_bCheck);
        DDX_Text(dx, 102, m_strName);
    }
    void OnOK() override
    {
        if (UpdateData(true)) {
            m_bEnded = true;
            EndDialog(IDOK);
        }
    }
};

} // namespace

TEST(Dialog, DataExchangeLoadsValidatesAndKeepsTheDialogOpen)
{
    CNumberDlg dlg;
    ASSERT_TRUE(dlg.CreateModeless());
    char text[64] = "";
    GetDlgItemTextA(dlg.m_hWnd, 100, text, sizeof text);
    EXPECT_STREQ(text, "120");
    EXPECT_EQ(IsDlgButtonChecked(dlg.m_hWnd, 101), UINT(BST_CHECKED));
    GetDlgItemTextA(dlg.m_hWnd, 102, text, sizeof text);
    EXPECT_STREQ(text, "ruler");

    struct { const char* typed; const char* message; } bad[] = {
        {"abc", "Please enter an integer."},
        {"12x", "Please enter an integer."},
        {"", "Please enter an integer."},
        {"99999999999", "Please enter an integer."},
        {"5000", "Please enter an integer between 50 and 1000."},
        {"-3", "Please enter an integer between 50 and 1000."},
    };
    MessageBoxHook old = SetMessageBoxHook(&Record);
    for (auto& b : bad) {
        g_boxes.clear();
        SetDlgItemTextA(dlg.m_hWnd, 100, b.typed);
        SetFocus(GetDlgItem(dlg.m_hWnd, 102));
        SendMessageA(dlg.m_hWnd, WM_COMMAND, IDOK, 0);
        ASSERT_EQ(g_boxes.size(), 1u) << b.typed;
        EXPECT_NE(g_boxes[0].find(b.message), std::string::npos) << b.typed << ": " << g_boxes[0];
        EXPECT_TRUE(IsWindow(dlg.m_hWnd)) << "the dialog stays open";
        EXPECT_EQ(GetFocus(), GetDlgItem(dlg.m_hWnd, 100)) << "the offending control has the focus";
        DWORD from = 1, to = 0;
        SendDlgItemMessageA(dlg.m_hWnd, 100, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
        EXPECT_EQ(from, 0u);
        EXPECT_EQ(to, DWORD(std::strlen(b.typed))) << "its text is selected";
        if (std::strstr(b.message, "between") == nullptr) {
            EXPECT_EQ(dlg.m_nValue, 120) << "text that is no number is not taken";
        }
    }
    SetMessageBoxHook(old);

    SetDlgItemTextA(dlg.m_hWnd, 100, " 640 ");
    CheckDlgButton(dlg.m_hWnd, 101, BST_UNCHECKED);
    SetDlgItemTextA(dlg.m_hWnd, 102, "sizing");
    SendMessageA(dlg.m_hWnd, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(dlg.m_bEnded);
    EXPECT_EQ(dlg.m_nValue, 640);
    EXPECT_EQ(dlg.m_bCheck, 0);
    EXPECT_EQ(dlg.m_strName, "sizing");
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST(CommonControls, LoadedOnFirstNeedWithTheirClasses)
{
    EXPECT_TRUE(InitCommonControlsOnce());
    EXPECT_TRUE(InitCommonControlsOnce()) << "a second call is harmless";
    WNDCLASSA wc{};
    EXPECT_TRUE(GetClassInfoA(GetModuleHandleA("comctl32.dll"), "msctls_hotkey32", &wc));
    EXPECT_TRUE(GetClassInfoA(GetModuleHandleA("comctl32.dll"), "msctls_updown32", &wc));
}
