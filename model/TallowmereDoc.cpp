// The project document's list and settings operations and its stored form.
#include "model/TallowmereDoc.h"

#include <new>
#include <utility>

#include "model/Archive.h"
#include "model/CoreTexts.h"

namespace glintwick {

namespace {

// Every stored record takes at least a one-byte string prefix and three int32 values.
constexpr uint64_t kMinimumRecordBytes = 13;
// What one loaded record takes beyond its text: the object, its list slot and the allocator's
// share, counted against the memory a load may take.
constexpr uint64_t kRecordMemory = sizeof(CEffect) + 2 * sizeof(void*) + 16;

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
    m_arrEffects.emplace_back(effect.release());
    ListChanged({ListChange::Kind::Added, GetCount() - 1});
}

void CTallowmereDoc::UpdateEffect(const CEffect* effect, std::string text, int effectIndex,
                                  int speed, int loops) {
    for (int i = 0; i < GetCount(); ++i) {
        CEffect& record = *m_arrEffects[i];
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
    const Record removed = std::move(m_arrEffects[position]);  // until the views have seen it go
    m_arrEffects.erase(m_arrEffects.begin() + position);
    ListChanged({ListChange::Kind::Deleted, position, removed.get()});
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
    m_arrEffects.emplace_back(effect.release());
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
        for (const auto& effect : m_arrEffects) effect->Serialize(ar);
        return;
    }
    m_strFinalText = ar.ReadString();
    m_bAutoStart = ar.ReadInt();
    m_nRepeat = ar.ReadInt();
    const int32_t count = ar.ReadInt();
    if (count <= 0) return;
    ++m_listVersion;
    // A count that the remaining bytes cannot hold is refused before anything is allocated.
    if (static_cast<uint64_t>(count) > ar.Remaining() / kMinimumRecordBytes)
        throw CArchiveFormatError("record count past the end");
    // The list grows as records arrive: a count is only a claim until the records are read,
    // but room for as many as the bytes left can hold is safe to make at once.
    m_arrEffects.reserve(m_arrEffects.size() + static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        ar.ChargeMemory(kRecordMemory);
        // Every field is read over, so the record starts without the default text. It is
        // placed in the store beside the texts: no allocation of its own.
        Record effect(new (m_texts.Reserve(sizeof(CEffect), alignof(CEffect)))
                          CEffect(std::string(), CEffect::kDefaultEffect, CEffect::kDefaultSpeed,
                                  CEffect::kDefaultLoops),
                      RecordDeleter{true});
        effect->Load(ar, m_texts);
        // Effect indices select table entries everywhere; one outside the catalogue means
        // the bytes are not a project.
        if (!CEffect::IsValidEffectIndex(effect->GetEffect()))
            throw CArchiveFormatError("effect index outside the catalogue");
        m_arrEffects.push_back(std::move(effect));
    }
}

std::string CTallowmereDoc::GetProposedFileName() const {
    if (!GetPathName().empty()) return GetPathName();
    const std::string& title = GetTitle();
    return title.substr(0, title.find_first_of(" #%;/\\")) + str::kProjectExtension;
}

}  // namespace glintwick
