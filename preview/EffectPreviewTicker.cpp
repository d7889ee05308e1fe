// The Effect dialog's preview ticker: a frame every 22 - speed ticks.
#include "preview/EffectPreviewTicker.h"

#include "effects/EffectCatalogue.h"
#include "preview/PreviewPlayer.h"

namespace glintwick {

CEffectPreviewTicker::CEffectPreviewTicker(std::string text, int effect, int speed)
    : m_strText(std::move(text)), m_nEffect(effect), m_nSpeed(speed) {
    SplitForWordEffects();
}

// Only the word-based effects split their text.
void CEffectPreviewTicker::SplitForWordEffects() {
    if (IsWordBasedEffect(m_nEffect))
        SplitTextIntoWords(m_strText, m_words);
    else
        m_words.clear();
}

bool CEffectPreviewTicker::Differs(const std::string& text, int effect, int speed) const {
    return text != m_strText || effect != m_nEffect || speed != m_nSpeed;
}

void CEffectPreviewTicker::Restart(std::string text, int effect, int speed) {
    m_strText = std::move(text);
    m_nEffect = effect;
    m_nSpeed = speed;
    SplitForWordEffects();
    m_nStep = 0;
}

std::optional<std::string> CEffectPreviewTicker::Tick() {
    if (m_nCountdown != 0) {
        --m_nCountdown;
        return std::nullopt;
    }
    // Counting down from one period takes one tick more: a frame every 22 - speed ticks.
    m_nCountdown = FramePeriodTicks(m_nSpeed);
    if (CEffect::IsValidEffectIndex(m_nEffect)) {
        ++m_nStep;
        m_strFrame = FrameFor(m_nEffect, m_strText, m_words, m_nStep);
    }
    if (m_strFrame.empty()) {
        m_nStep = 0;
        return std::nullopt;
    }
    return m_strFrame;
}

}  // namespace glintwick
