// Keeps a window's children in place by per-edge rules when the window changes size.
#pragma once

#include <wx/gdicmn.h>
#include <wx/weakref.h>
#include <wx/window.h>

#include <list>

namespace glintwick {

inline constexpr int LAYOUT_KEEP_SIZE = 1;   // keep the recorded size
inline constexpr int LAYOUT_KEEP_NEAR = 2;   // keep the near (left or top) edge
inline constexpr int LAYOUT_FOLLOW_FAR = 4;  // move the far edge by the parent's growth

struct LayoutEntry {
    int left, top, right, bottom;  // at Init, in the parent's client coordinates
    wxWindow* window;
    int horizontal;
    int vertical;
};

class CLayoutManager {
public:
    // Forgets everything, then records `parent`'s size and every direct child's rectangle.
    void Init(wxWindow* parent);
    // The same with the size the parent counts as its own (a scrolled form's virtual size).
    void Init(wxWindow* parent, const wxSize& reference);
    bool SetRule(wxWindow* window, int horizontal, int vertical);
    bool SetRuleById(int id, int horizontal, int vertical);
    // Places every child for the parent's current size.
    void Resize();
    // Places every child as if the parent had `current` size, shifted by `origin` (where a
    // scrolled parent's content starts).
    void Resize(const wxSize& current, const wxPoint& origin = wxPoint(0, 0));

    // One axis of the arithmetic: the new near and far edges of a child recorded at
    // [nearEdge, farEdge] when the parent went from `reference` to `current` pixels.
    static void ApplyRule(int rule, int nearEdge, int farEdge, int reference, int current,
                          int& newNear, int& newFar);

    const std::list<LayoutEntry>& Entries() const { return m_entries; }

private:
    std::list<LayoutEntry> m_entries;
    wxWeakRef<wxWindow> m_parent;
    wxSize m_reference;
};

}  // namespace glintwick
