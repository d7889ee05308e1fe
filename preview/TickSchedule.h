// When a preview's 10 ms ticks fall due: by the clock, not by counting late timer events.
#pragma once

#include <cstdint>

#include "preview/PreviewPlayer.h"

namespace glintwick {

// A timer event arrives late more often than not, so a preview that played one tick per event
// ran slower than the page it imitates. The schedule counts the ticks the elapsed playing time
// calls for (time spent paused left out) and hands out those not played yet. After a long stall
// (a busy machine, a modal loop that held the timers) it hands out at most kMaxTicksPerEvent
// and moves the rest of the schedule later, so the preview never bursts through missed frames.
class CTickSchedule {
public:
    static constexpr int kMaxTicksPerEvent = 10;

    // Playing from tick 0 at `now` (milliseconds on any steady clock).
    void Start(std::int64_t now);
    void Pause(std::int64_t now);
    void Resume(std::int64_t now);
    // The ticks to play on a timer event at `now`: at least 0, at most kMaxTicksPerEvent.
    int TicksDue(std::int64_t now);

    bool IsPaused() const { return m_bPaused; }
    // Milliseconds of the steady clock, for Start, Pause, Resume and TicksDue.
    static std::int64_t Now();

private:
    std::int64_t m_nOrigin = 0;  // the clock time that tick 0 stands for
    std::int64_t m_nPlayed = 0;  // ticks handed out since Start
    std::int64_t m_nPausedAt = 0;
    bool m_bPaused = false;
};

}  // namespace glintwick
