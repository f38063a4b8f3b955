#include "ruler/poll_rules.h"
#include "ruler/view_flags.h"
#include "units/unit_flags.h"
#include "letters.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// One event for the pacer, at a time in ms, and the pace and reach expected after it.
// Front: another window comes to the front, as a tick sees it; Same: a tick sees the same one.
enum class Ev { Tick, MovedTick, BusyTick, Raw, Wake, Front, Same };
struct Step {
    std::uint32_t at;
    Ev ev;
    PollPace pace;
    RawInputReach reach;
    bool woke = false;  // for Raw: whether it wakes the poll
};

constexpr PollPace F = PollPace::Full, R = PollPace::Resting, A = PollPace::Asleep;
constexpr RawInputReach U = RawInputReach::Unknown, D = RawInputReach::Delivered, N = RawInputReach::NotDelivered;

void RunSteps(const char* what, const std::vector<Step>& steps)
{
    CPollPacer p;
    p.Start(1000);
    std::uintptr_t front = 7;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step& s = steps[i];
        bool woke = false;
        switch (s.ev) {
        case Ev::Tick: p.AfterTick(false, false, s.at); break;
        case Ev::MovedTick: p.AfterTick(true, false, s.at); break;
        case Ev::BusyTick: p.AfterTick(false, true, s.at); break;
        case Ev::Raw: woke = p.OnRawInput(s.at, front); break;
        case Ev::Wake: p.Wake(s.at); break;
        case Ev::Front: p.SeeForeground(++front); break;
        case Ev::Same: p.SeeForeground(front); break;
        }
        EXPECT_EQ(p.Pace(), s.pace) << what << ", step " << i;
        EXPECT_EQ(p.Reach(), s.reach) << what << ", step " << i;
        EXPECT_EQ(woke, s.woke) << what << ", step " << i;
        EXPECT_EQ(p.ListensToRawInput(), s.pace != F) << what << ", step " << i;
        EXPECT_EQ(p.WatchesForeground(), s.reach == D) << what << ", step " << i;
    }
}

} // namespace

TEST(PollPace, RestsThenSleepsOnceRawInputHasAnnouncedAMove)
{
    RunSteps("raw input reaches the ruler", {
        {1100, Ev::Tick, F, U},
        {1249, Ev::Tick, F, U},
        {1250, Ev::Tick, R, U},            // 250 ms still: a frame timer, raw input not known
        {1400, Ev::Raw, F, D, true},       // the move is announced: full rate at once
        {1401, Ev::MovedTick, F, D},
        {1402, Ev::Raw, F, D},             // at the full rate raw input changes nothing
        {1650, Ev::Tick, F, D},
        {1651, Ev::Tick, A, D},            // only the watchdog from now on
        {9000, Ev::Raw, F, D, true},
        {9251, Ev::BusyTick, R, D},        // an unanswered window keeps the frame timer running
        {9300, Ev::Tick, R, D},
    });
}

TEST(PollPace, AMoveTheTickSeesFirstMeansRawInputIsNotTrusted)
{
    RunSteps("raw input does not reach the ruler", {
        {1250, Ev::Tick, R, U},
        {1266, Ev::MovedTick, F, N},       // the frame timer saw it first
        {1600, Ev::Tick, R, N},            // rests with the frame timer again
        {1700, Ev::Raw, F, N, true},       // raw input that comes wakes it, but is not trusted
        {2000, Ev::Tick, R, N},
        {2100, Ev::Front, R, N},
    });
    RunSteps("the watchdog finds a move raw input did not announce", {
        {1250, Ev::Tick, R, U},
        {1300, Ev::Raw, F, D, true},
        {1600, Ev::Tick, A, D},
        {1700, Ev::Wake, F, D},            // the ruler moved under a still pointer
        {1701, Ev::MovedTick, F, D},       // a move after a wake is no verdict on raw input
        {2000, Ev::Tick, A, D},
        {7000, Ev::MovedTick, F, N},       // over the bare desktop under Wine, say
        {7300, Ev::Tick, R, N},
    });
    RunSteps("another window comes to the front while the pointer moves", {
        {1250, Ev::Tick, R, U},
        {1300, Ev::Raw, F, D, true},
        {1310, Ev::Same, F, D},
        {1320, Ev::Front, F, U},           // at the full rate, as much as while resting
        {1600, Ev::Tick, R, U},
        {1700, Ev::Front, R, U},
        {1800, Ev::Raw, F, D, true},
        {2100, Ev::Tick, A, D},
        {2150, Ev::Same, A, D},
        {2200, Ev::Front, R, U},           // asleep: back to the frame timer
    });
}

