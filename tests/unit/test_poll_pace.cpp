#include "ruler/poll_rules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// One event for the pacer, at a time in ms, and the pace and reach expected after it.
enum class Ev { Tick, MovedTick, BusyTick, Raw, Wake, Forget };
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
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step& s = steps[i];
        bool woke = false;
        switch (s.ev) {
        case Ev::Tick: p.AfterTick(false, false, s.at); break;
        case Ev::MovedTick: p.AfterTick(true, false, s.at); break;
        case Ev::BusyTick: p.AfterTick(false, true, s.at); break;
        case Ev::Raw: woke = p.OnRawInput(s.at); break;
        case Ev::Wake: p.Wake(s.at); break;
        case Ev::Forget: p.Forget(); break;
        }
        EXPECT_EQ(p.Pace(), s.pace) << what << ", step " << i;
        EXPECT_EQ(p.Reach(), s.reach) << what << ", step " << i;
        EXPECT_EQ(woke, s.woke) << what << ", step " << i;
        EXPECT_EQ(p.ListensToRawInput(), s.pace != F) << what << ", step " << i;
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
        {1651, Ev::Tick, A, D},            // no timer from now on
        {9000, Ev::Raw, F, D, true},
        {9251, Ev::BusyTick, R, D},        // an unanswered window keeps a timer running
        {9300, Ev::Tick, R, D},
    });
}

TEST(PollPace, AMoveTheTickSeesFirstMeansRawInputDoesNotCome)
{
    RunSteps("raw input does not reach the ruler", {
        {1250, Ev::Tick, R, U},
        {1266, Ev::MovedTick, F, N},       // the frame timer saw it first
        {1600, Ev::Tick, R, N},            // rests with the frame timer again
        {1700, Ev::Raw, F, D, true},       // raw input comes after all
        {2000, Ev::Tick, A, D},
        {2100, Ev::Wake, F, D},            // the ruler moved under a still pointer
        {2101, Ev::MovedTick, F, D},       // a move after a wake is no verdict on raw input
        {2400, Ev::Tick, A, D},
        {2500, Ev::Forget, R, U},          // another window in front: prove it again
        {2516, Ev::MovedTick, F, N},
    });
}

TEST(PollPace, PeriodsStayWithinAFrame)
{
    EXPECT_EQ(CPollPacer::PeriodMs(F), 1u);
    EXPECT_LE(CPollPacer::PeriodMs(R), 16u);
    EXPECT_GT(CPollPacer::PeriodMs(R), 0u);
    EXPECT_EQ(CPollPacer::PeriodMs(A), 0u);
}
