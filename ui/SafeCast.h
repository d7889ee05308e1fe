// A checked downcast by wx's class information that never casts to the wrong type first.
#pragma once

#include <wx/object.h>

namespace glintwick {

// `object` as a `Kind`, or null when it is none. (wxDynamicCast casts before it checks, which
// the undefined-behaviour sanitizer rightly reports for an object of another kind.)
template <typename Kind>
Kind* As(wxObject* object) {
    return object && object->IsKindOf(wxCLASSINFO(Kind)) ? static_cast<Kind*>(object) : nullptr;
}

}  // namespace glintwick
