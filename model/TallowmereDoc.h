// The project: the ordered effect list and the three project-wide settings.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/CommandHistory.h"
#include "model/DocumentBase.h"
#include "model/Effect.h"
#include "model/TextStore.h"

namespace glintwick {

class CArchive;
class CProjectLoader;

// What the last change to the effect list was, so a view can update just that; a view may as
// well rebuild everything. Any change not made by a list operation (a load, a new project) is
// All.
struct ListChange {
    enum class Kind { All, Added, Updated, Deleted, Moved };
    Kind kind = Kind::All;
    int row = 0;  // Added: the new row; Updated, Deleted: the row; Moved: where it was
    int to = 0;   // Moved: where it is now; the rows between shifted by one
    // Updated, Deleted: the record as it was, while the views refresh (none if unknown).
    const CEffect* before = nullptr;
};

class CTallowmereDoc : public CDocumentBase {
public:
    CTallowmereDoc();

    int GetCount() const { return static_cast<int>(m_arrEffects.size()); }
    // Callers pass 0 to count - 1. The record stays owned by the document, which alone changes
    // it; the pointer holds until the next change to the list, which may move the records.
    const CEffect* GetAt(int position) const { return &m_arrEffects[position]; }
    int GetRepeat() const { return m_nRepeat; }
    const std::string& GetFinalText() const { return m_strFinalText; }
    int GetAutoStart() const { return m_bAutoStart; }

    // The windows change the project through these alone (model/ProjectCommands.h makes the
    // commands): each can be undone and redone, and the modified flag follows the history.
    // Before any command, a change still being made in a window (a repeat count being typed)
    // is submitted as a command of its own. Each returns the row left to show, or -1.
    int Submit(std::unique_ptr<CCommand> command);
    int Undo();
    int Redo();
    const CCommandHistory& History() const { return m_history; }
    // `commit` submits the change a window still holds, if any; empty for none.
    void SetPendingEdit(std::function<void()> commit) { m_pendingEdit = std::move(commit); }
    void CommitPendingEdit();
    // Saving and loading set the clean point; a change outside the history loses it.
    void SetModified(bool modified = true) override;

    // The list and settings operations the commands are made of. Called directly (as loads,
    // imports and tests do), each marks the project modified and ends the history.
    void AddEffect(std::unique_ptr<CEffect> effect);
    void InsertEffect(int position, CEffect effect);
    // `effect` is one of the document's records.
    void UpdateEffect(const CEffect* effect, std::string text, int effectIndex, int speed,
                      int loops);
    // Swaps the record at `position` with `effect`, which then holds the one replaced.
    void ExchangeEffect(int position, CEffect& effect);
    void DeleteEffect(int position);
    // Removes the record and hands it over; its text may still lie in the project's store,
    // which keeps it while the history holds the record.
    CEffect TakeEffect(int position);
    // Moves the record at `from` to `to`; the rows between shift by one towards `from`.
    void MoveEffect(int from, int to);
    int MoveUp(int position);
    int MoveDown(int position);
    void SetRepeat(int repeat);
    // The two settings of the Options dialog; marks the project modified even when they are
    // unchanged.
    void SetOptions(std::string finalText, int autoStart);

    // Empties the list and the final text and turns automatic start on; keeps the repeat
    // count, the modified flag and the path. The history goes with the records.
    void ResetContents();
    // A new, empty, untitled and unmodified project that repeats forever; the views start over.
    void InitNewProject();

    // Stores the project in a storing archive, or loads it from a loading one.
    void Serialize(CArchive& ar);
    // Stores the project: what Serialize does with a storing archive.
    void Store(CArchive& ar) const;
    // Appends a record as a load does (an import, a project made to be measured): the text is
    // copied into the project's store, and neither the flag nor the views are touched.
    void AppendLoaded(std::string_view text, int effect, int speed, int loops);
    // What Save As proposes: the path, or the title cut at the first character that cannot
    // start a file name's extension-less stem, with the project extension.
    std::string GetProposedFileName() const;

    // Read by the views while they refresh.
    const ListChange& LastListChange() const { return m_lastChange; }
    // Moves on whenever the records may have changed, so a view can tell whether what it shows
    // is still current.
    uint64_t ListVersion() const { return m_listVersion; }

private:
    // The project file's loader reads into a project of its own and hands it over whole.
    friend class CProjectLoader;
    // Takes over the records and the three settings of `loaded` (a project just read), leaving
    // the flag, the path and the views to the caller. The history is cleared.
    void TakeContents(CTallowmereDoc& loaded);

    // Every list operation ends here: the project is marked and every view refreshes.
    void ListChanged(ListChange change);
    // A setting changed: the project is marked and the views refresh; the list is as it was.
    void SettingsChanged();
    // Marks the project modified; outside a command the saved state is out of the history's
    // reach.
    void Touched();
    // Runs one step of the history, then sets the modified flag from its clean point.
    int HistoryStep(const std::function<int()>& step);

    ListChange m_lastChange;
    uint64_t m_listVersion = 0;
    // An int, not a bool: a file's odd value (2, say) is kept as found and saved back unchanged.
    int m_bAutoStart = 1;
    std::string m_strFinalText;
    int m_nRepeat = 0;
    CTextStore m_texts;  // the loaded records' texts, declared first: it outlives them
    // The records themselves, not pointers to them: a loaded record costs its own few bytes.
    std::vector<CEffect> m_arrEffects;
    // Holds removed records whose texts may lie in m_texts; cleared whenever the store is.
    CCommandHistory m_history;
    bool m_bInCommand = false;
    std::function<void()> m_pendingEdit;
    bool m_bCommittingPending = false;
};

}  // namespace glintwick
