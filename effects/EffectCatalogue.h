// The effect catalogue: the one place an effect is described, a row per effect index.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "effects/Frames.h"
#include "model/Effect.h"

namespace glintwick {

struct EffectKind {
    // Every part given: a row that leaves one out does not compile.
    constexpr EffectKind(EffectIndex index, const char* name, bool wordBased, FrameFunction frame,
                         FrameCountFunction framesPerLoop, const char* scriptFunction)
        : index(index),
          name(name),
          wordBased(wordBased),
          frame(frame),
          framesPerLoop(framesPerLoop),
          scriptFunction(scriptFunction) {}

    EffectIndex index;
    // The name the Effect dialog and the list show, marked for translation (English here).
    const char* name;
    // Plays its text word by word: records split it into words, and the script stores them.
    bool wordBased;
    FrameFunction frame;
    FrameCountFunction framesPerLoop;
    // The generated script's function for the effect, "function stEffect<index>(...".
    const char* scriptFunction;
};

// Every row, in index order.
std::span<const EffectKind> EffectCatalogue();
// The row of effect `index`; nullptr for an index outside the catalogue (a file may hold one).
const EffectKind* FindEffectKind(int index);
// The one definition of a word-based effect; false outside the catalogue.
bool IsWordBasedEffect(int index);

// The highest effect number as texts that give the range say it ("0 to 11").
std::string LastEffectNumber();

// The frame of effect `effect` at `step`; the word-based effects take `words`, the list of
// `text`'s words (split only for them), the others `text` alone. An index outside the
// catalogue gives the empty frame.
std::string FrameFor(int effect, const std::string& text, const WordList& words, int step);
// The non-empty frames of one loop of `effect` over `text`; none outside the catalogue.
double FramesPerLoop(int effect, std::string_view text);

}  // namespace glintwick
