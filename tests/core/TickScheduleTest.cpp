// The tick schedule under a fake clock: late events, stalls and pauses.
#include <gtest/gtest.h>

#include "preview/TickSchedule.h"

namespace glintwick {
namespace {

// Each row: the clock at a timer event (ms since Start) and the ticks that event plays.
struct Event {
    std::int64_t at;
    int ticks;
};

void ExpectTicks(CTickSchedule& schedule, std::int64_t start, std::initializer_list<Event> events) {
    for (const Event& e : events)
        EXPECT_EQ(schedule.TicksDue(start + e.at), e.ticks) << "at " << e.at;
}

TEST(TickSchedule, LateEventsPlayEveryTickTheClockCallsFor) {
    CTickSchedule schedule;
    schedule.Start(1000);
    // Events 10 ms apart, each a few ms late; the late one makes up what it missed.
    ExpectTicks(schedule, 1000, {{5, 0}, {10, 1}, {13, 0}, {24, 1}, {37, 1}, {61, 3}, {70, 1}});
    // 1000 events due over 10 s, arriving every 11 ms, still play 1000 ticks by the end.
    int played = 0;
    for (std::int64_t t = 80; t <= 10000; t += 11) played += schedule.TicksDue(1000 + t);
    played += schedule.TicksDue(1000 + 10000);
    EXPECT_EQ(played + 7, 1000);
}

TEST(TickSchedule, AStallPlaysAtMostTenTicksAndShiftsTheRest) {
    CTickSchedule schedule;
    schedule.Start(0);
    ExpectTicks(schedule, 0, {{10, 1}, {2000, 10}, {2005, 0}, {2010, 1}, {2030, 2}});
}

TEST(TickSchedule, PausedTimeIsNotCounted) {
    CTickSchedule schedule;
    schedule.Start(0);
    ExpectTicks(schedule, 0, {{35, 3}});
    schedule.Pause(35);
    ExpectTicks(schedule, 0, {{500, 0}, {5000, 0}});
    schedule.Resume(5000);
    // Tick 4 fell due at 40 ms of playing time: 5 ms after the resume.
    ExpectTicks(schedule, 0, {{5004, 0}, {5005, 1}, {5015, 1}});
    schedule.Start(9000);  // a new Start forgets the pause and the ticks played
    ExpectTicks(schedule, 0, {{9010, 1}});
}

}  // namespace
}  // namespace glintwick
