// Where a template's controls stand to one another, in dialog units.
#pragma once

#include <algorithm>

#include "resources/Templates.h"

namespace glintwick {

// A drop-down list's template height is its opened list's; closed it is one line.
inline constexpr int kClosedListHeight = 14;

inline int ShownHeight(const res::ControlTemplate& c) {
    return c.kind == res::ControlKind::DropDownList ? kClosedListHeight : c.height;
}

// The two rectangles share some height.
inline bool ShareARow(const res::ControlTemplate& a, const res::ControlTemplate& b) {
    return a.y < b.y + ShownHeight(b) && b.y < a.y + ShownHeight(a);
}

// The room between the two across; negative where they overlap.
inline int GapAcross(const res::ControlTemplate& a, const res::ControlTemplate& b) {
    return std::max(a.x - (b.x + b.width), b.x - (a.x + a.width));
}

}  // namespace glintwick
