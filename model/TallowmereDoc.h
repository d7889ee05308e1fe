// The project: the ordered effect list and the three project-wide settings.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/DocumentBase.h"
#include "model/Effect.h"
#include "model/TextStore.h"

namespace glintwick {

class CArchive;

// What the last change to the effect list was, so a view can update just that; a view may as
// well rebuild everything. Any change not made by a list operation (a load, a new project) is
// All.
struct ListChange {
    enum class Kind { All, Added, Updated, Deleted, Swapped };
    Kind kind = Kind::All;
    int row = 0;  // Added: the new row; Updated, Deleted: the row; Swapped: the upper of the two
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
    void AddEffect(std::unique_ptr<CEffect> effect);
    // `effect` is one of the document's records.
    void UpdateEffect(const CEffect* effect, std::string text, int effectIndex, int speed,
                      int loops);
    void DeleteEffect(int position);
    int MoveUp(int position);
    int MoveDown(int position);
    int GetRepeat() const { return m_nRepeat; }
    void SetRepeat(int repeat);
    const std::string& GetFinalText() const { return m_strFinalText; }
    int GetAutoStart() const { return m_bAutoStart; }
    // The two settings of the Options dialog; marks the project modified even when they are
    // unchanged, and refreshes no view.
    void SetOptions(std::string finalText, int autoStart);

    // Empties the list and the final text and turns automatic start on; keeps the repeat
    // count, the modified flag and the path.
    void ResetContents();
    // A new, empty, untitled and unmodified project that repeats forever.
    void InitNewProject();

    void Serialize(CArchive& ar);
    // Appends a record as a load does: neither marks the project nor tells the views.
    void AppendLoaded(std::unique_ptr<CEffect> effect);
    // The same, with the text copied into the project's store beside the loaded texts.
    void AppendLoaded(std::string_view text, int effect, int speed, int loops);
    // Takes over the records and the three settings of `loaded` (a project just read), leaving
    // the flag, the path and the views to the caller.
    void TakeContents(CTallowmereDoc& loaded);
    // What Save As proposes: the path, or the title cut at the first character that cannot
    // start a file name's extension-less stem, with the project extension.
    std::string GetProposedFileName() const;

    // Read by the views while they refresh.
    const ListChange& LastListChange() const { return m_lastChange; }
    // Moves on whenever the records may have changed, so a view can tell whether what it shows
    // is still current.
    uint64_t ListVersion() const { return m_listVersion; }

private:
    // Every list operation ends here: the project is marked and every view refreshes.
    void ListChanged(ListChange change);

    ListChange m_lastChange;
    uint64_t m_listVersion = 0;
    int m_bAutoStart = 1;
    std::string m_strFinalText;
    int m_nRepeat = 0;
    CTextStore m_texts;  // the loaded records' texts, declared first: it outlives them
    // The records themselves, not pointers to them: a loaded record costs its own few bytes.
    std::vector<CEffect> m_arrEffects;
};

}  // namespace glintwick
