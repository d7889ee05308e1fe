// The project: the ordered effect list and the three project-wide settings.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/DocumentBase.h"
#include "model/Effect.h"

namespace glintwick {

class CArchive;

class CTallowmereDoc : public CDocumentBase {
public:
    CTallowmereDoc();

    int GetCount() const { return static_cast<int>(m_arrEffects.size()); }
    // Callers pass 0 to count - 1. The record stays owned by the document.
    CEffect* GetAt(int position) const { return m_arrEffects[position].get(); }
    void AddEffect(std::unique_ptr<CEffect> effect);
    void UpdateEffect(CEffect* effect, std::string text, int effectIndex, int speed, int loops);
    void DeleteEffect(int position);
    int MoveUp(int position);
    int MoveDown(int position);
    int GetRepeat() const { return m_nRepeat; }
    void SetRepeat(int repeat);

    // Empties the list and the final text and turns automatic start on; keeps the repeat
    // count, the modified flag and the path.
    void ResetContents();
    // A new, empty, untitled and unmodified project that repeats forever.
    void InitNewProject();

    void Serialize(CArchive& ar);

    // The complete text of the generated script for a file named `fileTitle`.
    std::string WriteScript(const std::string& fileTitle);

    // What Save As proposes: the path, or the title cut at the first character that cannot
    // start a file name's extension-less stem, with the project extension.
    std::string GetProposedFileName() const;

    int m_bAutoStart = 1;
    std::string m_strFinalText;
    int m_nRepeat = 0;
    std::vector<std::unique_ptr<CEffect>> m_arrEffects;
};

}  // namespace glintwick
