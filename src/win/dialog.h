// The dialog base class: modal or modeless dialogs from a template, with one data-exchange
// routine per dialog that runs in a loading and a saving direction.
#pragma once

#include <windows.h>

#include <string>

// Thrown by the exchange helpers when a value does not validate; UpdateData catches it.
struct CDataExchangeFailure {
    int m_nControlId;
};

class CDataExchange {
public:
    CDataExchange(HWND hDlg, bool save) : m_hDlg(hDlg), m_bSaveAndValidate(save) {}
    HWND m_hDlg;
    bool m_bSaveAndValidate;
    // Shows `message`, then abandons the exchange with the focus on control `id`
    // (its text selected when it is an edit control).
    [[noreturn]] void Fail(int id, const std::string& message);
};

// An int in an edit control. Saving rejects anything that is not a whole number that fits,
// with the framework's text "Please enter an integer.".
void DDX_Text(CDataExchange& dx, int id, int& value);
void DDX_Text(CDataExchange& dx, int id, std::string& value);
// A check box: loading shows 0 unchecked and any other value checked (2 indeterminate on a
// box with a third state); saving gives 0, 1 or 2.
void DDX_Check(CDataExchange& dx, int id, int& value);
// Saving only: value within [min, max], else "Please enter an integer between %1 and %2.".
void DDV_MinMaxInt(CDataExchange& dx, int id, int value, int minValue, int maxValue);
// A radio group that starts at control `id` (up to the next group) as the index of its
// checked button; -1 when none is checked.
void DDX_Radio(CDataExchange& dx, int id, int& value);
// Text of at most `maxChars` characters: loading limits typing in the edit or combo box,
// saving refuses a longer text with "Please enter no more than %1 characters.".
void DDV_MaxChars(CDataExchange& dx, int id, const std::string& value, int maxChars);

class CDialogBase {
public:
    CDialogBase(UINT templateId, HWND parent) : m_nTemplateId(templateId), m_hWndParent(parent) {}
    virtual ~CDialogBase();
    CDialogBase(const CDialogBase&) = delete;
    CDialogBase& operator=(const CDialogBase&) = delete;

    HWND m_hWnd = nullptr;

    INT_PTR DoModal();
    bool CreateModeless();
    // Runs the exchange; on a failed validation returns false (message shown, control focused).
    bool UpdateData(bool save);
    void EndDialog(INT_PTR result);

    static CDialogBase* FromHandle(HWND hWnd);
    // For the message loop: lets a modeless dialog handle its keyboard navigation.
    static bool PreTranslateDialogMessage(MSG* msg);

protected:
    virtual void DoDataExchange(CDataExchange& dx);
    // Loads the controls; returns whether Windows should set the focus.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // Handles a WM_COMMAND; return true when handled.
    virtual bool OnCommand(WORD id, WORD code, HWND control);
    // Any other message; return true with *result set when handled.
    virtual bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // Called when a modeless dialog's window is gone.
    virtual void PostNcDestroy() {}

    UINT m_nTemplateId;
    HWND m_hWndParent;
    bool m_bModal = false;

private:
    static INT_PTR CALLBACK StaticDialogProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
    INT_PTR DialogProc(UINT msg, WPARAM wParam, LPARAM lParam);
};
