#include "support/modal_script.h"

#include <vector>

namespace {

CModalScript* g_pRunning = nullptr;

struct DialogSearch {
    const char* caption;  // null: count them all
    HWND found = nullptr;
    HWND first = nullptr;
    int count = 0;
};

BOOL CALLBACK VisitThreadWindow(HWND hWnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<DialogSearch*>(lParam);
    char cls[16] = "";
    GetClassNameA(hWnd, cls, int(sizeof cls));
    if (lstrcmpA(cls, "#32770") != 0 || !IsWindowVisible(hWnd))
        return TRUE;
    ++search->count;
    if (!search->first)
        search->first = hWnd;
    if (search->caption) {
        char title[128] = "";
        GetWindowTextA(hWnd, title, int(sizeof title));
        if (lstrcmpA(title, search->caption) == 0) {
            search->found = hWnd;
            return FALSE;
        }
    }
    return TRUE;
}

} // namespace

CModalScript& CModalScript::Then(Step step)
{
    m_steps.push_back(std::move(step));
    return *this;
}

bool CModalScript::Run(const std::function<void()>& open, int timeoutMs)
{
    m_nNext = 0;
    m_bTimedOut = false;
    m_strFailure.clear();
    m_dwDeadline = GetTickCount() + DWORD(timeoutMs);
    g_pRunning = this;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, &CModalScript::OnTick);
    open();
    KillTimer(nullptr, timer);
    g_pRunning = nullptr;
    if (m_bTimedOut && m_nNext >= m_steps.size())
        m_strFailure = "the dialog was still open after the last step";
    else if (m_bTimedOut)
        m_strFailure = "step " + std::to_string(m_nNext + 1) + " of " + std::to_string(m_steps.size()) +
                       " did not succeed in time";
    else if (m_nNext < m_steps.size())
        m_strFailure = "the dialog ended before step " + std::to_string(m_nNext + 1) + " of " +
                       std::to_string(m_steps.size());
    return m_strFailure.empty();
}

void CALLBACK CModalScript::OnTick(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_pRunning)
        g_pRunning->Tick();
}

void CModalScript::Tick()
{
    if (m_bTimedOut)
        return;
    // Several steps may run in one tick: each acts and the next one sees the result.
    // A step that opens another modal dialog runs the later steps from that dialog's loop,
    // so the next step is counted as begun before a step runs.
    while (m_nNext < m_steps.size()) {
        const std::size_t index = m_nNext++;
        if (!m_steps[index]()) {
            if (m_nNext == index + 1)
                m_nNext = index;
            break;
        }
    }
    // Past the deadline with steps left, or with the dialog still open after the last one.
    if (GetTickCount() > m_dwDeadline) {
        m_bTimedOut = true;
        // Whatever is open is cancelled, so the test goes on (and fails).
        for (int guard = 0; guard < 8; ++guard) {
            DialogSearch search{nullptr};
            EnumThreadWindows(GetCurrentThreadId(), &VisitThreadWindow, reinterpret_cast<LPARAM>(&search));
            if (!search.first)
                break;
            SendMessageA(search.first, WM_COMMAND, IDCANCEL, 0);
        }
    }
}

HWND FindThreadDialog(const char* caption)
{
    DialogSearch search{caption};
    EnumThreadWindows(GetCurrentThreadId(), &VisitThreadWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int CountThreadDialogs()
{
    DialogSearch search{nullptr};
    EnumThreadWindows(GetCurrentThreadId(), &VisitThreadWindow, reinterpret_cast<LPARAM>(&search));
    return search.count;
}

void TypeInto(HWND control, const std::string& text, bool replace)
{
    SetFocus(control);
    if (replace)
        SendMessageA(control, EM_SETSEL, 0, -1);
    if (text.empty()) {
        SendMessageA(control, WM_CHAR, VK_BACK, 1);
        return;
    }
    for (const char c : text)
        SendMessageA(control, WM_CHAR, WPARAM(static_cast<unsigned char>(c)), 1);
}

void Click(HWND dialog, int id)
{
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

std::string ItemText(HWND dialog, int id)
{
    char text[512] = "";
    GetDlgItemTextA(dialog, id, text, int(sizeof text));
    return text;
}
