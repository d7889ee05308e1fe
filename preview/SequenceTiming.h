// How long a project's effects and passes play, counted in the players' 10 ms ticks.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace glintwick {

class CTallowmereDoc;

// Tick counts are doubles: exact up to 2^53 ticks (about 2.8 million years), and no project,
// however long its texts and however many its loops and repeats, can make one overflow.
struct SequenceTiming {
    int effects = 0;
    // Per effect: one loop, from its first frame period to the period of its ending step (left
    // empty when only the pass is asked for).
    std::vector<double> loopTicks;
    // One pass: every effect's loading tick and loops, plus the idle tick at the pass's end;
    // none when an effect's loop count makes it play without end.
    std::optional<double> passTicks;
    // All passes of the repeat count; none when the project repeats forever.
    std::optional<double> totalTicks;
};

// Counts exactly as the main preview and the page tick: a frame every 21 - speed ticks.
// With `perEffect` false only the pass and total are measured (the status bar's need).
SequenceTiming MeasureTiming(const CTallowmereDoc& doc, bool perEffect = true);

// The durations in words, seconds to two decimals: "One pass: 1.23 s", with all passes when
// the sequence repeats a number of times or the note that it repeats without end, or the
// message that it plays without end when an effect never ends.
std::string DescribeTiming(const SequenceTiming& timing, int repeat);

}  // namespace glintwick
