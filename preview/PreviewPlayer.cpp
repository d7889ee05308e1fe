// The main preview's tick: end of pass, next effect, frame, in this order.
#include "preview/PreviewPlayer.h"

#include <algorithm>

#include "effects/EffectCatalogue.h"
#include "model/TallowmereDoc.h"

namespace glintwick {

namespace {
const WordList kNoWords;
}

int PlayableSpeed(int speed) { return std::clamp(speed, 1, 20); }

int FramePeriodTicks(int speed) { return 21 - PlayableSpeed(speed); }

void CPreviewPlayer::Start() {
    m_nEffectCount = m_doc.GetCount();
    m_nRepeat = m_doc.GetRepeat();
    m_nCurRepeat = 1;
    m_nCurEffect = -1;
    m_nCurLoop = 0;
    m_nStep = 0;
    m_nTicks = 0;
    m_nLoops = 0;
}

PlayerTick CPreviewPlayer::Tick() {
    PlayerTick result;
    // End of a pass: stop, or rewind so that the first effect loads on this same tick.
    if (m_nCurEffect == m_nEffectCount) {
        if (m_nCurRepeat == m_nRepeat) {
            result.action = PlayerTick::Action::Stop;
            return result;
        }
        if (m_nRepeat > 0) ++m_nCurRepeat;
        m_nCurEffect = -1;
        m_nCurLoop = m_nLoops;
    }
    // Next effect once the current one has played its loops.
    if (m_nCurLoop == m_nLoops) {
        ++m_nCurEffect;
        if (m_nCurEffect == m_nEffectCount) return result;
        const CEffect* effect = m_doc.GetAt(m_nCurEffect);
        m_strText = effect->GetText();
        m_nEffect = effect->GetEffect();
        // Only the word-based effects split their text.
        m_pWords = IsWordBasedEffect(m_nEffect) ? &effect->GetWords() : nullptr;
        m_nSpeed = effect->GetSpeed();
        m_nLoops = effect->GetLoops();
        m_nCurLoop = 0;
        m_nStep = 1;
        m_nTicks = 0;
    }
    // A frame every period; the empty frame ends a loop and shows nothing new.
    if (FramePeriodTicks(m_nSpeed) - m_nTicks == 0) {
        std::string frame =
            FrameFor(m_nEffect, m_strText, m_pWords ? *m_pWords : kNoWords, m_nStep);
        ++m_nStep;
        m_nTicks = 0;
        if (!frame.empty()) {
            result.action = PlayerTick::Action::Show;
            result.frame = std::move(frame);
        } else {
            m_nStep = 1;
            ++m_nCurLoop;
        }
    }
    ++m_nTicks;
    return result;
}

}  // namespace glintwick
