// The edit boxes' undo and redo: the texts a box showed while the user changed it.
#include "ui/TextUndo.h"

#include <wx/app.h>

#include <map>
#include <vector>

namespace glintwick {

namespace {

class CTextUndo : public wxEvtHandler {
public:
    explicit CTextUndo(wxTextCtrl* edit) : m_edit(edit) {
        Rebase();
        edit->Bind(wxEVT_TEXT, &CTextUndo::OnText, this);
        edit->Bind(wxEVT_SET_FOCUS, &CTextUndo::OnSetFocus, this);
        edit->Bind(wxEVT_KEY_DOWN, &CTextUndo::OnKeyDown, this);
        edit->Bind(wxEVT_DESTROY, &CTextUndo::OnDestroy, this);
    }

    bool Step(int by) {
        Record();  // a change whose event is still on its way
        const long to = static_cast<long>(m_at) + by;
        if (to < 0 || to >= static_cast<long>(m_states.size())) return false;
        m_at = static_cast<size_t>(to);
        m_restoring = true;
        m_edit->SetValue(m_states[m_at].text);  // the box's listeners see the change
        m_restoring = false;
        m_edit->SetInsertionPoint(m_states[m_at].point);
        return true;
    }

    static std::map<wxTextCtrl*, CTextUndo*>& Attached() {
        static std::map<wxTextCtrl*, CTextUndo*> attached;
        return attached;
    }

private:
    struct State {
        wxString text;
        long point;
    };

    void Rebase() {
        m_states = {{m_edit->GetValue(), m_edit->GetInsertionPoint()}};
        m_at = 0;
    }

    // A change that a filter of the box takes back arrives after it, as the box's final text.
    void OnText(wxCommandEvent& event) {
        event.Skip();
        if (!m_restoring) CallAfter(&CTextUndo::Record);
    }

    void Record() {
        if (!m_edit) return;
        const wxString text = m_edit->GetValue();
        if (text == m_states[m_at].text) return;
        if (wxWindow::FindFocus() != m_edit) return Rebase();
        m_states.resize(m_at + 1);
        m_states.push_back({text, m_edit->GetInsertionPoint()});
        ++m_at;
    }

    void OnSetFocus(wxFocusEvent& event) {
        event.Skip();
        if (m_edit->GetValue() != m_states[m_at].text) Rebase();
    }

    void OnKeyDown(wxKeyEvent& event) {
        const int key = event.GetKeyCode();
        const int mods = event.GetModifiers();
        if ((mods == wxMOD_CONTROL && key == 'Z') || (mods == wxMOD_ALT && key == WXK_BACK))
            Step(-1);
        else if ((mods == wxMOD_CONTROL && key == 'Y') ||
                 (mods == (wxMOD_CONTROL | wxMOD_SHIFT) && key == 'Z'))
            Step(+1);
        else
            event.Skip();
    }

    void OnDestroy(wxWindowDestroyEvent& event) {
        event.Skip();
        if (event.GetEventObject() != m_edit) return;
        Attached().erase(m_edit);
        m_edit->Unbind(wxEVT_TEXT, &CTextUndo::OnText, this);
        m_edit->Unbind(wxEVT_SET_FOCUS, &CTextUndo::OnSetFocus, this);
        m_edit->Unbind(wxEVT_KEY_DOWN, &CTextUndo::OnKeyDown, this);
        m_edit->Unbind(wxEVT_DESTROY, &CTextUndo::OnDestroy, this);
        m_edit = nullptr;  // a change still to be recorded finds no box
        wxTheApp ? wxTheApp->ScheduleForDestruction(this) : delete this;
    }

    wxTextCtrl* m_edit;
    std::vector<State> m_states;  // the texts the box showed, oldest first
    size_t m_at = 0;              // the one it shows now
    bool m_restoring = false;
};

bool StepInBox(wxTextCtrl* edit, int by) {
    const auto found = CTextUndo::Attached().find(edit);
    return found != CTextUndo::Attached().end() && found->second->Step(by);
}

}  // namespace

void AttachTextUndo(wxTextCtrl* edit) { CTextUndo::Attached()[edit] = new CTextUndo(edit); }

bool UndoInBox(wxTextCtrl* edit) { return StepInBox(edit, -1); }

bool RedoInBox(wxTextCtrl* edit) { return StepInBox(edit, +1); }

}  // namespace glintwick
