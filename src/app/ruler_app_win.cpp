// Start-up, the main window and exit.
#include "app/ruler_app.h"

#include "platform/placement_win.h"
#include "settings/registry_backend_win.h"
#include "settings/registry_settings.h"
#include "platform/version_info_win.h"
#include "app/startup_rules.h"
#include "app/window_style.h"
#include "resource.h"
#include "ruler/ruler_geometry.h"
#include "ruler/ruler_wnd.h"
#include "tools/hot_key_registration_win.h"
#include "units/number_format_win.h"
#include "win/common_controls.h"
#include "win/exceptions.h"
#include "win/message_box.h"
#include "win/strings.h"


namespace {
CRulerApp* g_pApp = nullptr;

// The operating system version record, filled once.
OSVERSIONINFOA& OsVersion()
{
    static OSVERSIONINFOA info{};
    if (info.dwOSVersionInfoSize == 0) {
        info.dwOSVersionInfoSize = sizeof info;
        // GetVersionExA is deprecated in favour of manifests, but only the major version
        // (IsSystemSupported) is tested, which every manifest answer satisfies.
#if defined(_MSC_VER)
#pragma warning(suppress : 4996)
#endif
        GetVersionExA(&info);
    }
    return info;
}
} // namespace

CRulerApp* GetRulerApp()
{
    return g_pApp;
}

CRulerApp::CRulerApp() : m_canWriteMachineKey(CanWriteMachineKey)
{
    g_pApp = this;
}

bool CRulerApp::InitInstance()
{
    if (!IsSystemSupported(OsVersion().dwMajorVersion)) {
        AppMessageBox(nullptr, LoadResString(IDS_OS_TOO_OLD).c_str(), MB_ICONHAND | MB_OK);
        return false;
    }

    CRulerWnd* ruler = nullptr;
    try {
        InitNumberLocaleFromSystem();

        std::uint32_t productVersion = 0;
        std::string company;
        {
            CVersionInfo version;
            company = version.GetCompanyWord();
            productVersion = version.GetProductVersionMS();
        }
        m_settings.m_nCurrentVersion = std::int32_t(productVersion);
        m_settings.SetKeyPath(MakeSettingsKeyPath(company, LoadResString(IDS_APP_TITLE)));
        // Also records the program's path for the CurrentVersion bookkeeping.
        AttachSettingsToRegistry(m_settings, m_canWriteMachineKey);

        m_settings.Reset();
        m_settings.Load();

        if (NeedsDefaultBounds(m_settings.m_rcBounds))
            m_settings.SetBounds(GetDefaultRulerRect(m_settings.m_bVertical != 0, GetSystemMetrics(SM_CXSCREEN),
                                                     GetSystemMetrics(SM_CYSCREEN)));
        else
            m_settings.SetBounds(WithRulerMinimumSize(
                m_settings.m_rcBounds, SmallestStoredRuler(m_settings.m_bBorderless != 0, GetSystemMetrics(SM_CXFRAME),
                                                           GetSystemMetrics(SM_CYFRAME))));

        ruler = new CRulerWnd(m_settings);
        ruler->SetAppCommands(this);
        SetMainWindow(ruler);

        HINSTANCE inst = GetModuleHandleA(nullptr);
        const char* cls = CWindow::RegisterWindowClass(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS,
                                                       LoadCursor(nullptr, IDC_ARROW),
                                                       reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                                                       LoadIconA(inst, MAKEINTRESOURCEA(IDR_MAINFRAME)));
        if (!cls)
            throw CResourceException();

        const RulerWindowStyle ws = ComputeRulerWindowStyle(m_settings);
        if (!ruler->CreateEx(ws.exStyle, cls, LoadResString(IDS_APP_TITLE).c_str(), ws.style, 0, 0, 0, 0, nullptr,
                             nullptr))
            throw CMemoryException();

        ApplyPlacement(m_settings, ruler->m_hWnd, m_settings.m_bVisible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW, false);
        RegisterHotKeys(ruler->m_hWnd);
        // The common controls serve the dialogs only; with the ruler already on the screen
        // their loading no longer delays it.
        InitCommonControlsOnce();
        return true;
    } catch (const CStartupException& e) {
        return AbandonStartup(ruler, e.GetErrorMessage());
    } catch (const std::bad_alloc&) {
        return AbandonStartup(ruler, CMemoryException().GetErrorMessage());
    }
}

bool CRulerApp::AbandonStartup(CRulerWnd* ruler, const std::string& message)
{
    // The ruler is destroyed and the main-window slot cleared whatever failed, also when the
    // window was on the screen already; a window that was created deletes its object when it
    // goes.
    SetMainWindow(nullptr);
    if (ruler) {
        if (ruler->m_hWnd)
            ruler->DestroyWindow();
        else
            delete ruler;
    }
    AppMessageBox(nullptr, message.c_str(), MB_ICONEXCLAMATION | MB_OK);
    return false;
}

void CRulerApp::RegisterHotKeys(HWND hWnd)
{
    RegisterSizingHotKeys(hWnd, m_settings);
}

int CRulerApp::ExitInstance(int loopResult)
{
    m_settings.PreSave();
    if (m_settings.IsChanged())
        m_settings.Save();
    return loopResult;
}
