// The flash count over the player's timeline: a sliding second, read pass by pass.
#include "preview/FlashCheck.h"

#include <algorithm>
#include <array>
#include <map>
#include <memory>

#include "model/TallowmereDoc.h"
#include "preview/PreviewPlayer.h"

namespace glintwick {

namespace {

constexpr int kSecondTicks = 1000 / kTickMilliseconds;
// The most a check reads: a unit a tick and a unit a byte of every frame shown, at most about
// 0.7 s on this project's machine. A project of ordinary size repeats, or ends, long before.
constexpr long long kWorkBudget = 200'000'000;

// What the count carries from one tick to the next.
class FlashState {
public:
    // Shows `frame` at `tick`; true when it changes the display. Returns in `flashes` the
    // flashes within the second up to `tick` when the change completes one, else 0.
    bool Show(std::string& frame, long long tick, int& flashes) {
        flashes = 0;
        if (frame == m_shown) return false;
        const bool completes = m_before && !m_pairedLast && frame == *m_before;
        m_before = std::move(m_shown);
        m_shown = std::move(frame);
        m_pairedLast = completes;
        if (completes) {
            Expire(tick);
            // At most one change a tick: the ring holds every flash of one second.
            m_recent[static_cast<size_t>((m_oldest + m_count) % kSecondTicks)] = tick;
            flashes = ++m_count;
        }
        return true;
    }

    // Forgets the flashes older than the second up to `tick`.
    void Expire(long long tick) {
        while (m_count > 0 && m_recent[static_cast<size_t>(m_oldest)] <= tick - kSecondTicks) {
            m_oldest = (m_oldest + 1) % kSecondTicks;
            --m_count;
        }
    }

    // True when this state at `tick` and `other` at `otherTick` (both expired there) lead to the
    // same counts from then on.
    bool SameAs(long long tick, const FlashState& other, long long otherTick) const {
        if (m_shown != other.m_shown || m_before != other.m_before ||
            m_pairedLast != other.m_pairedLast || m_count != other.m_count)
            return false;
        for (int i = 0; i < m_count; ++i)
            if (At(i) - tick != other.At(i) - otherTick) return false;
        return true;
    }

private:
    long long At(int i) const {
        return m_recent[static_cast<size_t>((m_oldest + i) % kSecondTicks)];
    }

    std::string m_shown;                  // on display; the page starts with nothing
    std::optional<std::string> m_before;  // the distinct text shown before it
    bool m_pairedLast = false;            // the last change completed a flash, so it starts none
    std::array<long long, kSecondTicks> m_recent{};  // the ticks of the flashes of the last second
    int m_oldest = 0;
    int m_count = 0;
};

struct PassEnd {
    FlashState state;
    long long tick = 0;
};

}  // namespace

TimelineCheck CheckTimeline(const CTallowmereDoc& doc) {
    TimelineCheck result;
    const int effects = doc.GetCount();
    if (effects == 0) return result;
    CPreviewPlayer player(doc);
    player.Start();
    FlashState state;
    std::map<int, FlashFinding> found;
    std::optional<PassEnd> previous, earlier;  // the ends of the last two passes
    long long tick = 0, work = 0, passes = 0, passTicks = 0, lastChange = 0;
    bool repeats = false;
    while (!repeats) {
        if (work >= kWorkBudget) {
            result.complete = false;
            break;
        }
        ++tick;
        ++work;
        PlayerTick step = player.Tick();
        if (step.action == PlayerTick::Action::Stop) break;
        if (step.action == PlayerTick::Action::Show) {
            work += static_cast<long long>(step.frame.size());
            int flashes = 0;
            if (state.Show(step.frame, tick, flashes)) lastChange = tick;
            result.mostFlashes = std::max(result.mostFlashes, flashes);
            if (flashes > kMaxFlashesPerSecond) {
                const int effect = player.CurrentEffect();
                auto [entry, added] =
                    found.try_emplace(effect, FlashFinding{effect, flashes, tick});
                if (!added && flashes > entry->second.flashes)
                    entry->second = {effect, flashes, tick};
            }
        }
        if (player.CurrentEffect() != effects) continue;
        // A pass ends on this tick. Every pass plays the same frames at the same offsets, so
        // once one ends in the state an earlier one ended in, the passes after it repeat the
        // ones read since (an alternation can make it the end before last).
        if (++passes == 1) passTicks = tick;
        state.Expire(tick);
        for (const std::optional<PassEnd>* end : {&previous, &earlier})
            if (*end && state.SameAs(tick, (*end)->state, (*end)->tick)) repeats = true;
        earlier = std::move(previous);
        previous = PassEnd{state, tick};
    }
    result.examinedTicks = tick;
    for (const auto& entry : found) result.flashes.push_back(entry.second);
    result.lastChangeTick = static_cast<double>(lastChange);
    if (repeats && lastChange > tick - passTicks) {
        // The last pass read changed the display, and so does every pass after it.
        const int repeat = doc.GetRepeat();
        if (repeat <= 0)
            result.lastChangeTick = std::nullopt;
        else
            *result.lastChangeTick += static_cast<double>(repeat - passes) * passTicks;
    }
    return result;
}

int FlashesOnItsOwn(const std::string& text, int effect, int speed) {
    CTallowmereDoc doc;
    doc.InitNewProject();  // which repeats forever
    doc.AppendLoaded(std::make_unique<CEffect>(text, effect, speed, 1));
    return CheckTimeline(doc).mostFlashes;
}

}  // namespace glintwick
