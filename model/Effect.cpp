// Record accessors, word splitting and the record's stored form.
#include "model/Effect.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

#include "model/Archive.h"
#include "model/CoreTexts.h"

namespace glintwick {

void SplitTextIntoWords(std::string_view text, WordList& words) {
    if (text.size() > UINT32_MAX) throw std::length_error("text too long to split into words");
    words.m_ends.clear();
    // Every space starts a word, and so does a first character that is none: the list takes
    // exactly what it needs.
    const size_t count = static_cast<size_t>(std::count(text.begin(), text.end(), ' ')) +
                         (!text.empty() && text[0] != ' ' ? 1 : 0);
    words.m_ends.reserve(count);
    ForEachWordEnd(text, [&](size_t end) { words.m_ends.push_back(static_cast<uint32_t>(end)); });
}

CEffect::CEffect()
    : m_p{str::kDefaultEffectText},
      m_nLength(static_cast<uint32_t>(std::char_traits<char>::length(str::kDefaultEffectText))),
      m_nEffect(kDefaultEffect),
      m_nSpeed(kDefaultSpeed),
      m_nLoops(kDefaultLoops) {}

CEffect::CEffect(std::string text, int effect, int speed, int loops)
    : m_p{""}, m_nLength(0), m_nEffect(effect), m_nSpeed(speed), m_nLoops(loops) {
    SetText(std::move(text));
}

// A record moved from keeps an empty text, not one that went with its extras.
CEffect::CEffect(CEffect&& other) noexcept
    : m_p(std::exchange(other.m_p, Place{""})),
      m_nLength(std::exchange(other.m_nLength, 0)),
      m_nEffect(other.m_nEffect),
      m_nSpeed(other.m_nSpeed),
      m_nLoops(other.m_nLoops) {}

CEffect& CEffect::operator=(CEffect&& other) noexcept {
    if (this == &other) return *this;
    DropExtras();
    m_p = std::exchange(other.m_p, Place{""});
    m_nLength = std::exchange(other.m_nLength, 0);
    m_nEffect = other.m_nEffect;
    m_nSpeed = other.m_nSpeed;
    m_nLoops = other.m_nLoops;
    return *this;
}

CEffect::~CEffect() { DropExtras(); }

CEffect::Extras& CEffect::TakeExtras() const {
    if (m_nLength != kTextInExtras) {
        m_p.extras = new Extras{std::string_view(m_p.text, m_nLength), {}, {}};
        m_nLength = kTextInExtras;
    }
    return *m_p.extras;
}

void CEffect::DropExtras() {
    if (m_nLength != kTextInExtras) return;
    delete m_p.extras;
    m_p.text = "";
    m_nLength = 0;
}

void CEffect::SetText(std::string text) {
    if (text.empty() && m_nLength != kTextInExtras) {
        SetStoredText("");
        return;
    }
    Extras& extras = TakeExtras();
    extras.ownText = std::move(text);
    extras.text = extras.ownText;
}

void CEffect::SetStoredText(std::string_view text) {
    if (m_nLength != kTextInExtras && text.size() < kTextInExtras) {
        m_p.text = text.empty() ? "" : text.data();
        m_nLength = static_cast<uint32_t>(text.size());
        return;
    }
    Extras& extras = TakeExtras();
    extras.text = text;
    extras.ownText = std::string();
}

void CEffect::SplitWords() const {
    // An empty text has no words: a record that never had any keeps no list for them.
    if (m_nLength == 0) return;
    Extras& extras = TakeExtras();
    SplitTextIntoWords(extras.text, extras.words);
}

const WordList& CEffect::GetWords() const {
    static const WordList kNoWords;
    SplitWords();
    return m_nLength == kTextInExtras ? m_p.extras->words : kNoWords;
}

size_t CEffect::CachedWordCount() const {
    return m_nLength == kTextInExtras ? m_p.extras->words.size() : 0;
}

void CEffect::Serialize(CArchive& ar) const {
    ar.WriteString(GetText());
    ar.WriteInt(m_nEffect);
    ar.WriteInt(m_nSpeed);
    ar.WriteInt(m_nLoops);
}

void CEffect::Load(CArchive& ar, CTextStore& store) {
    SetStoredText(ar.ReadText(store));
    m_nEffect = ar.ReadInt();
    m_nSpeed = ar.ReadInt();
    m_nLoops = ar.ReadInt();
}

}  // namespace glintwick
