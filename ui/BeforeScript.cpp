// The questions before a script is written.
#include "ui/BeforeScript.h"

#include <string>

#include "model/TallowmereDoc.h"
#include "preview/FlashCheck.h"
#include "resources/StringTable.h"
#include "ui/Prompt.h"
#include "ui/Translations.h"

namespace glintwick {

bool HasEffectsOrSay(const CTallowmereDoc& doc, wxWindow* owner) {
    if (doc.GetCount() > 0) return true;
    ShowMessageBox(owner, UiText(str::kNoEffectsDefined), wxOK | wxICON_ERROR,
                   UiText(str::kNoEffectsCaption));
    return false;
}

bool CalmOrConfirmed(const CTallowmereDoc& doc, wxWindow* owner) {
    const TimelineCheck check = CheckTimeline(doc);
    if (check.flashes.empty()) return true;
    const FlashFinding& first = check.flashes.front();
    const wxString question = UiMessage(str::kFlashQuestion, std::to_string(first.effect + 1),
                                        std::to_string(first.flashes));
    return ShowMessageBox(owner, question, wxYES_NO | wxNO_DEFAULT | wxICON_EXCLAMATION) == wxYES;
}

}  // namespace glintwick
