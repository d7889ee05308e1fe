// Screen-reader names of a template's controls that show no text of their own, from the
// captions and labels around them.
#pragma once

#include <wx/window.h>

#include <string>
#include <vector>

#include "resources/Templates.h"

namespace glintwick {

// The template indexes of the texts that name control `index`, in reading order: the caption of
// the group around it, then the nearest label before it and the nearest after it in its row;
// for a control with none of these, the nearest label above it. Empty for a control that shows
// its own text or is named otherwise.
std::vector<size_t> NamingTexts(const res::DialogTemplate& templ, size_t index);

// Those texts joined, each run of blanks and line breaks made one blank.
std::string NameFromTexts(const res::DialogTemplate& templ, size_t index);

// Names every control of `templ` that needs it, and relates it to the windows that name it;
// `windows` are the template's controls in template order.
void NameControls(const res::DialogTemplate& templ, const std::vector<wxWindow*>& windows);

}  // namespace glintwick
