// Effect catalogue, record accessors, word splitting and the record's stored form.
#include "model/Effect.h"

#include "model/Archive.h"
#include "resources/StringTable.h"

namespace glintwick {

void SplitTextIntoWords(const std::string& text, WordList& words) {
    words.clear();
    std::string current;
    for (char c : text) {
        if (c != ' ') {
            current += c;
        } else {
            if (!current.empty()) words.push_back(std::move(current));
            current.assign(1, ' ');
        }
    }
    if (!current.empty()) words.push_back(std::move(current));
}

std::string CEffect::GetEffectNameByIndex(int index) { return str::kEffectNames[index]; }

CEffect::CEffect()
    : m_strText(str::kDefaultEffectText),
      m_nEffect(kDefaultEffect),
      m_nSpeed(kDefaultSpeed),
      m_nLoops(kDefaultLoops) {}

CEffect::CEffect(std::string text, int effect, int speed, int loops)
    : m_strText(std::move(text)), m_nEffect(effect), m_nSpeed(speed), m_nLoops(loops) {}

std::string CEffect::GetEffectName() const {
    return IsValidEffectIndex(m_nEffect) ? GetEffectNameByIndex(m_nEffect) : std::string();
}

void CEffect::SplitWords() { SplitTextIntoWords(m_strText, m_arrWords); }

const WordList& CEffect::GetWords() {
    SplitWords();
    return m_arrWords;
}

void CEffect::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteString(m_strText);
        ar.WriteInt(m_nEffect);
        ar.WriteInt(m_nSpeed);
        ar.WriteInt(m_nLoops);
    } else {
        m_strText = ar.ReadString();
        m_nEffect = ar.ReadInt();
        m_nSpeed = ar.ReadInt();
        m_nLoops = ar.ReadInt();
    }
}

}  // namespace glintwick
