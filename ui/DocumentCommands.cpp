// New, Open, Save, Save As, recent files, Generate Javascript, Export Animated SVG and Options.
#include "ui/DocumentCommands.h"

#include <wx/filename.h>

#include "model/ControlPictures.h"
#include "model/FileError.h"
#include "model/MessageFormat.h"
#include "model/ProjectCommands.h"
#include "model/ProjectFile.h"
#include "model/TallowmereDoc.h"
#include "model/platform/FileSystem.h"
#include "model/platform/SafeFile.h"
#include "preview/FlashCheck.h"
#include "resources/StringTable.h"
#include "script/BrowserPreview.h"
#include "script/ScriptName.h"
#include "script/ScriptWriter.h"
#include "script/SvgWriter.h"
#include "ui/BeforeScript.h"
#include "ui/FileDialogs.h"
#include "ui/OptionsDlg.h"
#include "ui/Prompt.h"
#include "ui/RecentFileStore.h"
#include "ui/ScriptDoneDlg.h"
#include "ui/Translations.h"
#include "ui/WxText.h"

namespace glintwick {

namespace {

wxString ProjectWildcard() {
    // GTK matches "*.*" only against names with a dot; "*" is every file.
    return UiText(str::kProjectFilter) + "|*.gwk|" + UiText(str::kAllFilesFilter) + "|*";
}

}  // namespace

CDocumentCommands::CDocumentCommands(CTallowmereDoc& doc, CRecentFileStore& recent, wxWindow* owner)
    : m_doc(doc), m_recent(recent), m_owner(owner) {}

bool CDocumentCommands::SaveModified() {
    if (!m_doc.IsModified()) return true;
    const wxString question =
        UiMessage(str::kSaveChangesPrompt,
                  WithControlPictures(TitleShown(m_doc.GetTitle(), m_doc.GetPathName())));
    switch (ShowMessageBox(m_owner, question, wxYES_NO | wxCANCEL | wxICON_EXCLAMATION)) {
        case wxYES: return DoFileSave();
        case wxNO: return true;
        default: return false;
    }
}

bool CDocumentCommands::DoFileSave() {
    // Reloaded: this version is gone, so there is nothing left to save.
    if (!KeepOrReload()) return !m_doc.IsModified();
    const std::string& path = m_doc.GetPathName();
    if (path.empty() || !IsWritableFile(path)) return DoSaveAs();
    return DoSave(path);
}

wxFileName CDocumentCommands::ProposedFile() const {
    wxFileName proposed(PathToWx(m_doc.GetProposedFileName()));
    if (m_doc.GetPathName().empty() && m_doc.GetTitle() == str::kUntitled)
        proposed.SetName(UiText(str::kUntitled));
    return proposed;
}

bool CDocumentCommands::DoSaveAs() {
    const wxFileName proposed = ProposedFile();
    CFileDialog dialog(m_owner, UiText(str::kSaveAsTitle), proposed.GetPath(),
                       proposed.GetFullName(), ProjectWildcard(),
                       wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() != wxID_OK) return false;
    const wxString path = WithDefaultExtension(dialog.GetPath(), "gwk");
    if (!ConfirmReplace(m_owner, dialog.GetPath(), path)) return false;
    const std::string chosen = PathFromWx(path);
    const std::string& open = m_doc.GetPathName();
    const bool sameFile = chosen == open || (!open.empty() && IsSameFile(chosen, open));
    if (sameFile && !KeepOrReload()) return !m_doc.IsModified();
    return DoSave(chosen);
}

bool CDocumentCommands::DoSave(const std::string& path) {
    try {
        m_watch.Record(path, SaveProject(m_doc, path));
    } catch (const CFileFailure& failure) {
        ShowFileFailure(m_owner, failure, wxICON_EXCLAMATION);
        return false;
    }
    m_recent.Add(path);
    return true;
}

bool CDocumentCommands::OpenDocumentFile(const std::string& path) {
    bool opened = true;
    try {
        m_watch.Record(path, LoadProject(m_doc, path));
        m_recent.Add(path);
    } catch (const CFileFailure& failure) {
        ShowFileFailure(m_owner, failure, wxICON_EXCLAMATION);
        opened = false;
        // A file that could not be read left the open project as it was.
        const bool replaced = failure.Cause() == FailureCause::UnexpectedFormat ||
                              failure.Cause() == FailureCause::FailedToOpen;
        if (!replaced) return false;
    }
    return opened;
}

bool CDocumentCommands::KeepOrReload() {
    // Activation while the question shows is no new change.
    if (m_bAskingAboutFile) return true;
    const std::string path = m_doc.GetPathName();
    const FileCheck check = m_watch.Check(path);
    if (check.change == FileChange::None) return true;
    m_bAskingAboutFile = true;
    const std::string shown = WithControlPictures(path);
    bool reload = false;
    if (check.change == FileChange::Removed) {
        ShowMessageBox(
            m_owner,
            ReadableToWx(FormatMessage(UiTemplate(str::kFileRemovedNotice).c_str(), shown)),
            wxOK | wxICON_EXCLAMATION);
    } else {
        reload =
            ShowMessageBox(
                m_owner,
                ReadableToWx(FormatMessage(UiTemplate(str::kFileChangedQuestion).c_str(), shown)),
                wxYES_NO | wxNO_DEFAULT | wxICON_EXCLAMATION) == wxYES;
    }
    m_bAskingAboutFile = false;
    // Kept: the next save writes this version, and this change is not asked about again.
    if (!reload) {
        m_watch.Accept(check);
        return true;
    }
    // A reload that fails says why, and the next activation asks again.
    OpenDocumentFile(path);
    return false;
}

void CDocumentCommands::OnFileNew() {
    if (!SaveModified()) return;
    m_doc.InitNewProject();
}

void CDocumentCommands::OnFileOpen() {
    if (!SaveModified()) return;
    CFileDialog dialog(m_owner, UiText(str::kOpenTitle), wxEmptyString, wxEmptyString,
                       ProjectWildcard(), wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK) return;
    OpenDocumentFile(PathFromWx(dialog.GetPath()));
}

void CDocumentCommands::OnOpenRecentFile(size_t index) {
    if (index >= m_recent.Paths().size()) return;
    const std::string path = m_recent.Paths()[index];
    if (!SaveModified()) return;
    // An entry that no longer opens leaves the list.
    if (!OpenDocumentFile(path)) m_recent.Remove(path);
}

void CDocumentCommands::OnDropFile(const std::string& path) {
    if (!SaveModified()) return;
    OpenDocumentFile(path);
}

void CDocumentCommands::OnGenerateJavascript() {
    if (!HasEffectsOrSay(m_doc, m_owner) || !CalmOrConfirmed(m_doc, m_owner)) return;
    const wxString path = AskScriptPath(m_owner, UiText(str::kGenerateTitle), wxEmptyString);
    if (path.empty()) return;
    // The script holds its name in the code page; a name the code page cannot hold is no
    // usable script name either, and then goes in as the file system spells it.
    const wxString fileTitle = wxFileName(path).GetFullName();
    const std::string fileName = PathFromWx(fileTitle);
    const std::string title = ScriptFileTitle(fileName);
    const std::string warning =
        ScriptNameWarning(fileName, UiTemplate(str::kScriptNameWarning).c_str());
    if (!warning.empty()) {
        const wxString question = ReadableToWx(warning + " " + UiTemplate(str::kGenerateAnyway));
        if (ShowMessageBox(m_owner, question, wxYES_NO | wxNO_DEFAULT | wxICON_EXCLAMATION) !=
            wxYES)
            return;
    }
    try {
        GenerateScriptFile(m_doc, PathFromWx(path), title);
    } catch (const CFileFailure& failure) {
        ShowFileFailure(m_owner, failure, wxICON_ERROR);
        return;
    }
    CScriptDoneDlg done(m_owner);
    done.m_strTag = ReadableToWx(AddressSafeLinkTag(PathFromWx(fileTitle)));
    done.ShowModal();
}

void CDocumentCommands::OnExportSvg() {
    if (!HasEffectsOrSay(m_doc, m_owner)) return;
    const wxString name = ProposedFile().GetName() + ".svg";
    const wxString path =
        AskSavePath(m_owner, UiText(str::kExportSvgTitle), name, UiText(str::kSvgFilter), "svg");
    if (path.empty()) return;
    try {
        const size_t size = WriteAnimatedSvgFile(m_doc, PathFromWx(path));
        const std::string warning =
            LargeSvgWarning(PathFromWx(path), size, UiTemplate(str::kLargeSvg).c_str());
        if (!warning.empty())
            ShowMessageBox(m_owner, ReadableToWx(warning), wxOK | wxICON_INFORMATION);
    } catch (const CFileFailure& failure) {
        ShowFileFailure(m_owner, failure, wxICON_ERROR);
    } catch (const CSvgTimelineError& error) {
        ShowMessageBox(m_owner, error.what(), wxOK | wxICON_ERROR);
    }
}

void CDocumentCommands::OnOptions() {
    COptionsDlg dialog(m_owner);
    dialog.m_strFinalText = m_doc.GetFinalText();
    dialog.m_bAutoStart = m_doc.GetAutoStart();
    if (dialog.ShowModal() != wxID_OK) return;
    m_doc.Submit(OptionsCommand(m_doc, dialog.m_strFinalText, dialog.m_bAutoStart));
}

}  // namespace glintwick
