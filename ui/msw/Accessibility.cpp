// The accessibility seam on Windows: what MSAA clients read, answered through wx's accessibles.
#include <wx/access.h>
#include <wx/window.h>

#include <optional>

#include "ui/Accessibility.h"

namespace glintwick {

namespace {

// The standard answers of a window's own MSAA object, with what the program says in place.
class CWindowAccessible : public wxWindowAccessible {
public:
    explicit CWindowAccessible(wxWindow* window) : wxWindowAccessible(window) {}

    wxAccStatus GetName(int childId, wxString* name) override {
        if (childId != wxACC_SELF) return wxWindowAccessible::GetName(childId, name);
        if (m_name) {
            *name = *m_name;
        } else if (m_label) {
            // No relations in MSAA: a control named by a label is named by its text.
            *name = wxStripMenuCodes(m_label->GetLabel());
        } else {
            return wxWindowAccessible::GetName(childId, name);
        }
        return wxACC_OK;
    }

    wxAccStatus GetRole(int childId, wxAccRole* role) override {
        if (childId != wxACC_SELF || !m_role) return wxWindowAccessible::GetRole(childId, role);
        *role = *m_role;
        return wxACC_OK;
    }

    wxAccStatus GetValue(int childId, wxString* value) override {
        if (childId != wxACC_SELF) return wxWindowAccessible::GetValue(childId, value);
        if (m_range.value) {
            *value = wxString::Format("%d", m_range.value());
        } else if (m_text) {
            *value = m_text();
        } else {
            return wxWindowAccessible::GetValue(childId, value);
        }
        return wxACC_OK;
    }

    std::optional<wxString> m_name;
    std::optional<wxAccRole> m_role;
    wxWindow* m_label = nullptr;
    AccessibleRange m_range;
    std::function<wxString()> m_text;
};

// The window's own accessible, made on first use; the window owns it.
CWindowAccessible& AccessibleOf(wxWindow* window) {
    if (auto* own = dynamic_cast<CWindowAccessible*>(window->GetAccessible())) return *own;
    auto* own = new CWindowAccessible(window);
    window->SetAccessible(own);
    return *own;
}

wxAccRole RoleFor(AccessibleRole role) {
    switch (role) {
        case AccessibleRole::Dialog: return wxROLE_SYSTEM_DIALOG;
        case AccessibleRole::Link: return wxROLE_SYSTEM_LINK;
        // MSAA has no marquee: static text whose changes are never announced.
        case AccessibleRole::Marquee: return wxROLE_SYSTEM_STATICTEXT;
        case AccessibleRole::StatusBar: return wxROLE_SYSTEM_STATUSBAR;
    }
    return wxROLE_NONE;
}

}  // namespace

void SetAccessibleName(wxWindow* window, const wxString& name) {
    AccessibleOf(window).m_name = name;
}

void SetAccessibleRole(wxWindow* window, AccessibleRole role) {
    AccessibleOf(window).m_role = RoleFor(role);
}

void AddAccessibleLabel(wxWindow* window, wxWindow* label) {
    CWindowAccessible& accessible = AccessibleOf(window);
    if (!accessible.m_label) accessible.m_label = label;
}

// A reader reads the value; MSAA's put_accValue, which wx does not pass on, cannot set it.
void ExposeAsSpinButton(wxWindow* window, AccessibleRange range) {
    CWindowAccessible& accessible = AccessibleOf(window);
    accessible.m_role = wxROLE_SYSTEM_SPINBUTTON;
    accessible.m_range = std::move(range);
}

void NotifyValueChanged(wxWindow* window) {
    wxAccessible::NotifyEvent(wxACC_EVENT_OBJECT_VALUECHANGE, window, wxOBJID_CLIENT, wxACC_SELF);
}

void ExposeAsMarquee(wxWindow* window, std::function<wxString()> text) {
    CWindowAccessible& accessible = AccessibleOf(window);
    accessible.m_role = RoleFor(AccessibleRole::Marquee);
    accessible.m_text = std::move(text);
}

}  // namespace glintwick
