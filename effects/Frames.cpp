// The native frame functions and their frame counts.
#include "effects/Frames.h"

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

std::string FrameTypewriterLetters(const std::string& text, const WordList&, int step) {
    return step > Length(text) ? std::string() : Left(text, step);
}

std::string FrameTypewriterWords(const std::string& text, const WordList& words, int step) {
    if (step > static_cast<long long>(words.size())) return std::string();
    // The first `step` words joined are the text up to the end of the last of them.
    return step <= 0 ? std::string() : text.substr(0, words.End(static_cast<Size>(step - 1)));
}

std::string FrameScrollLeftToRight(const std::string& text, const WordList&, int step) {
    return step > Length(text) ? std::string() : Right(text, step);
}

std::string FrameScrollRightToLeft(const std::string& text, const WordList&, int step) {
    return step > Length(text) ? std::string() : Spaces(Length(text) - step) + Left(text, step);
}

std::string FrameFlashing(const std::string& text, const WordList&, int step) {
    if (step <= 3) return text;
    return step <= 5 ? std::string(" ") : std::string();
}

std::string FrameStarAcross(const std::string& text, const WordList&, int step) {
    if (step > Length(text)) return std::string();
    return Left(text, step) + "*" + Right(text, Length(text) - step);
}

std::string FrameUppercaseAcross(const std::string& text, const WordList&, int step) {
    if (step > Length(text)) return std::string();
    std::string frame = text;
    frame[static_cast<Size>(step - 1)] = CodePageToUpper(frame[static_cast<Size>(step - 1)]);
    return frame;
}

std::string FrameExpand(const std::string& text, const WordList&, int step) {
    const long long half = Length(text) / 2;
    if (step > half + 3) return std::string();
    if (step > half) return text;
    return Spaces(half - step) + Left(text, step) + Right(text, step);
}

std::string FrameShrink(const std::string& text, const WordList&, int step) {
    const long long half = Length(text) / 2;
    if (step > half + 3) return std::string();
    if (step < 3) return text;
    const long long keep = half - step + 3;
    return Spaces(step - 3) + Left(text, keep) + Right(text, keep);
}

std::string FrameShootingLetters(const std::string& text, const WordList&, int step) {
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

std::string FrameNoEffect(const std::string& text, const WordList&, int step) {
    return step > 3 ? std::string() : text;
}

// The frame counts: closed forms of the rules above.

double FrameCountOnePerLetter(std::string_view text) { return static_cast<double>(text.size()); }

double FrameCountOnePerWord(std::string_view text) {
    double frames = 0;
    ForEachWordEnd(text, [&](size_t) { ++frames; });
    return frames;
}

double FrameCountFlashing(std::string_view text) { return text.empty() ? 0 : 5; }

double FrameCountExpand(std::string_view text) {
    return text.empty() ? 0 : static_cast<double>(text.size() / 2) + 3;
}

double FrameCountShrink(std::string_view text) {
    const double length = static_cast<double>(text.size());
    return text.size() > 1 ? static_cast<double>(text.size() / 2) + 3 : 2 * length;
}

double FrameCountShootingLetters(std::string_view text) {
    const double length = static_cast<double>(text.size());
    return length > 0 ? (length + 1) * (length + 40) / 2 : 19;
}

double FrameCountShootingWords(std::string_view text) {
    // Each word flies in from the text's length plus 20 less what already stands.
    const double length = static_cast<double>(text.size());
    double frames = 0, placed = 0;
    ForEachWordEnd(text, [&](size_t end) {
        frames += length + 20 - placed;
        placed = static_cast<double>(end);
    });
    return frames;
}

double FrameCountNoEffect(std::string_view text) { return text.empty() ? 0 : 3; }

}  // namespace glintwick
