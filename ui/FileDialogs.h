// The save and open dialogs' shared pieces: path conversion, default extension, replacing.
#pragma once

#include <wx/filedlg.h>
#include <wx/string.h>
#include <wx/window.h>

#include <string>

namespace glintwick {

// The file dialog with the path a caller set remembered: GTK's chooser reports a path set on
// a dialog that was never shown as empty, and tests answer the dialog without showing it.
class CFileDialog : public wxFileDialog {
public:
    using wxFileDialog::wxFileDialog;
    void SetPath(const wxString& path) override;
    wxString GetPath() const override;

private:
    wxString m_setPath;
};

// Appends `extension` (without dot) when the path's file name has none.
wxString WithDefaultExtension(const wxString& path, const wxString& extension);

// A name completed with a default extension was not the one the dialog asked about: asks
// before it replaces an existing file. True to go on.
bool ConfirmReplace(wxWindow* owner, const wxString& chosen, const wxString& completed);

// A save dialog for one kind of file (`filter`, `extension` added when missing, replacing
// confirmed), starting at `defaultName`. The chosen path, or empty when cancelled.
wxString AskSavePath(wxWindow* owner, const wxString& title, const wxString& defaultName,
                     const wxString& filter, const wxString& extension);

// The save dialog for a script file ("Javascript files (*.js)", ".js" added).
wxString AskScriptPath(wxWindow* owner, const wxString& title, const wxString& defaultName);

}  // namespace glintwick
