#include "win/dialog.h"

#include "base/text.h"
#include "resource.h"
#include "win/message_box.h"
#include "win/strings.h"

#include <vector>

namespace {
const char kThisProp[] = "Calyx.CDialogBase";

std::string GetItemText(HWND hDlg, int id)
{
    HWND item = GetDlgItem(hDlg, id);
    const int n = item ? GetWindowTextLengthA(item) : 0;
    std::vector<char> buffer(std::size_t(n) + 1, '\0');
    if (item)
        GetWindowTextA(item, buffer.data(), n + 1);
    return std::string(buffer.data());
}

bool HasThirdState(HWND button)
{
    const LONG_PTR type = GetWindowLongPtrA(button, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_3STATE || type == BS_AUTO3STATE;
}
} // namespace

void CDataExchange::Fail(int id, const std::string& message)
{
    AppMessageBox(m_hDlg, message.c_str(), MB_ICONEXCLAMATION | MB_OK);
    throw CDataExchangeFailure{id};
}

void DDX_Text(CDataExchange& dx, int id, int& value)
{
    if (!dx.m_bSaveAndValidate) {
        SetDlgItemInt(dx.m_hDlg, id, UINT(value), TRUE);
        return;
    }
    if (!ParseWholeNumber(GetItemText(dx.m_hDlg, id), value))
        dx.Fail(id, LoadResString(IDS_PARSE_INT));
}

void DDX_Text(CDataExchange& dx, int id, std::string& value)
{
    if (dx.m_bSaveAndValidate)
        value = GetItemText(dx.m_hDlg, id);
    else
        SetDlgItemTextA(dx.m_hDlg, id, value.c_str());
}

void DDX_Check(CDataExchange& dx, int id, int& value)
{
    if (dx.m_bSaveAndValidate)
        value = int(IsDlgButtonChecked(dx.m_hDlg, id));
    else if (value == 0)
        CheckDlgButton(dx.m_hDlg, id, BST_UNCHECKED);
    else
        // Non-zero is on, as the program acts on it (a stored 5 shows checked); 2 is the
        // third state of a box that has one.
        CheckDlgButton(dx.m_hDlg, id,
                       value == 2 && HasThirdState(GetDlgItem(dx.m_hDlg, id)) ? BST_INDETERMINATE : BST_CHECKED);
}

void DDV_MinMaxInt(CDataExchange& dx, int id, int value, int minValue, int maxValue)
{
    if (!dx.m_bSaveAndValidate || (value >= minValue && value <= maxValue))
        return;
    dx.Fail(id, ReplaceArgs(LoadResString(IDS_PARSE_INT_RANGE), std::to_string(minValue), std::to_string(maxValue)));
}

void DDX_Radio(CDataExchange& dx, int id, int& value)
{
    HWND first = GetDlgItem(dx.m_hDlg, id);
    if (!first)
        return;
    if (dx.m_bSaveAndValidate)
        value = -1;
    int index = 0;
    for (HWND button = first; button; button = GetWindow(button, GW_HWNDNEXT), ++index) {
        if (button != first && (GetWindowLongPtrA(button, GWL_STYLE) & WS_GROUP))
            break;
        if (dx.m_bSaveAndValidate) {
            if (SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED)
                value = index;
        } else {
            SendMessageA(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }
}

void DDV_MaxChars(CDataExchange& dx, int id, const std::string& value, int maxChars)
{
    if (!dx.m_bSaveAndValidate) {
        HWND item = GetDlgItem(dx.m_hDlg, id);
        char cls[16] = "";
        if (item)
            GetClassNameA(item, cls, int(sizeof cls));
        SendMessageA(item, lstrcmpiA(cls, "ComboBox") == 0 ? CB_LIMITTEXT : EM_LIMITTEXT, WPARAM(maxChars), 0);
        return;
    }
    if (value.size() > std::size_t(maxChars))
        dx.Fail(id, ReplaceArgs(LoadResString(IDS_PARSE_STRING_SIZE), std::to_string(maxChars)));
}

CDialogBase::~CDialogBase()
{
    if (m_hWnd && IsWindow(m_hWnd)) {
        RemovePropA(m_hWnd, kThisProp);
        DestroyWindow(m_hWnd);
    }
}

INT_PTR CDialogBase::DoModal()
{
    m_bModal = true;
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nTemplateId), m_hWndParent,
                           &CDialogBase::StaticDialogProc, reinterpret_cast<LPARAM>(this));
}

bool CDialogBase::CreateModeless()
{
    m_bModal = false;
    return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nTemplateId), m_hWndParent,
                              &CDialogBase::StaticDialogProc, reinterpret_cast<LPARAM>(this)) != nullptr;
}

bool CDialogBase::UpdateData(bool save)
{
    CDataExchange dx(m_hWnd, save);
    try {
        DoDataExchange(dx);
        return true;
    } catch (const CDataExchangeFailure& failure) {
        HWND control = GetDlgItem(m_hWnd, failure.m_nControlId);
        if (control) {
            SetFocus(control);
            char cls[16] = "";
            GetClassNameA(control, cls, int(sizeof cls));
            if (lstrcmpiA(cls, "Edit") == 0)
                SendMessageA(control, EM_SETSEL, 0, -1);
            else if (lstrcmpiA(cls, "ComboBox") == 0)
                SendMessageA(control, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
        }
        return false;
    }
}

void CDialogBase::EndDialog(INT_PTR result)
{
    if (m_bModal)
        ::EndDialog(m_hWnd, result);
    else
        DestroyWindow(m_hWnd);
}

CDialogBase* CDialogBase::FromHandle(HWND hWnd)
{
    return hWnd ? static_cast<CDialogBase*>(GetPropA(hWnd, kThisProp)) : nullptr;
}

bool CDialogBase::PreTranslateDialogMessage(MSG* msg)
{
    for (HWND h = msg->hwnd; h; h = GetParent(h))
        if (FromHandle(h))
            return IsDialogMessageA(h, msg) != FALSE;
    return false;
}

void CDialogBase::DoDataExchange(CDataExchange&) {}

BOOL CDialogBase::OnInitDialog()
{
    UpdateData(false);
    return TRUE;
}

void CDialogBase::OnOK()
{
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialogBase::OnCancel()
{
    EndDialog(IDCANCEL);
}

bool CDialogBase::OnCommand(WORD id, WORD, HWND)
{
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

bool CDialogBase::OnMessage(UINT, WPARAM, LPARAM, LRESULT*)
{
    return false;
}

INT_PTR CDialogBase::DialogProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
    default: {
        LRESULT result = 0;
        if (OnMessage(msg, wParam, lParam, &result)) {
            SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
            return TRUE;
        }
        return FALSE;
    }
    }
}

INT_PTR CALLBACK CDialogBase::StaticDialogProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    CDialogBase* self = FromHandle(hWnd);
    if (!self && msg == WM_INITDIALOG) {
        self = reinterpret_cast<CDialogBase*>(lParam);
        self->m_hWnd = hWnd;
        SetPropA(hWnd, kThisProp, self);
    }
    if (!self)
        return FALSE;
    INT_PTR result = FALSE;
    try {
        result = self->DialogProc(msg, wParam, lParam);
    } catch (...) {
        result = FALSE;
    }
    if (msg == WM_NCDESTROY) {
        RemovePropA(hWnd, kThisProp);
        self->m_hWnd = nullptr;
        if (!self->m_bModal)
            self->PostNcDestroy();
    }
    return result;
}
