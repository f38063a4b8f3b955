// The sizing tool dialog: modeless, owned by the ruler window, created the first time it is
// needed and afterwards only hidden and shown. It edits the size that Get size and Set size
// use, which dimensions take part, the hot keys and their target, and holds the two pickers.
#pragma once

#include <windows.h>

#include "tools/window_picker_win.h"
#include "win/dialog.h"

#include <string>

class CRulerSettings;

class CSizingToolDlg : public CDialogBase {
public:
    CSizingToolDlg(CRulerSettings& settings, HWND parent);

    // Members in the order the data exchange binds and fills them.
    HWND m_btnEnableGet = nullptr;
    HWND m_btnEnableSet = nullptr;
    HWND m_hotKeySet = nullptr;
    HWND m_hotKeyGet = nullptr;
    HWND m_cboSize = nullptr;
    CWindowPicker m_pickerGet;
    CSetSizePicker m_pickerSet;
    int m_bDoFrame;
    int m_bDoWidth;
    int m_bDoHeight;
    std::string m_strSize;
    int m_nHotKeyMode;

    CRulerSettings& Settings() { return m_settings; }
    bool IsVisible() const { return m_hWnd && IsWindowVisible(m_hWnd); }
    // Shows the stored size in the size field (after Get size).
    void ShowStoredSize();

protected:
    void DoDataExchange(CDataExchange& dx) override;
    BOOL OnInitDialog() override;
    // Hides the dialog; nothing is read or destroyed.
    void OnCancel() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    // Once created, the dialog owns itself: it goes with its window.
    void PostNcDestroy() override;

private:
    void OnEnableHotKey(int id);
    void OnDefineHotKey(int id);
    // The hot key control and enable box of hot key `id` from the settings.
    void ShowHotKey(int id);
    void EnableFrameBox();
    // Shown and in front, for a message about its values.
    void BringToFront();

    CRulerSettings& m_settings;
};

// The one sizing tool dialog (null until it is first opened).
extern CSizingToolDlg* g_pSizingToolDlg;

// Command 2104: creates the dialog the first time, afterwards hides or shows it.
void ToggleSizingTool(CRulerSettings& settings);
// The dialog exists and is shown (the command's menu text says which).
bool IsSizingToolVisible();
