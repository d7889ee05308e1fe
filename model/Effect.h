// The effect catalogue and the effect record, one animated status-bar message.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace glintwick {

class CArchive;
class CTextStore;

// The words of a text, kept as the positions where they end: word i runs from the end of
// word i - 1 (or the text's start) to its own end. The text stays with its owner, so a list
// takes four bytes a word whatever the words hold.
class WordList {
public:
    size_t size() const { return m_ends.size(); }
    bool empty() const { return m_ends.empty(); }
    size_t Start(size_t i) const { return i == 0 ? 0 : m_ends[i - 1]; }
    size_t End(size_t i) const { return m_ends[i]; }
    size_t Length(size_t i) const { return End(i) - Start(i); }
    // Word i of `text`, the text the list was made from.
    std::string_view Word(std::string_view text, size_t i) const {
        return text.substr(Start(i), Length(i));
    }
    void clear() { m_ends.clear(); }

private:
    friend void SplitTextIntoWords(std::string_view text, WordList& words);

    std::vector<uint32_t> m_ends;
};

// The single word-splitting rule: only the space separates words, each word after the first
// keeps its leading space, no word is empty and the words joined give back the text. Texts
// are shorter than 4 GiB, the most a project file can hold; a longer one throws
// std::length_error.
void SplitTextIntoWords(std::string_view text, WordList& words);

// The same rule without a list: calls `visit` with the end of each word in turn. A word runs
// from a space (or the start) up to the next space; a space right after the start or another
// space is a word of its own.
template <typename Visit>
void ForEachWordEnd(std::string_view text, Visit&& visit) {
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(' ', start + 1);
        if (end == std::string_view::npos) end = text.size();
        visit(end);
        start = end;
    }
}

// The twelve effects by their catalogue index, the number records, project files and scripts
// store. An index read from a file may lie outside the catalogue: compare, never assume. What
// each one does is in effects/EffectCatalogue.cpp, a row per index.
enum class EffectIndex : int {
    TypewriterLetters = 0,
    TypewriterWords = 1,
    ScrollLeftToRight = 2,
    ScrollRightToLeft = 3,
    Flashing = 4,
    StarAcross = 5,
    UppercaseAcross = 6,
    Expand = 7,
    Shrink = 8,
    ShootingLetters = 9,
    ShootingWords = 10,
    NoEffect = 11,
};

class CEffect {
public:
    static constexpr int kNumEffects = 12;
    static constexpr int kDefaultEffect = 0;
    static constexpr int kDefaultSpeed = 10;
    static constexpr int kDefaultLoops = 1;
    // The loop counts the dialogs accept.
    static constexpr int kMinLoops = 1;
    static constexpr int kMaxLoops = 10;

    static int GetNumEffects() { return kNumEffects; }
    // Callers pass 0 to 11. This and GetEffectName are defined with the effect catalogue
    // (effects/EffectCatalogue.cpp), which holds the names and all else an effect is.
    static std::string GetEffectNameByIndex(int index);
    static bool IsValidEffectIndex(int index) { return index >= 0 && index < kNumEffects; }

    CEffect();
    CEffect(std::string text, int effect, int speed, int loops);
    CEffect(CEffect&& other) noexcept;
    CEffect& operator=(CEffect&& other) noexcept;
    ~CEffect();

    std::string_view GetText() const {
        return m_nLength != kTextInExtras ? std::string_view(m_p.text, m_nLength)
                                          : m_p.extras->text;
    }
    void SetText(std::string text);
    // A text kept by the project's text store (or a constant), which outlives the record.
    void SetStoredText(std::string_view text);
    int GetEffect() const { return m_nEffect; }
    void SetEffect(int effect) { m_nEffect = effect; }
    int GetSpeed() const { return m_nSpeed; }
    void SetSpeed(int speed) { m_nSpeed = speed; }
    int GetLoops() const { return m_nLoops; }
    void SetLoops(int loops) { m_nLoops = loops; }
    // The catalogue name of the effect index; empty for an index outside the catalogue.
    std::string GetEffectName() const;

    // Cuts the text into its words again (a cache of the text, not part of the record).
    void SplitWords() const;
    // Splits again and returns the record's list, valid until the next split.
    const WordList& GetWords() const;
    // The words of the last split, without splitting (none before the first).
    size_t CachedWordCount() const;

    // Writes the record to a storing archive; a load reads it with Load.
    void Serialize(CArchive& ar) const;
    // Loads the record with its text put in `store`.
    void Load(CArchive& ar, CTextStore& store);

private:
    // What few records have: a text of their own (one set by an edit) and the words of a split.
    // Kept apart, so that a loaded record is a text's place and length and three numbers: a
    // large project takes little more memory than its file.
    struct Extras {
        std::string_view text;
        std::string ownText;
        WordList words;
    };
    // The length that says the record has extras, which hold the text (a text this long, the
    // longest a project file can hold, is kept there too).
    static constexpr uint32_t kTextInExtras = UINT32_MAX;
    union Place {
        const char* text;  // in a store, or a constant
        Extras* extras;    // owned by the record
    };

    Extras& TakeExtras() const;
    void DropExtras();

    mutable Place m_p;
    mutable uint32_t m_nLength;
    int m_nEffect;
    int m_nSpeed;
    int m_nLoops;
};

}  // namespace glintwick
