// Shows one window of the program as a user sees it, for the screenshot script.
// Usage: screenshot_scenes SCENE PROJECT.gwk; prints the window's screen rectangle once shown.
#include <wx/app.h>
#include <wx/timer.h>

#include <cstdio>
#include <functional>
#include <string>

#include "model/ProjectFile.h"
#include "model/TallowmereDoc.h"
#include "resources/Art.h"
#include "ui/AboutDlg.h"
#include "ui/EffectDlg.h"
#include "ui/MainFrame.h"
#include "ui/OptionsDlg.h"
#include "ui/PlatformStyle.h"
#include "ui/ScriptDoneDlg.h"
#include "ui/SplashWnd.h"
#include "ui/TallowmereView.h"
#include "ui/Translations.h"

namespace glintwick {
namespace {

class CScenesApp : public wxApp {
public:
    bool OnInit() override {
        if (argc < 3) return false;
        ApplyPlatformStyle();
        // In the language the environment names, as the program would be.
        UseUserLanguage(argv[0]);
        const std::string scene = argv[1].ToStdString();
        LoadProject(m_doc, argv[2].ToStdString());
        m_frame = new CMainFrame(m_doc);
        m_frame->GetView()->OnInitialUpdate();
        m_frame->Move(0, 0);
        m_frame->Show();
        wxWindow* shown = m_frame;
        if (scene == "main") {
            // Play a little, so the preview display shows a frame.
            wxCommandEvent click;
            m_frame->GetView()->OnStart(click);
            m_frame->GetView()->SelectRow(3);
        } else if (scene == "effect") {
            auto* dialog = new CEffectDlg(m_frame, *m_doc.GetAt(8));
            dialog->Move(0, 0);
            dialog->InitDialog();
            dialog->Show();
            shown = dialog;
        } else if (scene == "options") {
            auto* dialog = new COptionsDlg(m_frame);
            dialog->m_strFinalText = "Thanks for visiting!";
            shown = ShowDialog(dialog);
        } else if (scene == "result") {
            auto* dialog = new CScriptDoneDlg(m_frame);
            dialog->m_strTag = "<SCRIPT SRC='demo.js'></SCRIPT>";
            shown = ShowDialog(dialog);
        } else if (scene == "about") {
            shown = ShowDialog(new CAboutDlg(m_frame));
        } else if (scene == "splash") {
            CSplashWnd::EnableSplash(true);
            CSplashWnd::ShowSplash(m_frame, SplashBitmap());
            shown = CSplashWnd::Current();
            shown->Raise();
            m_report.StartOnce(300);  // before it closes by itself
            ReportWhenShown(shown);
            return true;
        } else {
            return false;
        }
        ReportWhenShown(shown);
        m_report.StartOnce(1500);
        return true;
    }

private:
    // Prints the window's screen rectangle when the report timer fires.
    void ReportWhenShown(wxWindow* shown) {
        m_report.Bind(wxEVT_TIMER, [shown](wxTimerEvent&) {
            // The window with everything in it (GTK may report a frame without its status bar).
            wxRect r = shown->GetScreenRect();
            for (wxWindow* child : shown->GetChildren())
                if (child->IsShown() && !child->IsTopLevel()) r.Union(child->GetScreenRect());
            std::printf("%dx%d+%d+%d\n", r.width, r.height, r.x, r.y);
            std::fflush(stdout);
        });
    }

    wxWindow* ShowDialog(wxDialog* dialog) {
        dialog->Move(0, 0);
        dialog->Show();  // shown modelessly: the scene only needs to be seen
        return dialog;
    }

    CTallowmereDoc m_doc;
    CMainFrame* m_frame = nullptr;
    wxTimer m_report;
};

}  // namespace
}  // namespace glintwick

wxIMPLEMENT_APP(glintwick::CScenesApp);
