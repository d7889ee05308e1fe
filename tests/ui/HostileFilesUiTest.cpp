// Crafted project files opened in the program: the list, the Effect dialog, both previews and
// Generate behave for those that load; the others leave a new untitled project.
#include <wx/filedlg.h>
#include <wx/filename.h>

#include <fstream>

#include "../HostileFiles.h"
#include "UiTestSupport.h"
#include "ui/ScriptDoneDlg.h"

namespace glintwick::test {
namespace {

class AnswerGenerate : public wxExpectModalBase<wxFileDialog, AnswerGenerate> {
public:
    explicit AnswerGenerate(wxString path) : m_path(std::move(path)) {}

protected:
    int OnInvoked(wxFileDialog* dialog) const override {
        dialog->SetPath(m_path);
        return wxID_OK;
    }

private:
    wxString m_path;
};

class CloseResult : public wxExpectModalBase<CScriptDoneDlg, CloseResult> {
protected:
    int OnInvoked(CScriptDoneDlg*) const override { return wxID_OK; }
};

using HostileFilesUiTest = FrameTest;

TEST_F(HostileFilesUiTest, EveryCraftedFileOpensOrIsRefusedWithoutHarm) {
    const wxString folder = wxFileName::CreateTempFileName("gwk-hostile");
    wxRemoveFile(folder);
    wxFileName::Mkdir(folder);
    for (const auto& file : HostileFiles()) {
        SCOPED_TRACE(file.name);
        const wxString path = folder + "/" + file.name + ".gwk";
        std::ofstream(path.utf8_string(), std::ios::binary) << file.bytes;
        doc.SetModified(false);
        if (!file.loads) {
            wxTEST_DIALOG(EXPECT_FALSE(frame->Commands().OpenDocumentFile(path.utf8_string())),
                          ExpectMessage("Unexpected file format.", wxID_OK));
            EXPECT_EQ(RowCount(view), 0);
            EXPECT_EQ(doc.GetTitle(), "Untitled");
            continue;
        }
        ASSERT_TRUE(frame->Commands().OpenDocumentFile(path.utf8_string()));
        ASSERT_EQ(RowCount(view), file.effectCount);

        // Both previews tick without stalling or reaching outside their tables.
        auto click = Click();
        view->OnStart(click);
        for (int i = 0; i < 500; ++i) view->TickPreview();
        view->OnStop();
        for (int row = 0; row < doc.GetCount(); ++row) {
            CEffectDlg dialog(frame, *doc.GetAt(row));
            dialog.Show();  // as ShowModal would; GTK dislikes a never-shown list destroyed
            for (int i = 0; i < 100; ++i) dialog.TickPreview();
            EXPECT_GE(dialog.m_nSpeed, 1);
            EXPECT_LE(dialog.m_nSpeed, 20);
            dialog.Hide();
        }

        const wxString script = folder + "/page.js";
        wxTEST_DIALOG(frame->Commands().OnGenerateJavascript(), AnswerGenerate(script),
                      CloseResult());
        EXPECT_TRUE(wxFileName::FileExists(script));
        wxRemoveFile(script);
    }
    wxFileName::Rmdir(folder, wxPATH_RMDIR_RECURSIVE);
}

}  // namespace
}  // namespace glintwick::test
