// The windows in each shipped language: every interface text in that language, shown whole;
// with no catalogue, the English texts as they were, where they were.
#include "UiTestSupport.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dir.h>
#include <wx/filename.h>
#include <wx/menu.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/translation.h>

#include <functional>

#include "resources/Ids.h"
#include "resources/StringTable.h"
#include "resources/Templates.h"
#include "ui/AboutDlg.h"
#include "ui/DialogBuilder.h"
#include "ui/EffectDlg.h"
#include "ui/OptionsDlg.h"
#include "ui/SafeCast.h"
#include "ui/ScriptDoneDlg.h"
#include "ui/TextFit.h"

namespace glintwick::test {
namespace {

// What a control shows: its text, where it stands, and whether the text fits its width.
struct Shown {
    wxString text;
    wxRect rect;
    bool whole;
};

bool ShowsWhole(wxWindow* window, const wxString& text) {
    const int width = window->GetSize().x;
    if (As<wxStaticText>(window))
        return window->HasFlag(wxST_ELLIPSIZE_END) == false ||
               window->GetTextExtent(wxControl::RemoveMnemonics(text)).x <= width;
    if (As<wxStaticBox>(window))
        return window->GetTextExtent(wxControl::RemoveMnemonics(text)).x < width;
    if (As<wxButton>(window)) return ButtonTextWidth(*window) <= width;
    return window->GetBestSize().x <= width;
}

// The texts of `window`'s controls, in creation order (the templates' order).
std::vector<Shown> TextsOf(wxWindow* window) {
    std::vector<Shown> shown;
    for (wxWindow* child : window->GetChildren()) {
        auto* control = As<wxControl>(child);
        if (!control || control->GetLabel().empty() ||
            !(As<wxStaticText>(child) || As<wxButton>(child) || As<wxRadioButton>(child) ||
              As<wxCheckBox>(child) || As<wxStaticBox>(child)))
            continue;
        shown.push_back(
            {control->GetLabel(), child->GetRect(), ShowsWhole(child, control->GetLabel())});
    }
    return shown;
}

// The windows a user meets, each as its texts and its title: the main window (with its menu
// bar) and every dialog.
std::map<std::string, std::pair<wxString, std::vector<Shown>>> EveryWindow(CMainFrame* frame,
                                                                           CTallowmereView* view) {
    std::map<std::string, std::pair<wxString, std::vector<Shown>>> windows;
    // The main window's access keys are shared with the menu bar's titles; each menu has its own.
    std::vector<Shown> main = TextsOf(view);
    const wxMenuBar* bar = frame->GetMenuBar();
    for (size_t i = 0; i < bar->GetMenuCount(); ++i) {
        main.push_back({bar->GetMenuLabel(i), {}, true});
        std::vector<Shown> items;
        for (const wxMenuItem* item : bar->GetMenu(i)->GetMenuItems())
            if (!item->IsSeparator()) items.push_back({item->GetItemLabel(), {}, true});
        windows["menu " + std::to_string(i)] = {wxString(), items};
    }
    windows["main"] = {wxString(), main};
    const auto dialog = [&](const std::string& name, wxDialog* made) {
        made->InitDialog();
        windows[name] = {made->GetTitle(), TextsOf(made)};
        made->Destroy();
    };
    dialog("effect", new CEffectDlg(frame));
    dialog("options", new COptionsDlg(frame));
    dialog("result", new CScriptDoneDlg(frame));
    dialog("about", new CAboutDlg(frame));
    return windows;
}

// The texts that claim an access key another text of `texts` claims (Alt with the letter would
// reach only one of them).
std::string RepeatedAccessKeys(const std::vector<Shown>& texts) {
    std::map<wxChar, std::vector<wxString>> claims;
    for (const Shown& shown : texts) {
        const int at = wxControl::FindAccelIndex(shown.text.BeforeFirst('\t'));
        if (at >= 0)
            claims[wxToupper(wxControl::RemoveMnemonics(shown.text)[at])].push_back(shown.text);
    }
    std::string repeated;
    for (const auto& [key, claimants] : claims)
        if (claimants.size() > 1)
            for (const wxString& text : claimants) repeated += " " + text.utf8_string();
    return repeated;
}

// Makes `language` the interface's, from the catalogues the build puts beside the program ("" for
// none: the English originals).
void UseLanguage(const wxString& language) {
    auto* translations = new wxTranslations;
    wxTranslations::Set(translations);
    if (language.empty()) return;
    wxFileTranslationsLoader::AddCatalogLookupPathPrefix(wxFileName(GLINTWICK_PROGRAM).GetPath() +
                                                         "/locale");
    translations->SetLanguage(language);
    ASSERT_TRUE(translations->AddCatalog("glintwick")) << language;
}

class TranslationTest : public FrameTest {
protected:
    void TearDown() override {
        FrameTest::TearDown();
        UseLanguage("");
    }
    // The windows as they are made in `language`.
    std::map<std::string, std::pair<wxString, std::vector<Shown>>> MadeIn(
        const wxString& language) {
        FrameTest::TearDown();
        UseLanguage(language);
        FrameTest::SetUp();
        AddEffects({{"promo", 5, 12, 2}});
        Flush();
        return EveryWindow(frame, view);
    }
};

// In German, French and Spanish each text of the English windows is its translation (none is
// left in English by a window that does not look it up), and every one shows whole; the
// English windows are the same with no catalogue as with the English catalogue's absence. No
// access key is claimed twice in one window or menu.
TEST_F(TranslationTest, EveryWindowSpeaksTheUsersLanguageAndShowsEachTextWhole) {
    const auto english = MadeIn("");
    for (const auto& [name, window] : english) {
        for (const Shown& shown : window.second)
            EXPECT_TRUE(shown.whole) << name << ": " << shown.text;
        EXPECT_EQ(RepeatedAccessKeys(window.second), "") << name;
    }
    // Every catalogue the build made beside the program.
    wxArrayString languages;
    wxDir::GetAllFiles(wxFileName(GLINTWICK_PROGRAM).GetPath() + "/locale", &languages,
                       "glintwick.mo");
    ASSERT_GE(languages.size(), 3u);
    for (wxString language : languages) {
        language = wxFileName(language).GetDirs().end()[-2];
        const auto translated = MadeIn(language);
        // The list's column titles show whole, the room taken from the wider columns.
        for (unsigned c = 0; c < view->EffectsList()->GetColumnCount(); ++c) {
            const wxString title = view->EffectsList()->GetColumn(c)->GetTitle();
            EXPECT_GE(ColumnWidth(view, c), ColumnTitleWidth(*view->EffectsList(), title))
                << language << " " << title;
        }
        {
            // A new effect's prompt is the user's language's too.
            CEffectDlg added(frame);
            added.InitDialog();
            EXPECT_EQ(added.TextEdit()->GetValue(),
                      wxGetTranslation("Enter your Status Bar text here"));
            EXPECT_NE(added.TextEdit()->GetValue(), "Enter your Status Bar text here");
        }
        for (const auto& [name, window] : english) {
            SCOPED_TRACE(language.utf8_string() + " " + name);
            const auto& [title, texts] = translated.at(name);
            EXPECT_EQ(title, wxGetTranslation(window.first)) << "the title or status text";
            EXPECT_EQ(RepeatedAccessKeys(texts), "") << "access keys claimed twice";
            ASSERT_EQ(texts.size(), window.second.size());
            for (size_t i = 0; i < texts.size(); ++i) {
                // A wrapped label's lines break where its width says, not where the text did.
                const wxString& original = window.second[i].text;
                if (original.Contains("\n"))
                    EXPECT_NE(texts[i].text, original);
                else
                    EXPECT_EQ(texts[i].text, wxGetTranslation(original));
                EXPECT_TRUE(texts[i].whole)
                    << texts[i].text << " in " << texts[i].rect.width << " px";
            }
        }
    }
    // Back in English, every control is where the template put it.
    const auto again = MadeIn("");
    for (const auto& [name, window] : english)
        for (size_t i = 0; i < window.second.size(); ++i)
            EXPECT_EQ(again.at(name).second[i].rect, window.second[i].rect)
                << name << " " << window.second[i].text;
}

// With the English texts no form or dialog opens up: every control is where its template puts
// it (the toolkit's standard button width, wider than some templates' buttons, is no text's).
TEST_F(TranslationTest, EnglishFormsAreTheirTemplates) {
    EXPECT_EQ(view->GetFormSize(), TemplateSizeInPixels(view, res::kMainForm));
    const auto same = [](wxDialog* dialog, const res::DialogTemplate& templ) {
        EXPECT_EQ(dialog->GetClientSize(), TemplateSizeInPixels(dialog, templ))
            << dialog->GetTitle();
        dialog->Destroy();
    };
    same(new CEffectDlg(frame), res::kEffectDialog);
    same(new COptionsDlg(frame), res::kOptionsDialog);
    same(new CScriptDoneDlg(frame), res::kScriptDoneDialog);
    same(new CAboutDlg(frame), res::kAboutDialog);
}

// A message whose template is filled in, and the names the save dialogs propose, are the user's
// language's too (the flash question's accented letters were once read as the code page's); the
// flash warning fits its place.
TEST_F(TranslationTest, FilledMessagesAndProposedNamesSpeakTheUsersLanguage) {
    for (const wxString language : {"de", "fr", "es"}) {
        MadeIn(language);
        AddEffects({{"Sale", 4, 20, 10}});
        wxString question = wxGetTranslation(wxString::FromUTF8(str::kFlashQuestion));
        question.Replace("%1", "1");
        question.Replace("%2", "6");
        wxTEST_DIALOG(RunMenuCommand(id::kGenerateJavascript), ExpectMessage(question, wxID_NO));
        wxTEST_DIALOG(RunMenuCommand(id::kFileSaveAs),
                      ExpectFile("unused", wxGetTranslation("Untitled") + ".gwk", wxID_CANCEL));
        // The Effect dialog's flash warning, wrapped, stays within its two lines.
        CEffectDlg flashing(frame, CEffect("Sale of the century", 4, 20, 10));
        flashing.InitDialog();
        auto* warning = As<wxStaticText>(flashing.FindWindow(id::kFlashWarning));
        ASSERT_TRUE(warning && warning->IsShown()) << language;
        EXPECT_LE((warning->GetLabel().Freq('\n') + 1) * warning->GetCharHeight(),
                  warning->GetSize().y)
            << language << ": " << warning->GetLabel();
    }
}

}  // namespace
}  // namespace glintwick::test
