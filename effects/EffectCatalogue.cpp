// The effect catalogue: one row per effect, all that the engine knows of it.
#include "effects/EffectCatalogue.h"

#include <iterator>

#include "model/Translatable.h"

namespace glintwick {

namespace {

// Row i is effect index i. Each row: the effect's index, its name as the Effect dialog lists it,
// whether it plays word by word, its native frame function, its frames per loop, and the
// generated script's function, which the script's player calls by its name stEffect<index>.
constexpr EffectKind kCatalogue[] = {
    {EffectIndex::TypewriterLetters, N_("Typewriter - letter by letter"), false,
     FrameTypewriterLetters, FrameCountOnePerLetter,
     "function stEffect0(text,step){if (step>text.length) return \"\";else return "
     "text.substring(0,step);}\r\n"},
    {EffectIndex::TypewriterWords, N_("Typewriter - word by word"), true, FrameTypewriterWords,
     FrameCountOnePerWord,
     "function stEffect1(text,step,es) {var wa=eval(es+\".stwa\"+text);if (step>wa.length) return "
     "\"\";else {for (var i=0,r=\"\"; i<step; i++) r+=wa[i];return r;}}\r\n"},
    {EffectIndex::ScrollLeftToRight, N_("Scroll left to right"), false, FrameScrollLeftToRight,
     FrameCountOnePerLetter,
     "function stEffect2(text,step) {if (step>text.length) return \"\";else return "
     "text.substring(text.length-step,text.length);}\r\n"},
    {EffectIndex::ScrollRightToLeft, N_("Scroll right to left"), false, FrameScrollRightToLeft,
     FrameCountOnePerLetter,
     "function stEffect3(text,step) {if (step>text.length) return \"\";else {for (var i=0,r=\"\"; "
     "i<text.length-step; i++) r+=\" \";return r+text;}}\r\n"},
    {EffectIndex::Flashing, N_("Flashing"), false, FrameFlashing, FrameCountFlashing,
     "function stEffect4(text,step) {if (step<=3) return text;if (step<=5) return \" \";return "
     "\"\";}\r\n"},
    {EffectIndex::StarAcross, N_("Star Across"), false, FrameStarAcross, FrameCountOnePerLetter,
     "function stEffect5(text,step){if (text.length<step) return \"\";return "
     "text.substring(0,step)+\"*\"+text.substring(step,text.length);}\r\n"},
    {EffectIndex::UppercaseAcross, N_("Uppercase Across"), false, FrameUppercaseAcross,
     FrameCountOnePerLetter,
     "function stEffect6(text,step){if (text.length<step) return \"\";return "
     "text.substring(0,step-1)+text.substring(step-1,step).toUpperCase()+text.substring(step,text."
     "length);}\r\n"},
    {EffectIndex::Expand, N_("Expand"), false, FrameExpand, FrameCountExpand,
     "function stEffect7(text,step){if (text.length/2+3<step) return \"\";if (text.length/2<step) "
     "return text;for (var i=0,s=\"\"; i<text.length/2-step; i++,s+=\" \");return "
     "s+text.substring(0,step)+text.substring(text.length-step,text.length);}\r\n"},
    {EffectIndex::Shrink, N_("Shrink"), false, FrameShrink, FrameCountShrink,
     "function stEffect8(text,step){if (text.length/2+3<step) return \"\";if (step<3) return "
     "text;for (var i=3,s=\"\"; i<step; i++,s+=\" \");return "
     "s+text.substring(0,text.length/2-step+3)+text.substring(text.length-text.length/"
     "2+step-3,text.length);}\r\n"},
    {EffectIndex::ShootingLetters, N_("Shooting Letters"), false, FrameShootingLetters,
     FrameCountShootingLetters,
     "function stEffect9(text,step){var n=text.length+20,i=0,l=0,s2=step;while (i+n<step) "
     "{i+=n;s2-=n;l++;n--;}if (l>text.length) return \"\";for (j=n-s2,s=\"\"; j>0; j--,s+=\" "
     "\");return text.substring(0,l)+s+text.substr(l,1);}\r\n"},
    {EffectIndex::ShootingWords, N_("Shooting Words"), true, FrameShootingWords,
     FrameCountShootingWords,
     "function stEffect10(text,step,es){var wa=eval(es+\".stwa\"+text);for (var i=0,text=\"\"; "
     "i<wa.length; i++) text+=wa[i];var n=text.length+20,i=0,w=0,s2=step,j=0;while (i+n<step) "
     "{i+=n;s2-=n;w++;n-=wa[j++].length;}if (w>=wa.length) return \"\";for (i=(n-s2),s=\"\"; i>0; "
     "i--,s+=\" \");for (i=0,s1=\"\"; i<w; i++) s1+=wa[i];return s1+s+wa[w];}\r\n"},
    {EffectIndex::NoEffect, N_("No Effect"), false, FrameNoEffect, FrameCountNoEffect,
     "function stEffect11(text,step){if (step>3) return \"\"; else return text;}\r\n"},
};

// Whether `script` starts "function stEffect<index>(", the name the script's player calls.
consteval bool NamesItsIndex(std::string_view script, int index) {
    constexpr std::string_view head = "function stEffect";
    if (!script.starts_with(head)) return false;
    std::string_view digits = script.substr(head.size());
    int number = 0;
    size_t at = 0;
    for (; at < digits.size() && digits[at] >= '0' && digits[at] <= '9'; ++at)
        number = number * 10 + (digits[at] - '0');
    return at > 0 && number == index && at < digits.size() && digits[at] == '(';
}

consteval bool RowsInIndexOrder() {
    for (size_t i = 0; i < std::size(kCatalogue); ++i) {
        const EffectKind& row = kCatalogue[i];
        // The function pointers are not compared here: a sanitized build cannot compare them
        // at compile time. The row's constructor takes every part.
        if (static_cast<size_t>(row.index) != i || row.name[0] == '\0' ||
            !NamesItsIndex(row.scriptFunction, static_cast<int>(i)))
            return false;
    }
    return true;
}

static_assert(std::size(kCatalogue) == CEffect::kNumEffects,
              "one catalogue row per effect index: CEffect::kNumEffects counts the rows");
static_assert(RowsInIndexOrder(),
              "row i of the catalogue is effect index i, named, with its script's "
              "function named stEffect<i>");

}  // namespace

std::span<const EffectKind> EffectCatalogue() { return kCatalogue; }

const EffectKind* FindEffectKind(int index) {
    return CEffect::IsValidEffectIndex(index) ? &kCatalogue[index] : nullptr;
}

bool IsWordBasedEffect(int index) {
    const EffectKind* kind = FindEffectKind(index);
    return kind && kind->wordBased;
}

std::string LastEffectNumber() { return std::to_string(std::size(kCatalogue) - 1); }

std::string FrameFor(int effect, const std::string& text, const WordList& words, int step) {
    const EffectKind* kind = FindEffectKind(effect);
    return kind ? kind->frame(text, words, step) : std::string();
}

double FramesPerLoop(int effect, std::string_view text) {
    const EffectKind* kind = FindEffectKind(effect);
    return kind ? kind->framesPerLoop(text) : 0;
}

// The record's two name accessors read the names here, so that the record's layer needs nothing
// of this one. Callers pass 0 to 11, and the index is not checked.
std::string CEffect::GetEffectNameByIndex(int index) { return kCatalogue[index].name; }

std::string CEffect::GetEffectName() const {
    const EffectKind* kind = FindEffectKind(m_nEffect);
    return kind ? kind->name : std::string();
}

}  // namespace glintwick
