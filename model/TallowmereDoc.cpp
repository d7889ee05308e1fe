// The project document's list and settings operations and its stored form.
#include "model/TallowmereDoc.h"

#include <algorithm>
#include <utility>

#include "model/Archive.h"
#include "model/CoreTexts.h"

namespace glintwick {

namespace {

// Every stored record takes at least a one-byte string prefix and three int32 values.
constexpr uint64_t kMinimumRecordBytes = 13;
// What one loaded record takes beyond its text: the record is its own slot in the list, which
// is made for the count at once, and its text lies in the project's store (charged as read).
constexpr uint64_t kRecordMemory = sizeof(CEffect);

}  // namespace

CTallowmereDoc::CTallowmereDoc() = default;

void CTallowmereDoc::ListChanged(ListChange change) {
    SetModified(true);
    ++m_listVersion;
    m_lastChange = change;
    NotifyViews();
    m_lastChange = ListChange();
}

void CTallowmereDoc::AddEffect(std::unique_ptr<CEffect> effect) {
    m_arrEffects.push_back(std::move(*effect));
    ListChanged({ListChange::Kind::Added, GetCount() - 1});
}

void CTallowmereDoc::UpdateEffect(const CEffect* effect, std::string text, int effectIndex,
                                  int speed, int loops) {
    for (int i = 0; i < GetCount(); ++i) {
        CEffect& record = m_arrEffects[i];
        if (&record != effect) continue;
        const CEffect before(std::string(record.GetText()), record.GetEffect(), record.GetSpeed(),
                             record.GetLoops());
        record.SetText(std::move(text));
        record.SetEffect(effectIndex);
        record.SetSpeed(speed);
        record.SetLoops(loops);
        ListChanged({ListChange::Kind::Updated, i, &before});
        return;
    }
    ListChanged({ListChange::Kind::Updated, 0});
}

void CTallowmereDoc::DeleteEffect(int position) {
    const CEffect removed = std::move(m_arrEffects[position]);  // until the views have seen it go
    m_arrEffects.erase(m_arrEffects.begin() + position);
    ListChanged({ListChange::Kind::Deleted, position, &removed});
}

int CTallowmereDoc::MoveUp(int position) {
    if (position == 0) return 0;
    std::swap(m_arrEffects[position - 1], m_arrEffects[position]);
    ListChanged({ListChange::Kind::Swapped, position - 1});
    return position - 1;
}

int CTallowmereDoc::MoveDown(int position) {
    const int last = GetCount() - 1;
    if (position == last) return last;
    std::swap(m_arrEffects[position], m_arrEffects[position + 1]);
    ListChanged({ListChange::Kind::Swapped, position});
    return position + 1;
}

void CTallowmereDoc::SetRepeat(int repeat) {
    if (repeat == m_nRepeat) return;
    m_nRepeat = repeat;
    SetModified(true);
}

void CTallowmereDoc::SetOptions(std::string finalText, int autoStart) {
    m_strFinalText = std::move(finalText);
    m_bAutoStart = autoStart;
    SetModified(true);
}

void CTallowmereDoc::AppendLoaded(std::unique_ptr<CEffect> effect) {
    m_arrEffects.push_back(std::move(*effect));
    ++m_listVersion;
}

void CTallowmereDoc::AppendLoaded(std::string_view text, int effect, int speed, int loops) {
    char* at = m_texts.Reserve(text.size());
    std::copy(text.begin(), text.end(), at);
    CEffect& record = m_arrEffects.emplace_back();
    record.SetStoredText({at, text.size()});
    record.SetEffect(effect);
    record.SetSpeed(speed);
    record.SetLoops(loops);
    ++m_listVersion;
}

void CTallowmereDoc::TakeContents(CTallowmereDoc& loaded) {
    ++m_listVersion;
    m_arrEffects = std::move(loaded.m_arrEffects);
    m_texts = std::move(loaded.m_texts);
    m_strFinalText = std::move(loaded.m_strFinalText);
    m_bAutoStart = loaded.m_bAutoStart;
    m_nRepeat = loaded.m_nRepeat;
}

void CTallowmereDoc::ResetContents() {
    ++m_listVersion;
    m_arrEffects.clear();
    m_arrEffects.shrink_to_fit();
    m_texts.Clear();
    m_strFinalText.clear();
    m_bAutoStart = 1;
}

void CTallowmereDoc::InitNewProject() {
    ResetContents();
    ClearPathName();
    SetModified(false);
    m_nRepeat = 0;
    m_strFinalText.clear();
}

void CTallowmereDoc::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteString(m_strFinalText);
        ar.WriteInt(m_bAutoStart);
        ar.WriteInt(m_nRepeat);
        ar.WriteInt(GetCount());
        for (auto& effect : m_arrEffects) effect.Serialize(ar);
        return;
    }
    m_strFinalText = ar.ReadString();
    m_bAutoStart = ar.ReadInt();
    m_nRepeat = ar.ReadInt();
    const int32_t count = ar.ReadInt();
    if (count <= 0) return;
    ++m_listVersion;
    // A count that the remaining bytes cannot hold is refused before anything is allocated, and
    // so is one whose records would not fit in the memory a load may take.
    if (static_cast<uint64_t>(count) > ar.Remaining() / kMinimumRecordBytes)
        throw CArchiveFormatError("record count past the end");
    ar.ChargeMemory(static_cast<uint64_t>(count) * kRecordMemory);
    m_arrEffects.reserve(m_arrEffects.size() + static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        CEffect& effect = m_arrEffects.emplace_back();
        effect.Load(ar, m_texts);
        // Effect indices select table entries everywhere; one outside the catalogue means
        // the bytes are not a project.
        if (!CEffect::IsValidEffectIndex(effect.GetEffect()))
            throw CArchiveFormatError("effect index outside the catalogue");
    }
}

std::string CTallowmereDoc::GetProposedFileName() const {
    if (!GetPathName().empty()) return GetPathName();
    const std::string& title = GetTitle();
    return title.substr(0, title.find_first_of(" #%;/\\")) + str::kProjectExtension;
}

}  // namespace glintwick
