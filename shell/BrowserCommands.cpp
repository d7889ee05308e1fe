// Preview in Browser and Save Status Strip Script.
#include "shell/BrowserCommands.h"

#include <wx/filename.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "model/CodePage.h"
#include "model/FileError.h"
#include "model/SafeFile.h"
#include "model/TallowmereDoc.h"
#include "resources/StringTable.h"
#include "script/BrowserPreview.h"
#include "script/ScriptDoneDlg.h"
#include "script/ScriptWriter.h"
#include "shell/DocumentCommands.h"
#include "shell/FileDialogs.h"
#include "shell/Prompt.h"
#include "shell/WebBrowser.h"
#include "shell/WxText.h"

namespace glintwick {

CBrowserCommands::CBrowserCommands(CTallowmereDoc& doc, wxWindow* owner)
    : m_doc(doc), m_owner(owner) {}

CBrowserCommands::~CBrowserCommands() {
    if (!m_previewFolder.empty())
        wxFileName::Rmdir(PathToWx(m_previewFolder), wxPATH_RMDIR_RECURSIVE);
}

bool CBrowserCommands::EnsurePreviewFolder() {
    if (!m_previewFolder.empty() && wxFileName::DirExists(PathToWx(m_previewFolder))) return true;
    // mkdtemp makes a folder only this user can enter, under a name nobody could prepare.
    std::string templ = PathFromWx(wxFileName::GetTempDir()) + "/glintwick-preview-XXXXXX";
    std::vector<char> buffer(templ.begin(), templ.end());
    buffer.push_back('\0');
    if (!mkdtemp(buffer.data())) {
        const int error = errno;
        m_previewFolder.clear();
        ShowFileFailure(m_owner, CFileFailure(CauseFromErrno(error, templ), templ), wxICON_ERROR);
        return false;
    }
    m_previewFolder = buffer.data();
    return true;
}

void CBrowserCommands::OnPreviewInBrowser() {
    if (!HasEffectsOrSay(m_doc, m_owner) || !EnsurePreviewFolder()) return;
    std::string fileName;
    char32_t rejected = 0;
    if (!Utf8ToCodePage(FileNameOf(m_doc.GetProposedFileName()), fileName, rejected))
        fileName.clear();
    const std::string scriptName = PreviewScriptName(fileName);
    const std::string pagePath = m_previewFolder + "/" + CodePageToUtf8(scriptName) + ".html";
    try {
        WritePreviewFiles(m_doc, pagePath, scriptName + ".js");
    } catch (const CFileFailure& failure) {
        ShowFileFailure(m_owner, failure, wxICON_ERROR);
        return;
    }
    if (!BrowserLauncher()(wxFileName::FileNameToURL(wxFileName(PathToWx(pagePath))))) {
        const std::string message = FormatMessage(str::kBrowserNotStarted, pagePath);
        ShowMessageBox(m_owner, ReadableToWx(message), wxOK | wxICON_EXCLAMATION);
    }
}

void CBrowserCommands::OnSaveStatusStrip() {
    const wxString path = AskScriptPath(m_owner, str::kSaveStripTitle, kStatusStripFileName);
    if (path.empty()) return;
    try {
        WriteStatusStripFile(PathFromWx(path));
    } catch (const CFileFailure& failure) {
        ShowFileFailure(m_owner, failure, wxICON_ERROR);
        return;
    }
    CScriptDoneDlg done(m_owner);
    done.m_strTag = ReadableToWx(AddressSafeLinkTag(PathFromWx(wxFileName(path).GetFullName())));
    done.ShowModal();
}

}  // namespace glintwick
