// Durations from frame counts: the players' tick rules in closed form.
#include "preview/SequenceTiming.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "effects/EffectCatalogue.h"
#include "model/CoreTexts.h"
#include "model/MessageFormat.h"
#include "model/TallowmereDoc.h"
#include "preview/PreviewPlayer.h"

namespace glintwick {

namespace {

// One loop is a frame period for each non-empty frame and one for the call that ends it.
double LoopTicks(const CEffect& effect) {
    const double frameCalls = FramesPerLoop(effect.GetEffect(), effect.GetText()) + 1;
    return frameCalls * FramePeriodTicks(effect.GetSpeed());
}

// An effect's share of a pass: its loading tick and its loops; none when its loop counter never
// meets the count.
std::optional<double> PassShare(const CEffect& effect, double loop) {
    if (effect.GetLoops() < 0) return std::nullopt;
    return 1 + static_cast<double>(effect.GetLoops()) * loop;
}

constexpr double kExactTicks = 9007199254740992.0;  // 2^53

}  // namespace

void CPassTally::Follow(const CTallowmereDoc& doc) {
    const uint64_t version = doc.ListVersion();
    if (m_version == version) return;
    const ListChange& change = doc.LastListChange();
    const bool follows = m_version && *m_version + 1 == version && m_exact;
    switch (follows ? change.kind : ListChange::Kind::All) {
        case ListChange::Kind::Added: Count(*doc.GetAt(change.row), 1); break;
        case ListChange::Kind::Updated:
        case ListChange::Kind::Deleted:
            if (!change.before) {
                Recount(doc);
                break;
            }
            Count(*change.before, -1);
            if (change.kind == ListChange::Kind::Updated) Count(*doc.GetAt(change.row), 1);
            break;
        case ListChange::Kind::Moved: break;  // the order does not change a sum
        case ListChange::Kind::All: Recount(doc); break;
    }
    m_version = version;
}

void CPassTally::Recount(const CTallowmereDoc& doc) {
    *this = CPassTally();
    for (int i = 0; i < doc.GetCount(); ++i) Count(*doc.GetAt(i), 1);
}

void CPassTally::Count(const CEffect& effect, int sign) {
    const std::optional<double> share = PassShare(effect, LoopTicks(effect));
    if (!share) {
        m_endless += sign;
        return;
    }
    m_endingTicks += sign * *share;
    if (*share >= kExactTicks || m_endingTicks >= kExactTicks) m_exact = false;
}

SequenceTiming CPassTally::Timing(const CTallowmereDoc& doc) const {
    SequenceTiming timing;
    timing.effects = doc.GetCount();
    if (m_endless == 0) {
        timing.passTicks = 1 + m_endingTicks;  // and the idle tick after the last effect
        if (doc.GetRepeat() > 0) timing.totalTicks = *timing.passTicks * doc.GetRepeat();
    }
    return timing;
}

SequenceTiming MeasureTiming(const CTallowmereDoc& doc) {
    std::vector<double> loops;
    loops.reserve(static_cast<size_t>(doc.GetCount()));
    SequenceTiming timing = MeasureTiming(doc, [&](double loop) { loops.push_back(loop); });
    timing.loopTicks = std::move(loops);
    return timing;
}

SequenceTiming MeasureTiming(const CTallowmereDoc& doc,
                             const std::function<void(double loopTicks)>& eachLoop) {
    SequenceTiming timing;
    timing.effects = doc.GetCount();
    double pass = 1;  // the idle tick after the last effect
    bool endless = false;
    for (int i = 0; i < doc.GetCount(); ++i) {
        const CEffect& effect = *doc.GetAt(i);
        const double loop = LoopTicks(effect);
        eachLoop(loop);
        const std::optional<double> share = PassShare(effect, loop);
        endless = endless || !share;
        if (share) pass += *share;
    }
    if (!endless) {
        timing.passTicks = pass;
        if (doc.GetRepeat() > 0) timing.totalTicks = pass * doc.GetRepeat();
    }
    return timing;
}

std::string DescribeTiming(const SequenceTiming& timing, int repeat,
                           const std::function<std::string(const char*)>& say) {
    auto text = [&](const char* english) { return say ? say(english) : std::string(english); };
    auto seconds = [](double ticks) {
        char text[400];
        std::snprintf(text, sizeof text, "%.2f", ticks * kTickMilliseconds / 1000.0);
        return std::string(text);
    };
    if (timing.effects == 0) return text(str::kNoEffectsDuration);
    if (timing.passTicks && timing.totalTicks && repeat > 1)
        return FormatMessage(text(str::kTotalDuration).c_str(), seconds(*timing.passTicks),
                             seconds(*timing.totalTicks));
    // A count below 0 (only from a file) plays forever, as 0 does.
    if (timing.passTicks && repeat <= 0)
        return FormatMessage(text(str::kForeverDuration).c_str(), seconds(*timing.passTicks));
    if (timing.passTicks)
        return FormatMessage(text(str::kPassDuration).c_str(), seconds(*timing.passTicks));
    return text(str::kEndlessDuration);
}

}  // namespace glintwick
