// The native frame functions, each with the closed form of how many frames a loop of it shows.
#pragma once

#include <string>
#include <string_view>

#include "model/Effect.h"

namespace glintwick {

// The string an effect shows at `step` (from 1), empty at the loop's end. Every effect takes
// the text's words; only the word-based ones read them (the others are given an empty list).
using FrameFunction = std::string (*)(const std::string& text, const WordList& words, int step);
// The non-empty frames of one loop of an effect over `text`, without playing it, so that a
// project of thousands of long texts is measured at once.
using FrameCountFunction = double (*)(std::string_view text);

std::string FrameTypewriterLetters(const std::string& text, const WordList& words, int step);
std::string FrameTypewriterWords(const std::string& text, const WordList& words, int step);
std::string FrameScrollLeftToRight(const std::string& text, const WordList& words, int step);
std::string FrameScrollRightToLeft(const std::string& text, const WordList& words, int step);
std::string FrameFlashing(const std::string& text, const WordList& words, int step);
std::string FrameStarAcross(const std::string& text, const WordList& words, int step);
std::string FrameUppercaseAcross(const std::string& text, const WordList& words, int step);
std::string FrameExpand(const std::string& text, const WordList& words, int step);
std::string FrameShrink(const std::string& text, const WordList& words, int step);
std::string FrameShootingLetters(const std::string& text, const WordList& words, int step);
std::string FrameShootingWords(const std::string& text, const WordList& words, int step);
std::string FrameNoEffect(const std::string& text, const WordList& words, int step);

// One frame a letter (the typewriter, the scrolls, the star and the capital).
double FrameCountOnePerLetter(std::string_view text);
double FrameCountOnePerWord(std::string_view text);
double FrameCountFlashing(std::string_view text);
double FrameCountExpand(std::string_view text);
double FrameCountShrink(std::string_view text);
double FrameCountShootingLetters(std::string_view text);
double FrameCountShootingWords(std::string_view text);
double FrameCountNoEffect(std::string_view text);

}  // namespace glintwick
