// Screen-reader names for a template's controls without text, from the labels around them.
#pragma once

#include <wx/window.h>

#include <vector>

#include "resources/Templates.h"

namespace glintwick {

// Names every control of `templ` that shows no text of its own after the caption of the group
// around it and the nearest labels before and after it in its row (or, with none of these, the
// nearest label above it), and relates it to them; `windows` are the template's controls in
// template order.
void NameControls(const res::DialogTemplate& templ, const std::vector<wxWindow*>& windows);

// Alt with a label's access key (the letter after its '&', underlined) puts the focus on the
// control that label names; `parent` holds the template's `windows`.
void BindLabelAccessKeys(wxWindow* parent, const res::DialogTemplate& templ,
                         const std::vector<wxWindow*>& windows);

}  // namespace glintwick
