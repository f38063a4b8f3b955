// When the ruler needs its polling timer, and how fast the poll runs.
#pragma once

#include "base/geometry.h"

#include <cstdint>

// True when the window is visible and something live is shown: the magnifier, the guide or
// a dialog unit (style mask 0xC048), or any caption item - except the pixel equivalent
// alone (View\Caption exactly CI_PIXELS) on a pixel ruler, which shows nothing that moves.
bool NeedsPollTimer(bool visible, std::uint32_t style, std::uint32_t captionFlags);

// What UpdatePollTimer does: a timer that should run and runs (or neither) is only woken,
// since something changed (the window moved, a setting) and the next tick should not wait;
// otherwise the poll stops, and starts again at the full rate when it is needed.
enum class PollTimerStep { kWake, kStop, kRestart };
PollTimerStep PlanPollTimer(bool needed, bool running);

// What one tick of the poll does, from the pointer's client position now and before.
struct PollTickPlan {
    bool moved = false;           // the pointer moved over the client since the last tick
    bool moveGuide = false;       // draw the guide at the pointer (inverting; see eraseGuide)
    bool eraseGuide = false;      // draw it once more where it was, which takes it away
    bool trackDialogUnits = false;  // ask the window under the pointer for its font
    bool forgetFontQuery = false;   // a pending font query no longer matters (no dialog unit)
    bool magnifier = false;       // the magnifier is drawn if the screen position changed
};

// The guide moves when it is on and the pointer left the pixel it was drawn at (`guide`,
// x == INT_MAX: not drawn yet). A dialog unit ruler asks for the font under the pointer
// after a move, and while a window has not answered, moved or not.
PollTickPlan PlanPollTick(std::uint32_t style, Point client, Point lastClient, Point guide, bool fontQueryPending);

// The caption line is built again when the tick changed what it shows (the guide or the
// dialog units), or the pointer moved and any caption item is on.
inline bool PollRefreshesCaption(const PollTickPlan& tick, bool changed, std::uint32_t captionFlags)
{
    return changed || (tick.moved && captionFlags != 0);
}

// How the poll waits between ticks.
enum class PollPace {
    Full,     // the 1 ms timer: the pointer is moving
    Resting,  // one tick a frame: the pointer rests, and raw input is not known to announce moves
    Asleep,   // the pointer rests and raw input wakes the poll on its next move; a slow watchdog
              // tick still looks for a move that raw input did not announce
};

// Whether raw mouse input reaches the ruler while it rests, as the poll has seen it.
enum class RawInputReach { Unknown, Delivered, NotDelivered };

constexpr std::uint32_t kPollPeriodMs = 1;
// At most one frame: where raw input does not come, the first move after a rest shows up
// within this.
constexpr std::uint32_t kRestingPeriodMs = 16;
// The watchdog of a sleeping poll. Raw input does not announce every move: under Wine none
// comes while the pointer is over the bare desktop or a program that is not Wine's, and on
// Windows none comes when another program moves the pointer. Such a move shows up within
// this (a window timer of 80 ms fires within 94 ms on Windows' 15.6 ms clock), and from then
// on the poll rests with its frame timer. Each tick wakes the program, which under Wine costs
// more than the tick's own work: ten or so a second keep a sleeping ruler near 0.1 % of a core.
constexpr std::uint32_t kWatchdogPeriodMs = 80;
// How long the pointer stays still before the poll rests.
constexpr std::uint32_t kRestAfterMs = 250;

// The pace of the poll. It runs at the full rate while the pointer moves. Once the pointer has
// rested kRestAfterMs it rests: it listens to raw input, and ticks once a frame until raw input
// has once announced a move before a tick saw it; from then on it sleeps with only its
// watchdog tick, and raw input wakes it. A move that a tick sees first shows that raw input
// does not announce every move (a pointer moved by a program, or over windows the system does
// not pass input on for): raw input is not trusted any more, for as long as the poll runs, and
// the poll rests with its frame timer again. Raw input is listened to only while resting or
// asleep, so a fast mouse costs the timer's ticks and nothing more.
class CPollPacer {
public:
    // The poll starts at the full rate; the reach of raw input is not known yet.
    void Start(std::uint32_t now);
    // After a tick. moved: the pointer moved since the tick before. busy: the next tick must
    // come whatever the pointer does (a window under it has not answered yet).
    PollPace AfterTick(bool moved, bool busy, std::uint32_t now);
    // Raw input arrived, with `foreground` in front (any value that tells windows apart). True
    // when it woke a resting or sleeping poll (which should then tick at once); false at the
    // full rate, where the timer sees the move anyway.
    bool OnRawInput(std::uint32_t now, std::uintptr_t foreground);
    // Something else changed what the poll shows (the ruler moved, a setting changed).
    void Wake(std::uint32_t now);
    // The window in front, as a tick sees it (at any pace). Where raw input reaches the ruler
    // depends on it (under Wine none comes while no window of Wine's is in front): another
    // window than the one in front when raw input was trusted means raw input has to show
    // again that it reaches the ruler.
    void SeeForeground(std::uintptr_t foreground);
    // Only while raw input is trusted does the window in front matter to the pace.
    bool WatchesForeground() const { return m_reach == RawInputReach::Delivered; }

    PollPace Pace() const { return m_pace; }
    RawInputReach Reach() const { return m_reach; }
    bool ListensToRawInput() const { return m_pace != PollPace::Full; }
    // The timer period of a pace.
    static std::uint32_t PeriodMs(PollPace pace);

private:
    PollPace m_pace = PollPace::Full;
    RawInputReach m_reach = RawInputReach::Unknown;
    std::uint32_t m_lastMove = 0;
    std::uintptr_t m_foreground = 0;  // in front when raw input was trusted
};
