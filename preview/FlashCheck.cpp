// The flash count over the player's timeline: a sliding second, read pass by pass.
#include "preview/FlashCheck.h"

#include <algorithm>
#include <array>
#include <deque>
#include <functional>
#include <limits>
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

// What the page shows of a frame: the strip keeps blanks as they are but trailing ones show
// nothing, so "Sale " looks like "Sale" and " " like nothing at all.
std::string AsShown(std::string frame) {
    frame.erase(frame.find_last_not_of(' ') + 1);
    return frame;
}

// What the count carries from one tick to the next.
class FlashState {
public:
    // Shows `frame` at `tick`; true when it changes the display. Returns in `flashes` the
    // flashes within the second up to `tick` when the change completes one, else 0.
    bool Show(std::string frame, long long tick, int& flashes) {
        flashes = 0;
        frame = AsShown(std::move(frame));
        if (frame == m_shown.text) return false;
        Expire(tick);
        const size_t hash = std::hash<std::string>{}(frame);
        // The text comes back when it was on show within the last second, and came on no
        // earlier than the change that completed the last flash: no change is in two flashes.
        bool completes = false;
        for (auto it = m_history.rbegin(); it != m_history.rend(); ++it) {
            if (it->hash != hash || it->text != frame) continue;
            completes = it->tick >= m_lastFlash;
            break;
        }
        m_history.push_back(m_shown);
        m_shown = {std::move(frame), hash, tick};
        if (completes) {
            m_lastFlash = tick;
            // At most one change a tick: the ring holds every flash of one second.
            m_recent[static_cast<size_t>((m_oldest + m_count) % kSecondTicks)] = tick;
            flashes = ++m_count;
        }
        return true;
    }

    // Forgets the flashes and the texts older than the second up to `tick`.
    void Expire(long long tick) {
        while (m_count > 0 && m_recent[static_cast<size_t>(m_oldest)] <= tick - kSecondTicks) {
            m_oldest = (m_oldest + 1) % kSecondTicks;
            --m_count;
        }
        // A text stays in the history while it was on show within the last second: it went
        // when the next one came.
        while (!m_history.empty() &&
               (m_history.size() > 1 ? m_history[1].tick : m_shown.tick) <= tick - kSecondTicks)
            m_history.pop_front();
    }

    // True when this state at `tick` and `other` at `otherTick` (both expired there) lead to the
    // same counts from then on.
    bool SameAs(long long tick, const FlashState& other, long long otherTick) const {
        // Ticks more than a second back all count alike.
        const auto ago = [](long long then, long long now) {
            return std::max(then - now, -static_cast<long long>(kSecondTicks) - 1);
        };
        const auto same = [&](const Shown& a, const Shown& b) {
            return a.text == b.text && ago(a.tick, tick) == ago(b.tick, otherTick);
        };
        if (!same(m_shown, other.m_shown) || m_count != other.m_count ||
            m_history.size() != other.m_history.size() ||
            ago(m_lastFlash, tick) != ago(other.m_lastFlash, otherTick))
            return false;
        for (size_t i = 0; i < m_history.size(); ++i)
            if (!same(m_history[i], other.m_history[i])) return false;
        for (int i = 0; i < m_count; ++i)
            if (At(i) - tick != other.At(i) - otherTick) return false;
        return true;
    }

private:
    struct Shown {
        std::string text;
        size_t hash = std::hash<std::string>{}(std::string());
        long long tick = 0;  // when it came on show
    };

    long long At(int i) const {
        return m_recent[static_cast<size_t>((m_oldest + i) % kSecondTicks)];
    }

    Shown m_shown;                // on display; the page starts with nothing
    std::deque<Shown> m_history;  // the texts shown before it, oldest first
    long long m_lastFlash = std::numeric_limits<long long>::min() / 2;
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
    // Shows a text at `at`; a flash it completes past the limit counts against `effect`.
    const auto show = [&](const std::string& text, long long at, int effect) {
        int flashes = 0;
        const bool changed = state.Show(text, at, flashes);
        result.mostFlashes = std::max(result.mostFlashes, flashes);
        if (flashes > kMaxFlashesPerSecond) {
            auto [entry, added] = found.try_emplace(effect, FlashFinding{effect, flashes, at});
            if (!added) entry->second.flashes = std::max(entry->second.flashes, flashes);
        }
        return changed;
    };
    int period = 0;  // in passes, once they repeat
    while (period == 0) {
        if (work >= kWorkBudget) {
            result.complete = false;
            break;
        }
        ++tick;
        ++work;
        const PlayerTick step = player.Tick();
        // The page ends on the final text, which the last effect's frames lead to.
        if (step.action == PlayerTick::Action::Stop) {
            if (show(doc.GetFinalText(), tick, effects - 1)) lastChange = tick;
            break;
        }
        if (step.action == PlayerTick::Action::Show) {
            work += static_cast<long long>(step.frame.size());
            if (show(step.frame, tick, player.CurrentEffect())) lastChange = tick;
        }
        if (player.CurrentEffect() != effects) continue;
        // A pass ends on this tick. Every pass plays the same frames at the same offsets, so
        // once one ends in the state an earlier one ended in, the passes after it repeat the
        // ones read since (an alternation can make it the end before last).
        if (++passes == 1) passTicks = tick;
        state.Expire(tick);
        if (earlier && state.SameAs(tick, earlier->state, earlier->tick)) period = 2;
        if (previous && state.SameAs(tick, previous->state, previous->tick)) period = 1;
        earlier = std::move(previous);
        previous = PassEnd{state, tick};
    }
    result.examinedTicks = tick;
    result.lastChangeTick = static_cast<double>(lastChange);
    const int repeat = doc.GetRepeat();
    const bool repeats = period > 0;
    if (repeats && lastChange > tick - passTicks) {
        // The last pass read changed the display, and so does every pass after it.
        if (repeat <= 0)
            result.lastChangeTick = std::nullopt;
        else
            *result.lastChangeTick += static_cast<double>(repeat - passes) * passTicks;
    }
    // The last pass ends as the pass read that many passes before it did, and the final text
    // follows on the next tick.
    if (repeats && repeat > 0) {
        const long long left = repeat - passes;
        long long end = tick;
        if (period == 2 && left % 2 != 0) {
            state = earlier->state;
            end = earlier->tick;
        }
        if (show(doc.GetFinalText(), end + 1, effects - 1))
            result.lastChangeTick =
                static_cast<double>(tick + 1) + static_cast<double>(left) * passTicks;
    }
    for (const auto& entry : found) result.flashes.push_back(entry.second);
    return result;
}

int FlashesOnItsOwn(const std::string& text, int effect, int speed) {
    CTallowmereDoc doc;
    doc.InitNewProject();  // which repeats forever
    // As many loops as an effect may have: the effect looping, as it flashes most.
    doc.AppendLoaded(text, effect, speed, CEffect::kMaxLoops);
    return CheckTimeline(doc).mostFlashes;
}

}  // namespace glintwick
