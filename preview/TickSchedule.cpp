// The tick schedule: elapsed playing time in 10 ms ticks, bounded per timer event.
#include "preview/TickSchedule.h"

#include <algorithm>
#include <chrono>

namespace glintwick {

std::int64_t CTickSchedule::Now() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void CTickSchedule::Start(std::int64_t now) {
    m_nOrigin = now;
    m_nPlayed = 0;
    m_bPaused = false;
}

void CTickSchedule::Pause(std::int64_t now) {
    if (m_bPaused) return;
    m_bPaused = true;
    m_nPausedAt = now;
}

void CTickSchedule::Resume(std::int64_t now) {
    if (!m_bPaused) return;
    m_bPaused = false;
    m_nOrigin += now - m_nPausedAt;  // the paused time does not count
}

int CTickSchedule::TicksDue(std::int64_t now) {
    if (m_bPaused) return 0;
    const std::int64_t due = (now - m_nOrigin) / kTickMilliseconds - m_nPlayed;
    if (due <= 0) return 0;
    const std::int64_t played = std::min<std::int64_t>(due, kMaxTicksPerEvent);
    // What a stall left over is not made up: the schedule moves on with the clock.
    if (due > played) m_nOrigin += (due - played) * kTickMilliseconds;
    m_nPlayed += played;
    return static_cast<int>(played);
}

}  // namespace glintwick
