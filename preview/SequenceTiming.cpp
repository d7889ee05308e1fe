// Durations from frame counts: the players' tick rules in closed form.
#include "preview/SequenceTiming.h"

#include <cstdio>

#include "model/FileError.h"
#include "model/TallowmereDoc.h"
#include "preview/PreviewPlayer.h"
#include "resources/StringTable.h"

namespace glintwick {

namespace {

// Frame calls in one loop: the non-empty frames and the call that ends the loop. Closed forms
// of the frame rules, so that a project of thousands of long texts is measured at once.
long long FrameCallsPerLoop(CEffect& effect) {
    const long long length = static_cast<long long>(effect.GetText().size());
    const long long half = length / 2;
    long long frames = 0;
    switch (effect.GetEffect()) {
        case 0:
        case 2:
        case 3:
        case 5:
        case 6:
            frames = length;
            break;
        case 1:
            frames = static_cast<long long>(effect.GetWords().size());
            break;
        case 4:
            frames = length > 0 ? 5 : 0;
            break;
        case 7:
            frames = length > 0 ? half + 3 : 0;
            break;
        case 8:
            frames = length > 1 ? half + 3 : 2 * length;
            break;
        case 9:
            frames = length > 0 ? (length + 1) * (length + 40) / 2 : 19;
            break;
        case 10: {
            const WordList& words = effect.GetWords();
            long long placed = 0;
            for (const auto& word : words) {
                frames += length + 20 - placed;
                placed += static_cast<long long>(word.size());
            }
            break;
        }
        case 11:
            frames = length > 0 ? 3 : 0;
            break;
        default:
            frames = 0;
            break;
    }
    return frames + 1;
}

}  // namespace

SequenceTiming MeasureTiming(CTallowmereDoc& doc) {
    SequenceTiming timing;
    long long pass = 1;  // the idle tick after the last effect
    bool endless = false;
    for (int i = 0; i < doc.GetCount(); ++i) {
        CEffect& effect = *doc.GetAt(i);
        const long long period = 21 - PlayableSpeed(effect.GetSpeed());
        const long long loop = FrameCallsPerLoop(effect) * period;
        timing.loopTicks.push_back(loop);
        if (effect.GetLoops() < 0) endless = true;  // its loop counter never meets the count
        pass += 1 + static_cast<long long>(std::max(effect.GetLoops(), 0)) * loop;
    }
    if (!endless) {
        timing.passTicks = pass;
        if (doc.GetRepeat() > 0) timing.totalTicks = pass * doc.GetRepeat();
    }
    return timing;
}

std::string DescribeTiming(const SequenceTiming& timing, int repeat) {
    auto seconds = [](long long ticks) {
        char text[32];
        std::snprintf(text, sizeof text, "%.2f",
                      static_cast<double>(ticks) * SequenceTiming::kTickMilliseconds / 1000.0);
        return std::string(text);
    };
    if (timing.loopTicks.empty()) return str::kNoEffectsDuration;
    if (timing.passTicks && timing.totalTicks && repeat > 1)
        return FormatMessage(str::kTotalDuration, seconds(*timing.passTicks),
                             seconds(*timing.totalTicks));
    // A count below 0 (only from a file) plays forever, as 0 does.
    if (timing.passTicks && repeat <= 0)
        return FormatMessage(str::kForeverDuration, seconds(*timing.passTicks));
    if (timing.passTicks) return FormatMessage(str::kPassDuration, seconds(*timing.passTicks));
    return str::kEndlessDuration;
}

}  // namespace glintwick
