// The Effect dialog's preview: one effect played loop after loop, restarted on every change.
#pragma once

#include <optional>
#include <string>

#include "model/Effect.h"

namespace glintwick {

class CEffectPreviewTicker {
public:
    CEffectPreviewTicker(std::string text, int effect, int speed);

    // True when the live controls no longer match what the preview plays.
    bool Differs(const std::string& text, int effect, int speed) const;
    // Takes new values over and begins again at step 1 at the next frame time; the countdown
    // and the shown frame are kept.
    void Restart(std::string text, int effect, int speed);
    // One timer tick; returns the text to show when a non-empty frame is due.
    std::optional<std::string> Tick();

    // What the preview plays and the frame it computed last.
    const std::string& Text() const { return m_strText; }
    const std::string& Frame() const { return m_strFrame; }

private:
    void SplitForWordEffects();

    std::string m_strText;
    int m_nEffect;
    int m_nSpeed;
    WordList m_words;
    int m_nStep = 0;
    int m_nCountdown = 0;
    std::string m_strFrame;
};

}  // namespace glintwick
