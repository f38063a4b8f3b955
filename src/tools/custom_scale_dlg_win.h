// The Custom Scale dialog: any ruler scale or magnifier zoom from 50 to 1000 percent, typed
// or stepped with the arrows, with Auto-Preview putting every valid value into effect while
// it is typed and Cancel taking the preview back. At most one runs at a time.
#pragma once

#include <windows.h>

#include "tools/custom_scale_target.h"
#include "tools/scale_preview.h"
#include "win/dialog.h"

class CRulerSettings;

// The result of a request while another custom scale dialog runs (nothing is shown).
constexpr INT_PTR kCustomScaleAlreadyRunning = 3;

class CCustomScaleDlg : public CDialogBase {
public:
    // `ruler`: the ruler's scale (else the magnifier's zoom), starting at `current`.
    CCustomScaleDlg(HWND parent, ICustomScaleTarget& target, CRulerSettings& settings, bool ruler, int current,
                    int minValue, int maxValue);

    // IDOK (m_nValue holds the chosen scale), IDCANCEL, or kCustomScaleAlreadyRunning when
    // another custom scale dialog runs (that one comes to the foreground). Whatever ends it
    // without OK takes the preview back.
    INT_PTR DoModal();
    // Puts the starting value back into effect when a preview left another one (the end of
    // the session does this before the settings are saved).
    void TakeBackPreview();

    // Members, in the order the dialog describes them.
    HWND m_spin = nullptr;
    int m_nValue;
    int m_bAutoPreview;
    int m_nInitial;
    int m_nMin;
    int m_nMax;
    bool m_bRuler;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void OnAutoPreviewClicked();
    void OnValueChanged();
    void ApplyCustomScale();

    ICustomScaleTarget& m_target;
    CRulerSettings& m_settings;
    CScalePreview m_preview;
    bool m_bShown = false;
    bool m_bConfirmed = false;
};

// The dialog while it runs; null otherwise.
extern CCustomScaleDlg* g_pCustomScaleDlg;
