// The commands that replace, save, generate and configure the project, with their dialogs.
#pragma once

#include <wx/filename.h>
#include <wx/string.h>
#include <wx/window.h>

#include <string>

#include "model/FileWatch.h"

namespace glintwick {

class CTallowmereDoc;
class CRecentFileStore;

class CDocumentCommands {
public:
    CDocumentCommands(CTallowmereDoc& doc, CRecentFileStore& recent, wxWindow* owner);

    // "Save changes to %1?" for a modified project: true to go on (saved or not), false when
    // the user cancelled or the save failed.
    bool SaveModified();
    // Save: the project's own path when it is a file that may be replaced, else Save As.
    bool DoFileSave();
    // Save As: the dialog, then the save; false when cancelled or failed.
    bool DoSaveAs();
    // The save procedure with its message; on success the path joins the recent files.
    bool DoSave(const std::string& path);
    // The load procedure with its message; the document has its views start over.
    bool OpenDocumentFile(const std::string& path);
    // When another program changed the open file since this window read or wrote it, asks
    // whether to reload it (No, keeping this version, is the default) or says that it is gone;
    // each change is asked about once. False when the user chose to reload it.
    bool KeepOrReload();

    void OnFileNew();
    void OnFileOpen();
    void OnOpenRecentFile(size_t index);
    // A file dropped on the window: opened as Open opens it, after the save question.
    void OnDropFile(const std::string& path);
    void OnGenerateJavascript();
    // The sequence as an animated SVG image, under a name the user picks.
    void OnExportSvg();
    void OnOptions();

private:
    // The file the save dialogs propose: the project's, or for a project never saved the
    // untitled name in the user's language ("Unbenannt.gwk").
    wxFileName ProposedFile() const;

    CTallowmereDoc& m_doc;
    CRecentFileStore& m_recent;
    wxWindow* m_owner;
    CFileWatch m_watch;
    bool m_bAskingAboutFile = false;
};

}  // namespace glintwick
