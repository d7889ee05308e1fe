// The main preview's state machine: plays the whole project as the generated script does.
#pragma once

#include <string>

#include "model/Effect.h"

namespace glintwick {

class CTallowmereDoc;

// What one tick asks the window to do.
struct PlayerTick {
    enum class Action { None, Show, Stop };
    Action action = Action::None;
    std::string frame;  // the text to show, with Action::Show
};

// The speed the players time an effect with: values outside 1 to 20 (possible only from an
// altered project file) count as the nearer of 1 and 20, so no effect stalls a preview.
int PlayableSpeed(int speed);
// The players' clock, as the page's: one tick every 10 ms.
inline constexpr int kTickMilliseconds = 10;
// Ticks from one frame to the next at `speed` (the page's rule, 21 - speed, on the playable
// speed): 20 at speed 1, 1 at speed 20.
int FramePeriodTicks(int speed);

class CPreviewPlayer {
public:
    explicit CPreviewPlayer(const CTallowmereDoc& doc) : m_doc(doc) {}

    // Takes the effect and repeat counts and rewinds to before the first effect.
    void Start();
    // One timer tick; the window shows the frame or stops the preview as told.
    PlayerTick Tick();

    // The effect now playing (-1 before the first) and the step of the next frame.
    int CurrentEffect() const { return m_nCurEffect; }
    int NextStep() const { return m_nStep; }

private:
    int m_nEffectCount = 0;
    int m_nRepeat = 0;
    int m_nCurRepeat = 1;
    int m_nCurEffect = -1;
    int m_nCurLoop = 0;
    int m_nStep = 0;
    int m_nTicks = 0;
    std::string m_strText;
    // The current record's word list, for the word-based effects only (null for the others):
    // the record owns it, and every change to the records stops the player first.
    const WordList* m_pWords = nullptr;
    int m_nEffect = 0;
    int m_nSpeed = CEffect::kDefaultSpeed;
    int m_nLoops = 0;
    const CTallowmereDoc& m_doc;
};

}  // namespace glintwick
