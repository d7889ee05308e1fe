// How long a project's effects and passes play, counted in the players' 10 ms ticks.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace glintwick {

class CTallowmereDoc;

struct SequenceTiming {
    static constexpr int kTickMilliseconds = 10;
    // Per effect: one loop, from its first frame period to the period of its ending step.
    std::vector<long long> loopTicks;
    // One pass: every effect's loading tick and loops, plus the idle tick at the pass's end;
    // none when an effect's loop count makes it play without end.
    std::optional<long long> passTicks;
    // All passes of the repeat count; none when the project repeats forever.
    std::optional<long long> totalTicks;
};

// Counts exactly as the main preview and the page tick: a frame every 21 - speed ticks.
SequenceTiming MeasureTiming(CTallowmereDoc& doc);

// The durations in words, seconds to two decimals: "One pass: 1.23 s", with all passes when
// the sequence repeats a number of times or the note that it repeats without end, or the
// message that it plays without end when an effect never ends.
std::string DescribeTiming(const SequenceTiming& timing, int repeat);

}  // namespace glintwick
