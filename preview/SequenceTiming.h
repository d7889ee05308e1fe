// How long a project's effects and passes play, counted in the players' 10 ms ticks.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace glintwick {

class CEffect;
class CTallowmereDoc;

// Tick counts are doubles: exact up to 2^53 ticks (about 2.8 million years), and no project,
// however long its texts and however many its loops and repeats, can make one overflow.
struct SequenceTiming {
    int effects = 0;
    // Per effect: one loop, from its first frame period to the period of its ending step.
    std::vector<double> loopTicks;
    // One pass: every effect's loading tick and loops, plus the idle tick at the pass's end;
    // none when an effect's loop count makes it play without end.
    std::optional<double> passTicks;
    // All passes of the repeat count; none when the project repeats forever.
    std::optional<double> totalTicks;
};

// Counts exactly as the main preview and the page tick: a frame every 21 - speed ticks.
SequenceTiming MeasureTiming(const CTallowmereDoc& doc);
// The same, handing each effect's loop to `eachLoop` in list order instead of keeping them all
// (loopTicks stays empty), for a caller that writes them out as they come.
SequenceTiming MeasureTiming(const CTallowmereDoc& doc,
                             const std::function<void(double loopTicks)>& eachLoop);

// A list's pass kept current one record at a time, so a command that adds, changes or removes
// one effect measures that effect, not the whole list again.
class CPassTally {
public:
    // Brings the tally up to `doc`'s list: only the record of its last change is counted when
    // the tally saw the list just before that change, else the whole list.
    void Follow(const CTallowmereDoc& doc);
    // The pass and total of the list followed last, with `doc`'s count and repeat.
    SequenceTiming Timing(const CTallowmereDoc& doc) const;

private:
    void Recount(const CTallowmereDoc& doc);
    void Count(const CEffect& effect, int sign);

    double m_endingTicks = 0;           // the shares of the effects that end
    long long m_endless = 0;            // effects whose loop count makes them play without end
    bool m_exact = true;                // false once a sum has grown past what doubles hold exactly
    std::optional<uint64_t> m_version;  // the list version counted
};

// The durations in words, seconds to two decimals: "One pass: 1.23 s", with all passes when
// the sequence repeats a number of times or the note that it repeats without end, or the
// message that it plays without end when an effect never ends.
// `say` gives each text in the language it is shown in (the English original by default).
std::string DescribeTiming(const SequenceTiming& timing, int repeat,
                           const std::function<std::string(const char*)>& say = {});

}  // namespace glintwick
