// Input filtering of edit boxes to the code page: key presses, pastes and any other change.
#include "ui/CodePageTextFilter.h"

#include <wx/app.h>
#include <wx/utils.h>

#include <algorithm>

#include "model/FileError.h"
#include "model/MessageFormat.h"
#include "resources/StringTable.h"
#include "ui/Prompt.h"
#include "ui/Translations.h"
#include "ui/WxText.h"

namespace glintwick {

namespace {

// The project's text was put into the box: what a refused change goes back to.
wxDEFINE_EVENT(EVT_PROJECT_TEXT_SET, wxCommandEvent);

// The symbols for NUL in `text`: only those the project's text brought may be there.
size_t NullSymbols(const wxString& text) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), wxUniChar(kNulSymbol)));
}

class CCodePageTextFilter : public wxEvtHandler {
public:
    explicit CCodePageTextFilter(wxTextCtrl* edit) : m_edit(edit), m_lastGood(edit->GetValue()) {
        edit->Bind(wxEVT_CHAR, &CCodePageTextFilter::OnChar, this);
        edit->Bind(wxEVT_TEXT, &CCodePageTextFilter::OnText, this);
        edit->Bind(EVT_PROJECT_TEXT_SET, &CCodePageTextFilter::OnProjectText, this);
        edit->Bind(wxEVT_DESTROY, &CCodePageTextFilter::OnDestroy, this);
    }

private:
    // A typed character must be one of the code page: the symbol for NUL is none.
    void OnChar(wxKeyEvent& event) {
        const wxChar ch = event.GetUnicodeKey();
        if (ch >= 0x20 && !FromWx(wxString(ch))) {
            wxBell();
            return;
        }
        event.Skip();
    }

    // Pastes, input methods and drops arrive as changes; a change that brings a character the
    // code page cannot hold is taken back whole.
    void OnText(wxCommandEvent& event) {
        const wxString value = m_edit->GetValue();
        if (FromEditWx(value) && NullSymbols(value) <= NullSymbols(m_lastGood)) {
            m_lastGood = value;
            event.Skip();
            return;
        }
        wxBell();
        const long at = m_edit->GetInsertionPoint();
        m_edit->ChangeValue(m_lastGood);
        m_edit->SetInsertionPoint(std::min<long>(at, m_lastGood.length()));
    }

    void OnProjectText(wxCommandEvent&) { m_lastGood = m_edit->GetValue(); }

    void OnDestroy(wxWindowDestroyEvent& event) {
        event.Skip();
        if (event.GetEventObject() == m_edit) {
            m_edit->Unbind(wxEVT_CHAR, &CCodePageTextFilter::OnChar, this);
            m_edit->Unbind(wxEVT_TEXT, &CCodePageTextFilter::OnText, this);
            m_edit->Unbind(EVT_PROJECT_TEXT_SET, &CCodePageTextFilter::OnProjectText, this);
            m_edit->Unbind(wxEVT_DESTROY, &CCodePageTextFilter::OnDestroy, this);
            wxTheApp ? wxTheApp->ScheduleForDestruction(this) : delete this;
        }
    }

    wxTextCtrl* m_edit;
    wxString m_lastGood;
};

}  // namespace

void RestrictToCodePage(wxTextCtrl* edit) { new CCodePageTextFilter(edit); }

void SetLimitedText(wxTextCtrl* edit, const std::string& codePageText, size_t limit) {
    const wxString text = ToEditWx(codePageText);
    edit->SetMaxLength(0);
    edit->ChangeValue(text);
    edit->SetMaxLength(std::max<unsigned long>(limit, text.length()));
    wxCommandEvent projectText(EVT_PROJECT_TEXT_SET);
    edit->ProcessWindowEvent(projectText);
}

std::optional<std::string> TextWithinLimit(wxTextCtrl* edit, size_t limit) {
    std::optional<std::string> text = FromEditWx(edit->GetValue());
    if (text && text->size() <= limit) return text;
    return std::nullopt;
}

wxString TooLongMessage(size_t limit) {
    return UiMessage(str::kEnterNoMoreThan, std::to_string(limit));
}

std::optional<std::string> ReadLimitedText(wxWindow* dialog, wxTextCtrl* edit, size_t limit) {
    std::optional<std::string> text = TextWithinLimit(edit, limit);
    if (!text) ReportInvalidEdit(dialog, edit, TooLongMessage(limit));
    return text;
}

void ReportInvalidEdit(wxWindow* dialog, wxTextCtrl* edit, const wxString& message) {
    ShowMessageBox(dialog, message, wxOK | wxICON_EXCLAMATION);
    edit->SetFocus();
    edit->SelectAll();
}

}  // namespace glintwick
