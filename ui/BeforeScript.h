// What is asked before a script or a preview of one is written: effects to write, and no
// flashes too fast for a page unless the user says so.
#pragma once

#include <wx/window.h>

namespace glintwick {

class CTallowmereDoc;

// A script needs effects: false, after the "No effects defined" message, when there are none.
bool HasEffectsOrSay(const CTallowmereDoc& doc, wxWindow* owner);
// A script that flashes more than three times a second is written only when the user says Yes
// to the question that names the effect (No is the default); true to go on.
bool CalmOrConfirmed(const CTallowmereDoc& doc, wxWindow* owner);

}  // namespace glintwick
