#include "ruler/keyboard_keeper.h"

void CKeyboardKeeper::CommandStarts(bool hadKeyboard)
{
    m_bInCommand = true;
    m_bHadKeyboard = hadKeyboard;
    m_bHidden = false;
    m_bWatching = false;
}

void CKeyboardKeeper::RulerHidden()
{
    if (m_bInCommand)
        m_bHidden = true;
}

void CKeyboardKeeper::CommandEnded(std::uint32_t now)
{
    if (!m_bInCommand)
        return;
    m_bInCommand = false;
    m_bWatching = m_bHadKeyboard && m_bHidden;
    m_endedAt = now;
}

bool CKeyboardKeeper::TakeBack(FrontWindow front, bool canHaveKeyboard, std::uint32_t now)
{
    if (!m_bWatching || front == FrontWindow::kRuler)
        return false;
    m_bWatching = false;
    return front == FrontWindow::kNobody && canHaveKeyboard && now - m_endedAt <= kKeepKeyboardMs;
}
