#include "ruler/poll_rules.h"

#include "ruler/view_flags.h"
#include "units/units.h"

#include <climits>

bool NeedsPollTimer(bool visible, std::uint32_t style, std::uint32_t captionFlags)
{
    if (!visible)
        return false;
    if (style & (RS_MAGNIFIER | RS_GUIDE | RS_UNIT_DU | RS_UNIT_DBU))
        return true;
    // The pixel equivalent alone adds no item on a pixel ruler: nothing follows the pointer.
    return captionFlags != 0 && !(captionFlags == CI_PIXELS && (style & RS_UNIT_PX));
}

PollTimerStep PlanPollTimer(bool needed, bool running)
{
    if (needed == running)
        return PollTimerStep::kWake;
    return needed ? PollTimerStep::kRestart : PollTimerStep::kStop;
}

PollTickPlan PlanPollTick(std::uint32_t style, Point client, Point lastClient, Point guide, bool fontQueryPending)
{
    PollTickPlan t;
    t.moved = client != lastClient;
    t.moveGuide = t.moved && (style & RS_GUIDE) && client != guide;
    t.eraseGuide = t.moveGuide && guide.x != INT_MAX;
    const std::uint32_t unit = FindUnit(style)->flag;
    const bool dialogUnit = unit == RS_UNIT_DU || unit == RS_UNIT_DBU;
    t.trackDialogUnits = dialogUnit && (t.moved || fontQueryPending);
    t.forgetFontQuery = !dialogUnit;
    t.magnifier = (style & RS_MAGNIFIER) != 0;
    return t;
}

void CPollPacer::Start(std::uint32_t now)
{
    m_pace = PollPace::Full;
    m_reach = RawInputReach::Unknown;
    m_lastMove = now;
}

PollPace CPollPacer::AfterTick(bool moved, bool busy, std::uint32_t now)
{
    if (moved) {
        // Raw input would have woken the poll before this tick came.
        if (m_pace != PollPace::Full)
            m_reach = RawInputReach::NotDelivered;
        m_pace = PollPace::Full;
        m_lastMove = now;
    } else if (m_pace == PollPace::Full && now - m_lastMove >= kRestAfterMs) {
        m_pace = m_reach == RawInputReach::Delivered && !busy ? PollPace::Asleep : PollPace::Resting;
    } else if (m_pace == PollPace::Asleep && busy) {
        m_pace = PollPace::Resting;
    }
    return m_pace;
}

bool CPollPacer::OnRawInput(std::uint32_t now, std::uintptr_t foreground)
{
    if (m_pace == PollPace::Full)
        return false;
    // Once a move came without it, raw input that does come proves nothing about the next.
    if (m_reach == RawInputReach::Unknown) {
        m_reach = RawInputReach::Delivered;
        m_foreground = foreground;
    }
    m_pace = PollPace::Full;
    m_lastMove = now;
    return true;
}

void CPollPacer::Wake(std::uint32_t now)
{
    m_pace = PollPace::Full;
    m_lastMove = now;
}

void CPollPacer::SeeForeground(std::uintptr_t foreground)
{
    if (m_reach != RawInputReach::Delivered || foreground == m_foreground)
        return;
    m_reach = RawInputReach::Unknown;
    if (m_pace == PollPace::Asleep)
        m_pace = PollPace::Resting;
}

std::uint32_t CPollPacer::PeriodMs(PollPace pace)
{
    switch (pace) {
    case PollPace::Full:
        return kPollPeriodMs;
    case PollPace::Resting:
        return kRestingPeriodMs;
    default:
        return kWatchdogPeriodMs;
    }
}
