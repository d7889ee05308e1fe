// The twelve native frame functions.
#include "preview/Frames.h"

#include "model/CodePage.h"

namespace glintwick {

namespace {

using Size = std::string::size_type;

std::string Spaces(long long n) { return n > 0 ? std::string(static_cast<Size>(n), ' ') : ""; }
std::string Left(const std::string& text, long long n) {
    return n <= 0 ? std::string() : text.substr(0, static_cast<Size>(n));
}
std::string Right(const std::string& text, long long n) {
    if (n <= 0) return std::string();
    const auto count = std::min<Size>(static_cast<Size>(n), text.size());
    return text.substr(text.size() - count);
}
long long Length(const std::string& text) { return static_cast<long long>(text.size()); }

}  // namespace

std::string FrameTypewriterLetters(const std::string& text, int step) {
    return step > Length(text) ? std::string() : Left(text, step);
}

std::string FrameTypewriterWords(const std::string& text, const WordList& words, int step) {
    if (step > static_cast<long long>(words.size())) return std::string();
    // The first `step` words joined are the text up to the end of the last of them.
    return step <= 0 ? std::string() : text.substr(0, words.End(static_cast<Size>(step - 1)));
}

std::string FrameScrollLeftToRight(const std::string& text, int step) {
    return step > Length(text) ? std::string() : Right(text, step);
}

std::string FrameScrollRightToLeft(const std::string& text, int step) {
    return step > Length(text) ? std::string() : Spaces(Length(text) - step) + Left(text, step);
}

std::string FrameFlashing(const std::string& text, int step) {
    if (step <= 3) return text;
    return step <= 5 ? std::string(" ") : std::string();
}

std::string FrameStarAcross(const std::string& text, int step) {
    if (step > Length(text)) return std::string();
    return Left(text, step) + "*" + Right(text, Length(text) - step);
}

std::string FrameUppercaseAcross(const std::string& text, int step) {
    if (step > Length(text)) return std::string();
    std::string frame = text;
    frame[static_cast<Size>(step - 1)] = CodePageToUpper(frame[static_cast<Size>(step - 1)]);
    return frame;
}

std::string FrameExpand(const std::string& text, int step) {
    const long long half = Length(text) / 2;
    if (step > half + 3) return std::string();
    if (step > half) return text;
    return Spaces(half - step) + Left(text, step) + Right(text, step);
}

std::string FrameShrink(const std::string& text, int step) {
    const long long half = Length(text) / 2;
    if (step > half + 3) return std::string();
    if (step < 3) return text;
    const long long keep = half - step + 3;
    return Spaces(step - 3) + Left(text, keep) + Right(text, keep);
}

std::string FrameShootingLetters(const std::string& text, int step) {
    const long long length = Length(text);
    long long n = length + 20, used = 0, placed = 0, within = step;
    while (used + n < step) {
        used += n;
        within -= n;
        ++placed;
        --n;
    }
    if (placed > length) return std::string();
    const std::string flying = placed < length ? text.substr(static_cast<Size>(placed), 1) : "";
    return Left(text, placed) + Spaces(n - within) + flying;
}

std::string FrameShootingWords(const std::string& text, const WordList& words, int step) {
    long long n = Length(text) + 20, used = 0, within = step;
    Size placed = 0;
    while (used + n < step && placed < words.size()) {
        used += n;
        within -= n;
        n -= static_cast<long long>(words.Length(placed));
        ++placed;
    }
    if (placed >= words.size()) return std::string();
    // The words placed so far are the text up to where the flying word starts.
    return text.substr(0, words.Start(placed)) + Spaces(n - within) +
           std::string(words.Word(text, placed));
}

std::string FrameNoEffect(const std::string& text, int step) {
    return step > 3 ? std::string() : text;
}

std::string FrameFor(int effect, const std::string& text, const WordList& words, int step) {
    switch (static_cast<EffectIndex>(effect)) {
        case EffectIndex::TypewriterLetters: return FrameTypewriterLetters(text, step);
        case EffectIndex::TypewriterWords: return FrameTypewriterWords(text, words, step);
        case EffectIndex::ScrollLeftToRight: return FrameScrollLeftToRight(text, step);
        case EffectIndex::ScrollRightToLeft: return FrameScrollRightToLeft(text, step);
        case EffectIndex::Flashing: return FrameFlashing(text, step);
        case EffectIndex::StarAcross: return FrameStarAcross(text, step);
        case EffectIndex::UppercaseAcross: return FrameUppercaseAcross(text, step);
        case EffectIndex::Expand: return FrameExpand(text, step);
        case EffectIndex::Shrink: return FrameShrink(text, step);
        case EffectIndex::ShootingLetters: return FrameShootingLetters(text, step);
        case EffectIndex::ShootingWords: return FrameShootingWords(text, words, step);
        case EffectIndex::NoEffect: return FrameNoEffect(text, step);
        default: return std::string();
    }
}

}  // namespace glintwick
