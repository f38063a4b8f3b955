// The Define Hot Key dialog: chooses the combination of one of the sizing tool's hot keys.
// Only F1 to F12 with modifiers are taken; when the hot key is enabled, the new combination
// is put into effect before the dialog closes, so that one the system refuses keeps it open.
#pragma once

#include <windows.h>

#include "resource.h"
#include "win/dialog.h"

class CHotKeyDlg : public CDialogBase {
public:
    explicit CHotKeyDlg(HWND parent) : CDialogBase(IDD_HOT_KEYS, parent) {}

    HWND m_hotKey = nullptr;
    // Set by the caller: the hot key's identifier (1 or 2), its current key and whether it is
    // enabled. After OK, the accepted key (0, 0: none).
    int m_nHotKeyId = 0;
    WORD m_wVirtualKey = 0;
    WORD m_wModifiers = 0;
    BOOL m_bEnabled = FALSE;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    // Keeps the dialog open with the focus on the hot key control.
    void Refuse();
};
