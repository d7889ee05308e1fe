// Tools > Preview in Browser and Save Status Strip Script: the project in a real browser.
#pragma once

#include <wx/window.h>

#include <string>

#include "script/PreviewFolder.h"

namespace glintwick {

class CTallowmereDoc;

class CBrowserCommands {
public:
    CBrowserCommands(CTallowmereDoc& doc, wxWindow* owner);
    // Removes this run's preview folder.
    ~CBrowserCommands();
    CBrowserCommands(const CBrowserCommands&) = delete;
    CBrowserCommands& operator=(const CBrowserCommands&) = delete;

    // Writes the generated script and its preview page into this run's temporary folder and
    // opens the page in the default browser. Unsaved edits are previewed as they stand.
    void OnPreviewInBrowser();
    // Asks where to save the status strip script, writes it and shows its tag.
    void OnSaveStatusStrip();

    // This run's preview folder (UTF-8); empty before the first preview.
    const std::string& PreviewFolder() const { return m_previewFolder.Path(); }

private:
    CTallowmereDoc& m_doc;
    wxWindow* m_owner;
    CPreviewFolder m_previewFolder;
};

}  // namespace glintwick