TEST(PollPace, ARestingMoveShowsWithinAFrameAndASleepingOneWithinTheWatchdog)
{
    EXPECT_EQ(CPollPacer::PeriodMs(F), 1u);
    EXPECT_LE(CPollPacer::PeriodMs(R), 16u);
    EXPECT_GT(CPollPacer::PeriodMs(R), 0u);
    EXPECT_LE(CPollPacer::PeriodMs(A), 100u);
    EXPECT_GT(CPollPacer::PeriodMs(A), CPollPacer::PeriodMs(R));
}

TEST(PollTick, WhatOneTickDoes)
{
    const Point none{INT_MAX, 0};
    const std::uint32_t cm = RS_HORZ | RS_UNIT_CM, du = RS_HORZ | RS_UNIT_DU;
    struct {
        const char* name;
        std::uint32_t style;
        Point client, last, guide;
        bool pending;
        const char* want;  // M moved, G guide moves, E old guide erased, T font asked, F query forgotten, Z magnifier
    } cases[] = {
        {"still, nothing live", cm, {5, 5}, {5, 5}, none, false, "F"},
        {"moved, nothing live", cm, {6, 5}, {5, 5}, none, false, "MF"},
        {"first guide", cm | RS_GUIDE, {6, 5}, {5, 5}, none, false, "MGF"},
        {"guide follows", cm | RS_GUIDE, {6, 5}, {5, 5}, {5, 5}, false, "MGEF"},
        // The pointer came back to where the guide stands (the ruler moved under it).
        {"guide already there", cm | RS_GUIDE, {6, 5}, {5, 5}, {6, 5}, false, "MF"},
        {"guide, still", cm | RS_GUIDE, {5, 5}, {5, 5}, {4, 5}, false, "F"},
        {"dialog units, moved", du, {6, 5}, {5, 5}, none, false, "MT"},
        {"dialog units, still", du, {5, 5}, {5, 5}, none, false, ""},
        {"dialog units, still, unanswered", du, {5, 5}, {5, 5}, none, true, "T"},
        {"dialog base units, moved", RS_VERT | RS_UNIT_DBU, {5, 6}, {5, 5}, none, false, "MT"},
        {"unit changed away while unanswered", cm, {5, 5}, {5, 5}, none, true, "F"},
        {"magnifier, still", cm | RS_MAGNIFIER, {5, 5}, {5, 5}, none, false, "FZ"},
    };
    for (const auto& c : cases) {
        const PollTickPlan t = PlanPollTick(c.style, c.client, c.last, c.guide, c.pending);
        EXPECT_EQ(Letters({{t.moved, 'M'}, {t.moveGuide, 'G'}, {t.eraseGuide, 'E'}, {t.trackDialogUnits, 'T'},
                           {t.forgetFontQuery, 'F'}, {t.magnifier, 'Z'}}),
                  c.want)
            << c.name;
    }

    struct { bool moved, changed; std::uint32_t caption; bool refresh; } captions[] = {
        {false, false, CI_POSITION, false}, {true, false, CI_POSITION, true}, {true, false, 0, false},
        {false, true, 0, true},
    };
    for (const auto& c : captions) {
        PollTickPlan t;
        t.moved = c.moved;
        EXPECT_EQ(PollRefreshesCaption(t, c.changed, c.caption), c.refresh) << c.moved << c.changed << c.caption;
    }
}
