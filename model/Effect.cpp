// Effect catalogue, record accessors, word splitting and the record's stored form.
#include "model/Effect.h"

#include <algorithm>
#include <stdexcept>

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

std::string CEffect::GetEffectNameByIndex(int index) { return str::kEffectNames[index]; }

CEffect::CEffect()
    : m_strOwnText(str::kDefaultEffectText),
      m_strText(m_strOwnText),
      m_nEffect(kDefaultEffect),
      m_nSpeed(kDefaultSpeed),
      m_nLoops(kDefaultLoops) {}

CEffect::CEffect(std::string text, int effect, int speed, int loops)
    : m_strOwnText(std::move(text)),
      m_strText(m_strOwnText),
      m_nEffect(effect),
      m_nSpeed(speed),
      m_nLoops(loops) {}

std::string CEffect::GetEffectName() const {
    return IsValidEffectIndex(m_nEffect) ? GetEffectNameByIndex(m_nEffect) : std::string();
}

void CEffect::SplitWords() const { SplitTextIntoWords(m_strText, m_arrWords); }

const WordList& CEffect::GetWords() const {
    SplitWords();
    return m_arrWords;
}

void CEffect::Serialize(CArchive& ar) {
    ar.WriteString(m_strText);
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
