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
    Touched();
    ++m_listVersion;
    m_lastChange = change;
    NotifyViews();
    m_lastChange = ListChange();
}

void CTallowmereDoc::SettingsChanged() {
    Touched();
    m_lastChange = ListChange();
    NotifyViews();
}

void CTallowmereDoc::Touched() {
    if (m_bInCommand) return;  // the history sets the flag once the command is done
    // The commands kept may no longer fit the list; the saved state is out of reach.
    m_history.Clear();
    m_history.ForgetClean();
    CDocumentBase::SetModified(true);
    NotifyHistoryChanged();
}

void CTallowmereDoc::SetModified(bool modified) {
    if (modified)
        m_history.ForgetClean();
    else
        m_history.MarkClean();
    CDocumentBase::SetModified(modified);
}

void CTallowmereDoc::CommitPendingEdit() {
    if (!m_pendingEdit || m_bCommittingPending) return;
    m_bCommittingPending = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{m_bCommittingPending};
    m_pendingEdit();
}

int CTallowmereDoc::HistoryStep(const std::function<int()>& step) {
    CommitPendingEdit();
    int row = -1;
    {
        m_bInCommand = true;
        struct Done {
            bool& flag;
            ~Done() { flag = false; }
        } done{m_bInCommand};
        row = step();
    }
    CDocumentBase::SetModified(!m_history.IsClean());
    NotifyHistoryChanged();
    return row;
}

int CTallowmereDoc::Submit(std::unique_ptr<CCommand> command) {
    return HistoryStep([&] { return m_history.Submit(std::move(command)); });
}

int CTallowmereDoc::Undo() {
    return HistoryStep([&] { return m_history.CanUndo() ? m_history.Undo() : -1; });
}

int CTallowmereDoc::Redo() {
    return HistoryStep([&] { return m_history.CanRedo() ? m_history.Redo() : -1; });
}

void CTallowmereDoc::AddEffect(std::unique_ptr<CEffect> effect) {
    InsertEffect(GetCount(), std::move(*effect));
}

void CTallowmereDoc::InsertEffect(int position, CEffect effect) {
    m_arrEffects.insert(m_arrEffects.begin() + position, std::move(effect));
    ListChanged({ListChange::Kind::Added, position});
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
        ListChanged({ListChange::Kind::Updated, i, 0, &before});
        return;
    }
    // A record not in the list changes nothing, and the project stays as modified as it was.
}

void CTallowmereDoc::ExchangeEffect(int position, CEffect& effect) {
    std::swap(m_arrEffects[position], effect);
    ListChanged({ListChange::Kind::Updated, position, 0, &effect});
}

void CTallowmereDoc::DeleteEffect(int position) { TakeEffect(position); }

CEffect CTallowmereDoc::TakeEffect(int position) {
    CEffect removed = std::move(m_arrEffects[position]);  // until the views have seen it go
    m_arrEffects.erase(m_arrEffects.begin() + position);
    ListChanged({ListChange::Kind::Deleted, position, 0, &removed});
    return removed;
}

void CTallowmereDoc::MoveEffect(int from, int to) {
    if (from == to) return;
    const auto at = [this](int row) { return m_arrEffects.begin() + row; };
    if (from < to)
        std::rotate(at(from), at(from + 1), at(to + 1));
    else
        std::rotate(at(to), at(from), at(from + 1));
    ListChanged({ListChange::Kind::Moved, from, to});
}

int CTallowmereDoc::MoveUp(int position) {
    if (position == 0) return 0;
    MoveEffect(position, position - 1);
    return position - 1;
}

int CTallowmereDoc::MoveDown(int position) {
    const int last = GetCount() - 1;
    if (position == last) return last;
    MoveEffect(position, position + 1);
    return position + 1;
}

void CTallowmereDoc::SetRepeat(int repeat) {
    if (repeat == m_nRepeat) return;
    m_nRepeat = repeat;
    SettingsChanged();
}

void CTallowmereDoc::SetOptions(std::string finalText, int autoStart) {
    m_strFinalText = std::move(finalText);
    m_bAutoStart = autoStart;
    SettingsChanged();
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
    m_history.Clear();  // before the store that its records' texts may lie in
    NotifyHistoryChanged();
    ++m_listVersion;
    m_arrEffects = std::move(loaded.m_arrEffects);
    m_texts = std::move(loaded.m_texts);
    m_strFinalText = std::move(loaded.m_strFinalText);
    m_bAutoStart = loaded.m_bAutoStart;
    m_nRepeat = loaded.m_nRepeat;
}

void CTallowmereDoc::ResetContents() {
    m_history.Clear();  // before the store that its records' texts may lie in
    NotifyHistoryChanged();
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
    NotifyInitialUpdate();
}

void CTallowmereDoc::Store(CArchive& ar) const {
    ar.WriteString(m_strFinalText);
    ar.WriteInt(m_bAutoStart);
    ar.WriteInt(m_nRepeat);
    ar.WriteInt(GetCount());
    for (const auto& effect : m_arrEffects) effect.Serialize(ar);
}

void CTallowmereDoc::Serialize(CArchive& ar) {
    if (ar.IsStoring()) return Store(ar);
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
