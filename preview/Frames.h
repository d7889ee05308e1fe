// The native frame functions: the string each effect shows at a step, empty at a loop's end.
#pragma once

#include <string>

#include "model/Effect.h"

namespace glintwick {

std::string FrameTypewriterLetters(const std::string& text, int step);
std::string FrameTypewriterWords(const std::string& text, const WordList& words, int step);
std::string FrameScrollLeftToRight(const std::string& text, int step);
std::string FrameScrollRightToLeft(const std::string& text, int step);
std::string FrameFlashing(const std::string& text, int step);
std::string FrameStarAcross(const std::string& text, int step);
std::string FrameUppercaseAcross(const std::string& text, int step);
std::string FrameExpand(const std::string& text, int step);
std::string FrameShrink(const std::string& text, int step);
std::string FrameShootingLetters(const std::string& text, int step);
std::string FrameShootingWords(const std::string& text, const WordList& words, int step);
std::string FrameNoEffect(const std::string& text, int step);

// The frame of effect `effect` at `step`; the word-based effects take `words`, the list of
// `text`'s words (split only for them), the others `text` alone. An index outside the
// catalogue gives the empty frame.
std::string FrameFor(int effect, const std::string& text, const WordList& words, int step);

}  // namespace glintwick
