// Durations from frame counts: the players' tick rules in closed form.
#include "preview/SequenceTiming.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "model/CoreTexts.h"
#include "model/MessageFormat.h"
#include "model/TallowmereDoc.h"
#include "preview/PreviewPlayer.h"

namespace glintwick {

namespace {

// Frame calls in one loop: the non-empty frames and the call that ends the loop. Closed forms
// of the frame rules, so that a project of thousands of long texts is measured at once.
double FrameCallsPerLoop(const CEffect& effect) {
    const double length = static_cast<double>(effect.GetText().size());
    const double half = std::floor(length / 2);
    double frames = 0;
    switch (static_cast<EffectIndex>(effect.GetEffect())) {
        case EffectIndex::TypewriterLetters:
        case EffectIndex::ScrollLeftToRight:
        case EffectIndex::ScrollRightToLeft:
        case EffectIndex::StarAcross:
        case EffectIndex::UppercaseAcross: frames = length; break;
        case EffectIndex::TypewriterWords:
            ForEachWordEnd(effect.GetText(), [&](size_t) { ++frames; });
            break;
        case EffectIndex::Flashing: frames = length > 0 ? 5 : 0; break;
        case EffectIndex::Expand: frames = length > 0 ? half + 3 : 0; break;
        case EffectIndex::Shrink: frames = length > 1 ? half + 3 : 2 * length; break;
        case EffectIndex::ShootingLetters:
            frames = length > 0 ? (length + 1) * (length + 40) / 2 : 19;
            break;
        case EffectIndex::ShootingWords: {
            // Each word flies in from the text's length plus 20 less what already stands.
            double placed = 0;
            ForEachWordEnd(effect.GetText(), [&](size_t end) {
                frames += length + 20 - placed;
                placed = static_cast<double>(end);
            });
            break;
        }
        case EffectIndex::NoEffect: frames = length > 0 ? 3 : 0; break;
        default: frames = 0; break;
    }
    return frames + 1;
}

}  // namespace

SequenceTiming MeasureTiming(const CTallowmereDoc& doc, bool perEffect) {
    SequenceTiming timing;
    timing.effects = doc.GetCount();
    if (perEffect) timing.loopTicks.reserve(static_cast<size_t>(doc.GetCount()));
    double pass = 1;  // the idle tick after the last effect
    bool endless = false;
    for (int i = 0; i < doc.GetCount(); ++i) {
        const CEffect& effect = *doc.GetAt(i);
        const double period = FramePeriodTicks(effect.GetSpeed());
        const double loop = FrameCallsPerLoop(effect) * period;
        if (perEffect) timing.loopTicks.push_back(loop);
        if (effect.GetLoops() < 0) endless = true;  // its loop counter never meets the count
        pass += 1 + static_cast<double>(std::max(effect.GetLoops(), 0)) * loop;
    }
    if (!endless) {
        timing.passTicks = pass;
        if (doc.GetRepeat() > 0) timing.totalTicks = pass * doc.GetRepeat();
    }
    return timing;
}

std::string DescribeTiming(const SequenceTiming& timing, int repeat) {
    auto seconds = [](double ticks) {
        char text[400];
        std::snprintf(text, sizeof text, "%.2f", ticks * kTickMilliseconds / 1000.0);
        return std::string(text);
    };
    if (timing.effects == 0) return str::kNoEffectsDuration;
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
