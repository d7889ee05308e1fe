// Preview in Browser and Save Status Strip Script.
#include "ui/BrowserCommands.h"

#include <wx/filename.h>
#include <wx/weakref.h>

#include "model/CodePage.h"
#include "model/FileError.h"
#include "model/MessageFormat.h"
#include "model/PathParts.h"
#include "model/TallowmereDoc.h"
#include "model/platform/SafeFile.h"
#include "resources/StringTable.h"
#include "script/BrowserPreview.h"
#include "script/ScriptWriter.h"
#include "ui/BeforeScript.h"
#include "ui/FileDialogs.h"
#include "ui/Prompt.h"
#include "ui/ScriptDoneDlg.h"
#include "ui/Translations.h"
#include "ui/WebBrowser.h"
#include "ui/WxText.h"

namespace glintwick {

CBrowserCommands::CBrowserCommands(CTallowmereDoc& doc, wxWindow* owner)
    : m_doc(doc), m_owner(owner), m_previewFolder(PathFromWx(wxFileName::GetTempDir())) {}

// The preview folder removes itself when it is still this run's.
CBrowserCommands::~CBrowserCommands() = default;

void CBrowserCommands::OnPreviewInBrowser() {
    if (!HasEffectsOrSay(m_doc, m_owner) || !CalmOrConfirmed(m_doc, m_owner)) return;
    std::string fileName;
    char32_t rejected = 0;
    if (!Utf8ToCodePage(FileNameOf(m_doc.GetProposedFileName()), fileName, rejected))
        fileName.clear();
    const std::string scriptName = PreviewScriptName(fileName);
    std::string pagePath;
    try {
        // Checked before every use; the files replace whatever links might stand in their place.
        pagePath = JoinPath(m_previewFolder.Use(), CodePageToUtf8(scriptName) + ".html");
        WritePreviewFiles(m_doc, pagePath, scriptName + ".js", false);
    } catch (const CFileFailure& failure) {
        ShowFileFailure(m_owner, failure, wxICON_ERROR);
        return;
    }
    // The launcher may only learn that no browser took the page once it ends; the message is
    // the same either way, over the window if it is still there.
    wxWeakRef<wxWindow> owner(m_owner);
    auto sayWhereThePageIs = [owner, pagePath] {
        ShowMessageBox(owner.get(), UiMessage(str::kBrowserNotStarted, pagePath),
                       wxOK | wxICON_EXCLAMATION);
    };
    if (!BrowserLauncher()(wxFileName::FileNameToURL(wxFileName(PathToWx(pagePath))),
                           sayWhereThePageIs))
        sayWhereThePageIs();
}

void CBrowserCommands::OnSaveStatusStrip() {
    const wxString path =
        AskScriptPath(m_owner, UiText(str::kSaveStripTitle), kStatusStripFileName);
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
