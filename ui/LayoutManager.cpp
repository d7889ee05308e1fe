// The layout manager: children recorded once, placed afresh from that record on every resize.
#include "ui/LayoutManager.h"

namespace glintwick {

void CLayoutManager::Init(wxWindow* parent) { Init(parent, parent ? parent->GetSize() : wxSize()); }

void CLayoutManager::Init(wxWindow* parent, const wxSize& reference) {
    m_entries.clear();
    m_parent = parent;
    if (!parent) return;
    m_reference = reference;
    for (wxWindow* child : parent->GetChildren()) {
        if (child->IsTopLevel()) continue;
        const wxRect r = child->GetRect();
        m_entries.push_back({r.x, r.y, r.x + r.width, r.y + r.height, child, 0, 0});
    }
}

bool CLayoutManager::SetRule(wxWindow* window, int horizontal, int vertical) {
    for (LayoutEntry& entry : m_entries) {
        if (entry.window == window) {
            entry.horizontal = horizontal;
            entry.vertical = vertical;
            return true;
        }
    }
    return false;
}

bool CLayoutManager::SetRuleById(int id, int horizontal, int vertical) {
    if (!m_parent) return false;
    wxWindow* child = m_parent->FindWindow(id);
    return child && child->GetParent() == m_parent.get() && SetRule(child, horizontal, vertical);
}

void CLayoutManager::ApplyRule(int rule, int nearEdge, int farEdge, int reference, int current,
                               int& newNear, int& newFar) {
    const double scale = reference != 0 ? static_cast<double>(current) / reference : 1.0;
    const int growth = current - reference;
    if (rule & LAYOUT_KEEP_NEAR)
        newNear = nearEdge;
    else if ((rule & LAYOUT_KEEP_SIZE) && (rule & LAYOUT_FOLLOW_FAR))
        newNear = nearEdge + growth;
    else
        newNear = static_cast<int>(nearEdge * scale);
    if (rule & LAYOUT_FOLLOW_FAR)
        newFar = farEdge + growth;
    else if (rule & LAYOUT_KEEP_SIZE)
        newFar = newNear + (farEdge - nearEdge);
    else
        newFar = static_cast<int>(farEdge * scale);
}

void CLayoutManager::Resize() {
    if (m_parent) Resize(m_parent->GetSize());
}

void CLayoutManager::Resize(const wxSize& current, const wxPoint& origin) {
    if (!m_parent) return;
    for (const LayoutEntry& e : m_entries) {
        int left, right, top, bottom;
        ApplyRule(e.horizontal, e.left, e.right, m_reference.x, current.x, left, right);
        ApplyRule(e.vertical, e.top, e.bottom, m_reference.y, current.y, top, bottom);
        e.window->SetSize(origin.x + left, origin.y + top, right - left, bottom - top,
                          wxSIZE_ALLOW_MINUS_ONE);
        e.window->Refresh();
    }
}

}  // namespace glintwick
