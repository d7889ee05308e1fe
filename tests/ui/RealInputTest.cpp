// The windows under real pointer and keyboard input (XTest), checked by what X reports.
#include <gtk/gtk.h>
#include <wx/app.h>
#include <wx/dataview.h>
#include <wx/filename.h>
#include <wx/html/helpctrl.h>
#include <wx/html/helpwnd.h>
#include <wx/msgdlg.h>
#include <wx/notebook.h>
#include <wx/treectrl.h>
#include <wx/uiaction.h>

#include <fstream>
#include <functional>
#include <set>

#include "UiTestSupport.h"
#include "XProbe.h"
#include "model/FileError.h"
#include "model/ProjectFile.h"
#include "resources/Ids.h"
#include "ui/AboutDlg.h"
#include "ui/HelpAccess.h"
#include "ui/HyperLink.h"
#include "ui/OptionsDlg.h"
#include "ui/Prompt.h"
#include "ui/SafeCast.h"
#include "ui/ScriptDoneDlg.h"
#include "ui/SunkenText.h"
#include "ui/TallowmereView.h"
#include "ui/UpDownCtrl.h"
#include "ui/WebBrowser.h"

namespace glintwick::test {
namespace {

// Starts `reader`: half a second later (a message box, which GTK makes itself, is up by then)
// `read` looks at each box that shows and `response` closes it.
void AnswerMessageBoxOnceShown(wxTimer& reader, GtkResponseType response,
                               std::function<void(GtkWidget*)> read) {
    reader.Bind(wxEVT_TIMER, [response, read](wxTimerEvent&) {
        GList* windows = gtk_window_list_toplevels();
        for (GList* w = windows; w; w = w->next) {
            if (!GTK_IS_MESSAGE_DIALOG(w->data) || !gtk_widget_get_visible(GTK_WIDGET(w->data)))
                continue;
            read(GTK_WIDGET(w->data));
            gtk_dialog_response(GTK_DIALOG(w->data), response);
        }
        g_list_free(windows);
    });
    reader.StartOnce(500);
}

class RealInputTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        saved = BrowserLauncher();
        BrowserLauncher() = [this](const wxString& url, const BrowserFailure&) {
            opened.push_back(url);
            return true;
        };
        frame->Raise();
        Pump(200);
    }
    void TearDown() override {
        BrowserLauncher() = saved;
        FrameTest::TearDown();
    }
    std::function<bool(const wxString&, const BrowserFailure&)> saved;
    std::vector<wxString> opened;
};

// The hand shows over the two links and nowhere else, in the main window and the About box.
TEST_F(RealInputTest, HandCursorShowsOverTheLinksOnly) {
    for (wxWindow* plain : std::initializer_list<wxWindow*>{
             view->EffectsList(), view->AddNewButton(), view->ForeverRadio(), view->CountEdit(),
             view->StartButton(), view}) {
        MoveTo(plain, plain == view ? wxPoint(2, 2) : wxPoint(-1, -1));
        EXPECT_FALSE(CursorUnderPointer().IsHand()) << plain->GetClassInfo()->GetClassName();
    }
    MoveTo(view->LogoLink());
    EXPECT_TRUE(CursorUnderPointer().IsHand()) << "over the logo";

    CAboutDlg about(frame);
    about.Show();
    Pump(300);
    for (wxWindow* plain : {about.FindWindow(wxID_OK), about.FindWindow(id::kAboutName),
                            static_cast<wxWindow*>(&about)}) {
        MoveTo(plain, plain == &about ? wxPoint(3, 3) : wxPoint(-1, -1));
        EXPECT_FALSE(CursorUnderPointer().IsHand()) << plain->GetLabel();
    }
    wxWindow* address = about.FindWindow(id::kAddressLink);
    MoveTo(address);
    EXPECT_TRUE(CursorUnderPointer().IsHand()) << "over the address";
    const wxRect text = address->GetRect();
    MoveTo(&about, wxPoint(text.GetRight() + 15, text.y + text.height / 2));
    EXPECT_FALSE(CursorUnderPointer().IsHand())
        << "beside the address, in the room its template gives";
    about.Hide();
}

// One press and release on a link opens the page once; nothing else does.
TEST_F(RealInputTest, ALinkOpensThePageOncePerClick) {
    CAboutDlg about(frame);
    about.Show();
    Pump(300);
    ClickAt(about.FindWindow(id::kAddressLink));
    EXPECT_EQ(opened.size(), 1u) << "a click on the address";
    DoubleClickAt(view->LogoLink());
    EXPECT_EQ(opened.size(), 2u) << "a double click on the logo opens once";
    MoveTo(view->StartButton());
    wxUIActionSimulator().MouseDown();
    MoveTo(view->LogoLink());
    wxUIActionSimulator().MouseUp();
    Pump(150);
    EXPECT_EQ(opened.size(), 2u) << "a press that began elsewhere";
    for (const wxString& url : opened) EXPECT_TRUE(url.Contains("source=gwik")) << url;
    about.Hide();
}

// A link no browser opens says so with its address, whether the launcher fails at once or only
// when it ends.
TEST_F(RealInputTest, ALinkThatNoBrowserOpensSaysSo) {
    for (const bool atOnce : {true, false}) {
        BrowserLauncher() = [atOnce](const wxString&, const BrowserFailure& failedLater) {
            if (!atOnce) wxTheApp->CallAfter(failedLater);
            return !atOnce;
        };
        std::string text;
        wxTimer reader;
        AnswerMessageBoxOnceShown(reader, GTK_RESPONSE_OK, [&](GtkWidget* box) {
            GtkWidget* area = gtk_message_dialog_get_message_area(GTK_MESSAGE_DIALOG(box));
            GList* labels = gtk_container_get_children(GTK_CONTAINER(area));
            for (GList* l = labels; l; l = l->next)
                if (GTK_IS_LABEL(l->data)) text += gtk_label_get_text(GTK_LABEL(l->data));
            g_list_free(labels);
        });
        ClickAt(view->LogoLink());
        Pump(1500);
        EXPECT_EQ(text, std::string("No web browser could be started to open ") +
                            CHyperLink::Address().utf8_string())
            << (atOnce ? "at once" : "later");
    }
}

// Typing while the loop count is invalid shows the message, and the preview animates under it.
TEST_F(RealInputTest, EffectDialogPreviewGoesOnUnderItsValidationMessage) {
    CEffectDlg dialog(frame);
    dialog.Show();
    Pump(200);
    dialog.LoopsEdit()->ChangeValue("x");
    std::set<wxString> framesUnderMessage;
    MessageBoxHook hook([&] {
        for (int i = 0; i < 120; ++i) {
            Pump(5);
            framesUnderMessage.insert(dialog.PreviewText()->GetLabel());
        }
    });
    FocusForKeys(dialog.TextEdit());
    PressKey(WXK_END);  // typing adds to the long default text, whose typewriter frames differ
    TypeText("z");
    Pump(200);
    EXPECT_EQ(hook.m_nShown, 1) << "one message for the invalid count";
    EXPECT_GE(framesUnderMessage.size(), 2u) << "the preview went on under the message";
    dialog.Hide();
}

// Every dialog asks for a dialog's title bar: close only, no minimise or maximise.
TEST_F(RealInputTest, DialogsHaveACloseBoxOnly) {
    constexpr unsigned long kMinimise = 0x08, kMaximise = 0x10, kClose = 0x20;  // Motif functions
    constexpr unsigned long kMinimiseBox = 0x20, kMaximiseBox = 0x40;           // decorations
    CEffectDlg effect(frame);
    COptionsDlg options(frame);
    CScriptDoneDlg done(frame);
    CAboutDlg about(frame);
    for (wxDialog* dialog : std::initializer_list<wxDialog*>{&effect, &options, &done, &about}) {
        dialog->Show();
        Pump(100);
        const auto hints = MotifHintsOf(dialog);
        ASSERT_TRUE(hints) << dialog->GetTitle();
        EXPECT_EQ(hints->functions & (kMinimise | kMaximise | kClose), kClose)
            << dialog->GetTitle();
        EXPECT_EQ(hints->decorations & (kMinimiseBox | kMaximiseBox), 0u) << dialog->GetTitle();
        EXPECT_EQ(WindowTypeOf(dialog), "_NET_WM_WINDOW_TYPE_DIALOG") << dialog->GetTitle();
        dialog->Hide();
    }
    // And the message boxes, which GTK makes itself.
    std::optional<MotifHints> boxHints;
    std::string boxType;
    wxTimer reader;
    AnswerMessageBoxOnceShown(reader, GTK_RESPONSE_NO, [&](GtkWidget* box) {
        const unsigned long xid = XWindowOfWidget(box);
        boxHints = MotifHintsOf(xid);
        boxType = WindowTypeOf(xid);
    });
    ShowMessageBox(frame, "A question?", wxYES_NO | wxICON_QUESTION);
    ASSERT_TRUE(boxHints) << "a message box";
    EXPECT_EQ(boxHints->functions & (kMinimise | kMaximise | kClose), kClose) << "a message box";
    EXPECT_EQ(boxHints->decorations & (kMinimiseBox | kMaximiseBox), 0u) << "a message box";
    EXPECT_EQ(boxType, "_NET_WM_WINDOW_TYPE_DIALOG") << "a message box";
}

// A message box shows the icon of its kind, drawn from the theme, and a screen reader hears its
// title, not GTK's word for its kind ("Question").
TEST_F(RealInputTest, MessageBoxesShowTheirKindsIconAndAreNamedByTheirTitle) {
    const struct {
        long style;
        const char* icon;
    } kinds[] = {{wxYES_NO | wxICON_QUESTION, "dialog-question"},
                 {wxOK | wxICON_EXCLAMATION, "dialog-warning"},
                 {wxOK | wxICON_ERROR, "dialog-error"},
                 {wxOK | wxICON_INFORMATION, "dialog-information"}};
    for (const auto& kind : kinds) {
        std::string icon, name;
        bool drawn = false;
        wxTimer reader;
        AnswerMessageBoxOnceShown(reader, GTK_RESPONSE_NO, [&](GtkWidget* box) {
            G_GNUC_BEGIN_IGNORE_DEPRECATIONS
            GtkWidget* image = gtk_message_dialog_get_image(GTK_MESSAGE_DIALOG(box));
            G_GNUC_END_IGNORE_DEPRECATIONS
            const char* iconName = nullptr;
            if (GTK_IS_IMAGE(image)) gtk_image_get_icon_name(GTK_IMAGE(image), &iconName, nullptr);
            icon = iconName ? iconName : "";
            drawn = image && gtk_widget_get_mapped(image) &&
                    gtk_icon_theme_has_icon(gtk_icon_theme_get_default(), icon.c_str());
            name = atk_object_get_name(gtk_widget_get_accessible(box));
        });
        ShowMessageBox(frame, "A message", kind.style, "Delete Effect");
        EXPECT_EQ(icon, kind.icon);
        EXPECT_TRUE(drawn) << kind.icon;
        EXPECT_EQ(name, "Delete Effect") << kind.icon;
    }
}

// The caption spells a file's name as the file system does, under any locale; a name that is
// not UTF-8 still opens and shows in a readable form.
TEST_F(RealInputTest, TheProgramsCaptionSpellsTheFileNameItOpened) {
    const std::string folder = wxFileName::CreateTempFileName("gwk-names").utf8_string();
    wxRemoveFile(folder);
    wxFileName::Mkdir(folder);
    const struct {
        const char* name;
        const char* locale;
        const char* caption;
    } cases[] = {
        {"Caf\xC3\xA9 menu.gwk", "C.UTF-8", "Caf\xC3\xA9 menu.gwk - Glintwick by Orvane"},
        {"caf\xC3\xA9.gwk", "C", "caf\xC3\xA9.gwk - Glintwick by Orvane"},
        {"caf\xE9.gwk", "C.UTF-8", "caf\xEF\xBF\xBD.gwk - Glintwick by Orvane"},
    };
    for (const auto& c : cases) {
        const std::string path = folder + "/" + c.name;
        SaveProject(doc, path);
        ChildProgram program({GLINTWICK_PROGRAM, path},
                             {std::string("LANG=") + c.locale, std::string("LC_ALL=") + c.locale});
        const std::string caption = program.WaitForWindow(
            [](const std::string& title) {
                return title.find(" - Glintwick by Orvane") != std::string::npos;
            },
            20000);
        EXPECT_EQ(caption, c.caption) << c.locale << " " << program.Stderr();
        program.CloseWindow(caption);
        EXPECT_EQ(program.Wait(10000), 0);
    }
    wxFileName::Rmdir(folder, wxPATH_RMDIR_RECURSIVE);
}

// Two project names are a mistake a desktop user must see: with no terminal, what was wrong
// and the usage show in a box too, and the status is a usage error's.
TEST_F(RealInputTest, TwoProjectNamesShowTheUsageInAMessageBox) {
    ChildProgram program({GLINTWICK_PROGRAM, "one.gwk", "two.gwk"}, {});
    const std::string box =
        program.WaitForWindow([](const std::string& title) { return title == "Glintwick"; }, 20000);
    EXPECT_EQ(box, "Glintwick");
    program.CloseWindow(box);
    EXPECT_EQ(program.Wait(10000), 2);
    EXPECT_EQ(program.Stderr(),
              "glintwick: one project at a time: 'two.gwk' is a second one\n"
              "Try 'glintwick --help'.\n");
}

// The program's windows carry the menu entry's window class, so a dock groups them under the
// launcher they were started from.
TEST_F(RealInputTest, TheWindowsClassIsTheMenuEntrysOwn) {
    std::ifstream entry(GLINTWICK_SOURCE_DIR "/resources/desktop/example.orvane.glintwick.desktop");
    std::string line, wmClass;
    while (std::getline(entry, line))
        if (line.rfind("StartupWMClass=", 0) == 0) wmClass = line.substr(15);
    ChildProgram program({GLINTWICK_PROGRAM}, {});
    const std::string title = program.WaitForWindow(
        [](const std::string& t) { return t.find(" - Glintwick by Orvane") != std::string::npos; },
        20000);
    ASSERT_FALSE(title.empty()) << program.Stderr();
    EXPECT_EQ(program.ClassOf(title), wmClass);
    program.CloseWindow(title);
    EXPECT_EQ(program.Wait(10000), 0);
}

// A count typed into the box and saved with Ctrl+S (which leaves the focus in the box) is the
// count that is saved.
TEST_F(RealInputTest, ATypedOrSteppedRepeatCountIsSavedByTheShortcut) {
    AddEffects({{"a", 0, 10, 1}});
    const std::string path = wxFileName::CreateTempFileName("gwk-count").utf8_string();
    ASSERT_TRUE(frame->Commands().DoSave(path));
    ClickAt(view->TimesRadio());
    FocusForKeys(view->CountEdit());
    view->CountEdit()->SelectAll();
    TypeText("7");
    PressKey('S', wxMOD_CONTROL);
    EXPECT_EQ(view->CountEdit()->GetValue(), "7");
    CTallowmereDoc saved;
    LoadProject(saved, path);
    EXPECT_EQ(saved.GetRepeat(), 7);
    EXPECT_FALSE(doc.IsModified());
    // The arrows take no focus: a click on them, the focus elsewhere, then the shortcut.
    FocusForKeys(view->StartButton());
    const wxSize arrows = view->CountArrows()->GetClientSize();
    ClickAt(view->CountArrows(), wxPoint(arrows.x / 2, arrows.y / 4));
    PressKey('S', wxMOD_CONTROL);
    EXPECT_EQ(view->CountEdit()->GetValue(), "8");
    LoadProject(saved, path);
    EXPECT_EQ(saved.GetRepeat(), 8);
    wxRemoveFile(path);
}

// Keyboard users keep their place: Space on Start puts the focus on Pause, Space on Stop puts
// it back on Start, and Enter on the closed effect list presses OK as in the other fields.
TEST_F(RealInputTest, TheFocusMovesOnWhenItsButtonIsDisabledAndEnterPressesOk) {
    AddEffects({{"abc", 0, 10, 1}});
    FocusForKeys(view->StartButton());
    PressKey(WXK_SPACE);
    EXPECT_TRUE(view->IsPlaying());
    EXPECT_EQ(wxWindow::FindFocus(), view->PauseButton());
    FocusForKeys(view->StopButton());
    PressKey(WXK_SPACE);
    EXPECT_FALSE(view->IsPlaying());
    EXPECT_EQ(wxWindow::FindFocus(), view->StartButton());

    CEffectDlg dialog(frame);
    int okPresses = 0;
    dialog.Bind(
        wxEVT_BUTTON,
        [&](wxCommandEvent& event) {
            ++okPresses;
            event.Skip();
        },
        wxID_OK);
    dialog.Show();
    Pump(200);
    FocusForKeys(dialog.EffectList());
    PressKey(WXK_RETURN);
    EXPECT_EQ(okPresses, 1);
    EXPECT_FALSE(dialog.IsShown());
}

// Edit, Move Down and Add below the visible rows keep the list where it was scrolled and
// bring the changed row into view.
TEST_F(RealInputTest, TheListKeepsItsPlaceAndShowsTheChangedRow) {
    for (int i = 0; i < 40; ++i) AddEffects({{"row " + std::to_string(i), 0, 10, 1}});
    wxDataViewCtrl* list = view->EffectsList();
    CEffectListModel* model = view->EffectsModel();
    const auto topRow = [=] { return static_cast<long>(model->GetRow(list->GetTopItem())); };
    const auto visible = [=](long row) {
        return row >= topRow() && row < topRow() + list->GetCountPerPage();
    };
    const auto clickRow = [=](long row) {
        const wxRect rect = list->GetItemRect(model->GetItem(static_cast<unsigned>(row)));
        ClickAt(list, rect.GetPosition() + wxPoint(20, rect.height / 2));
    };
    list->EnsureVisible(model->GetItem(39));
    Pump(100);
    const long top = topRow();
    ASSERT_GT(top, 20);
    const auto ok = [] { return ExpectEffectDialog([](CEffectDlg&) { return wxID_OK; }); };

    clickRow(35);
    wxTEST_DIALOG(PressKey(WXK_RETURN), ok());  // Enter on the row edits it
    EXPECT_EQ(topRow(), top) << "after Edit";
    EXPECT_TRUE(visible(35));
    EXPECT_EQ(view->FirstSelectedRow(), 35) << "the edited row stays selected";
    // The keys go on from the edited row, not from the top.
    PressKey(WXK_DOWN);
    EXPECT_EQ(view->FirstSelectedRow(), 36);
    EXPECT_EQ(topRow(), top);

    clickRow(38);
    ClickAt(view->MoveDownButton());
    EXPECT_EQ(view->FirstSelectedRow(), 39);
    EXPECT_TRUE(visible(39)) << "after Move Down";
    EXPECT_GE(topRow(), top);

    wxTEST_DIALOG(ClickAt(view->AddNewButton()), ok());
    EXPECT_TRUE(visible(40)) << "after Add New";
}

// Every byte of a text from a file comes back from Edit then OK, and from Options then OK,
// when the user changed nothing: NUL and the other control bytes included.
TEST_F(RealInputTest, EveryByteOfATextSurvivesTheDialogsUnchanged) {
    std::string allBytes;
    for (int byte = 0; byte < 256; ++byte) allBytes += static_cast<char>(byte);
    for (const std::string& text : {std::string("before\0after", 12), allBytes}) {
        CEffectDlg effect(frame, CEffect(text, 0, 10, 1));
        effect.Show();
        Pump(100);
        ClickAt(effect.FindWindow(wxID_OK));
        EXPECT_FALSE(effect.IsShown());
        EXPECT_EQ(effect.m_strText, text);

        COptionsDlg options(frame);
        options.m_strFinalText = text;
        options.Show();
        Pump(100);
        ClickAt(options.FindWindow(wxID_OK));
        EXPECT_FALSE(options.IsShown());
        EXPECT_EQ(options.m_strFinalText, text);
    }
}

// A one-line label (or radio button) and the text box beside it share a text baseline: with
// the same characters in both (a number the loop count accepts), they cover the same rows.
TEST_F(RealInputTest, LabelsShareTheBaselineOfTheTextBesideThem) {
    const auto labelled = [](wxWindow* parent, const char* text) {
        return wxWindow::FindWindowByLabel(text, parent);
    };
    struct Row {
        wxWindow* label;
        wxWindow* box;
    };
    const auto check = [](wxWindow* window, std::initializer_list<Row> rows) {
        window->Show();
        Pump(200);
        for (const Row& row : rows) {
            ASSERT_TRUE(row.label && row.box);
            row.label->SetLabel("10");
            if (auto* edit = As<wxTextCtrl>(row.box)) edit->ChangeValue("10");
            if (auto* list = As<wxChoice>(row.box)) list->SetSelection(list->Append("10"));
        }
        window->FindWindow(wxID_OK) ? window->FindWindow(wxID_OK)->SetFocus() : window->SetFocus();
        Pump(200);
        for (const Row& row : rows) {
            // The text part of the box: inside its border, left of a drop-down's arrow.
            wxRect text = row.box->GetRect().Deflate(4, 6);
            text.width = std::min(text.width, 40);
            const auto label = InkRows(window, row.label->GetRect());
            const auto box = InkRows(window, text);
            ASSERT_GE(label.first, 0);
            EXPECT_NEAR(label.first, box.first, 1)
                << row.label->GetLabel() << " at " << row.box->GetRect().y;
            EXPECT_NEAR(label.second, box.second, 1)
                << row.label->GetLabel() << " at " << row.box->GetRect().y;
        }
        if (window->IsTopLevel()) window->Hide();
    };
    {
        CEffectDlg effect(frame);
        check(&effect, {{labelled(&effect, "Status Bar &Text:"), effect.TextEdit()},
                        {labelled(&effect, "&Effect:"), effect.EffectList()},
                        {labelled(&effect, "&Repeat "), effect.LoopsEdit()},
                        {labelled(&effect, "time(s)"), effect.LoopsEdit()}});
    }
    {
        COptionsDlg options(frame);
        check(&options,
              {{labelled(&options, "&Final Text:"), options.FindWindow(id::kFinalTextEdit)}});
    }
    doc.SetRepeat(3);  // the count box is enabled, its text dark
    view->OnUpdate();
    check(view,
          {{view->ForeverRadio(), view->CountEdit()}, {view->TimesLabel(), view->CountEdit()}});
}

// The Effect dialog's looks: a tick at every speed 1 to 20, the speed as a number, and both
// previews' sunken edges visible on all four sides.
TEST_F(RealInputTest, SliderTicksSpeedNumberAndSunkenEdgesShow) {
    CEffectDlg effect(frame);
    effect.Show();
    Pump(200);
    ClickAt(effect.SpeedSlider(), wxPoint(effect.SpeedSlider()->GetSize().x / 2, 8));
    const wxSlider* slider = effect.SpeedSlider();
    const wxRect below(slider->GetRect().x, slider->GetRect().y + slider->GetRect().height / 2,
                       slider->GetRect().width, slider->GetRect().height / 2);
    EXPECT_EQ(MostMarksOnARow(&effect, below, 200), 20) << "one tick per speed";
    EXPECT_EQ(effect.SpeedValue()->GetLabel(), wxString::Format("%d", slider->GetValue()));
    EXPECT_TRUE(effect.SpeedValue()->IsShown());
    for (wxWindow* display :
         {static_cast<wxWindow*>(effect.PreviewText()), static_cast<wxWindow*>(view->Display())}) {
        const wxRect r = display->GetRect();
        wxWindow* parent = display->GetParent();
        const int background = LuminanceAt(parent, wxPoint(r.x - 3, r.y + r.height / 2));
        for (const wxPoint edge :
             {wxPoint(r.x, r.y + r.height / 2), wxPoint(r.GetRight(), r.y + r.height / 2),
              wxPoint(r.x + r.width / 2, r.y), wxPoint(r.x + r.width / 2, r.GetBottom())})
            EXPECT_GE(std::abs(LuminanceAt(parent, edge) - background), 20)
                << edge.x << "," << edge.y;
    }
}

// The symbol that stands for a NUL from a file is drawn, not shown as a box for a missing glyph.
TEST_F(RealInputTest, TheSymbolForNulHasAGlyph) {
    CEffectDlg effect(frame);
    PangoLayout* layout =
        gtk_widget_create_pango_layout(effect.TextEdit()->GetHandle(), "\xE2\x90\x80");
    EXPECT_EQ(pango_layout_get_unknown_glyphs_count(layout), 0);
    g_object_unref(layout);
}

// The speed slider's knob has room inside the slider's rectangle at both ends of its range: its
// edge columns look the same with the knob at an end as with it in the middle (GTK cuts a knob
// off at the rectangle's edge).
TEST_F(RealInputTest, TheSpeedKnobIsWholeAtBothEnds) {
    CEffectDlg effect(frame);
    effect.Show();
    Pump(200);
    wxSlider* slider = effect.SpeedSlider();
    const wxRect r = slider->GetRect();
    const auto edgeColumns = [&](int value, bool right) {
        slider->SetValue(value);
        Pump(100);
        std::vector<int> shown;
        for (int dx = 0; dx < 2; ++dx)
            for (int y = r.y; y < r.y + r.height / 2; y += 2)
                shown.push_back(
                    LuminanceAt(&effect, wxPoint(right ? r.GetRight() - dx : r.x + dx, y)));
        return shown;
    };
    EXPECT_EQ(edgeColumns(slider->GetMin(), false), edgeColumns(10, false)) << "at 1";
    EXPECT_EQ(edgeColumns(slider->GetMax(), true), edgeColumns(10, true)) << "at 20";
}

// GTK's critical messages, counted as they go on to the terminal.
int g_gtkCriticals = 0;
GLogWriterOutput CountCriticals(GLogLevelFlags level, const GLogField* fields, gsize count,
                                gpointer) {
    if (level & G_LOG_LEVEL_CRITICAL) ++g_gtkCriticals;
    return g_log_writer_default(level, fields, count, nullptr);
}

// The help viewer opens over the main window at a size for reading, without a critical message
// from GTK, its contents open and their titles whole, every navigation tab in view, the keyboard
// where the way it was opened leads (not in the bookmarks), and its boxes at the theme's own height
// (not the program's compact one, which clipped what was typed); each of the ways to open it, again
// and again, a new window each time.
TEST_F(RealInputTest, TheHelpViewerOpensReadableOverTheMainWindow) {
    SetHelpBookPath(GLINTWICK_HELP_BOOK);
    static const bool counting = (g_log_set_writer_func(CountCriticals, nullptr, nullptr), true);
    ASSERT_TRUE(counting);
    const int criticalsBefore = g_gtkCriticals;
    const struct {
        const char* way;
        std::function<void()> open;
        int focused;  // the window id with the keyboard; 0: the contents tree
    } ways[] = {{"Contents", ShowHelpContents, 0},
                {"Index", ShowHelpIndex, wxID_HTML_INDEXTEXT},
                {"Search", ShowHelpSearch, wxID_HTML_SEARCHTEXT},
                {"More Info", [] { ShowHelpTopic(kHelpTopicEffectDialog); }, 0}};
    wxFrame plain(nullptr, wxID_ANY, "plain");
    const int themeHeight = (new wxTextCtrl(&plain, wxID_ANY))->GetBestSize().y;
    const auto checkViewer = [&](const char* way, int focused) {
        wxFrame* viewer = HelpController().GetFrame();
        ASSERT_NE(viewer, nullptr) << way;
        EXPECT_GE(viewer->GetSize().x, 600) << way;
        EXPECT_GE(viewer->GetSize().y, 400) << way;
        const wxRect main = frame->GetScreenRect();
        EXPECT_TRUE(viewer->GetScreenRect().Contains(
            wxPoint(main.x + main.width / 2, main.y + main.height / 2)))
            << way << " at " << viewer->GetScreenPosition().x << ","
            << viewer->GetScreenPosition().y;

        std::function<wxTreeCtrl*(wxWindow*)> findTree = [&](wxWindow* window) -> wxTreeCtrl* {
            if (auto* tree = As<wxTreeCtrl>(window)) return tree;
            for (wxWindow* child : window->GetChildren())
                if (wxTreeCtrl* tree = findTree(child)) return tree;
            return nullptr;
        };
        wxTreeCtrl* contents = findTree(viewer);
        ASSERT_NE(contents, nullptr);
        std::function<void(wxTreeItemId)> expectOpen = [&](wxTreeItemId item) {
            const bool shown =
                item != contents->GetRootItem() || !contents->HasFlag(wxTR_HIDE_ROOT);
            EXPECT_TRUE(!shown || !contents->ItemHasChildren(item) || contents->IsExpanded(item))
                << way << ": " << contents->GetItemText(item);
            wxRect title;
            if (shown && contents->GetBoundingRect(item, title, true)) {
                EXPECT_LE(title.GetRight(), contents->GetClientSize().x)
                    << way << ": " << contents->GetItemText(item) << " is cut off";
            }
            wxTreeItemIdValue cookie;
            for (auto child = contents->GetFirstChild(item, cookie); child.IsOk();
                 child = contents->GetNextChild(item, cookie))
                expectOpen(child);
        };
        expectOpen(contents->GetRootItem());
        wxWindow* focusedNow = wxWindow::FindFocus();
        EXPECT_EQ(focusedNow, focused ? viewer->FindWindow(focused) : contents) << way;

        auto* tabs = As<wxNotebook>(viewer->FindWindow(wxID_HTML_NOTEBOOK));
        ASSERT_NE(tabs, nullptr);
        std::set<int> reachable;
        for (int x = 0; x < tabs->GetSize().x; x += 2)
            reachable.insert(tabs->HitTest(wxPoint(x, tabs->FromDIP(10))));
        for (int page = 0; page < static_cast<int>(tabs->GetPageCount()); ++page)
            EXPECT_TRUE(reachable.count(page))
                << "tab " << tabs->GetPageText(page) << " is out of view";
        for (int box : {wxID_HTML_SEARCHTEXT, wxID_HTML_INDEXTEXT})
            EXPECT_EQ(viewer->FindWindow(box)->GetSize().y, themeHeight) << box;
    };
    for (int round = 0; round < 3; ++round) {
        for (const auto& w : ways) {
            w.open();
            Pump(400);
            checkViewer(w.way, w.focused);
            if (round == 2) {  // closed by Escape, as a keyboard user closes it
                PressKey(WXK_ESCAPE);
                Pump(300);
                EXPECT_EQ(HelpController().GetFrame(), nullptr) << w.way << ": Escape";
            }
            UninitializeHelp();
            Pump(200);
        }
    }
    // From a modal dialog, where wx runs the viewer's own event loop until it closes.
    CEffectDlg effect(frame);
    bool looked = false;
    wxTimer look;
    look.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        checkViewer("More Info in a modal dialog", 0);
        looked = true;
        UninitializeHelp();
        effect.CallAfter([&] { effect.EndModal(wxID_CANCEL); });
    });
    effect.CallAfter([&] {
        look.StartOnce(600);
        ShowHelpTopic(kHelpTopicEffectDialog);
    });
    effect.ShowModal();
    EXPECT_TRUE(looked);
    EXPECT_EQ(g_gtkCriticals, criticalsBefore);
}

// A message naming a long path fits the screen, and its text still holds the whole path.
TEST_F(RealInputTest, AMessageWithALongPathFitsTheScreen) {
    // Names as long as a file system allows, which hold no place to break a line.
    const std::string path = "/tmp/" + std::string(200, 'f') + "/" + std::string(250, 'p') + ".gwk";
    int width = -1;
    std::string text;
    wxTimer reader;
    AnswerMessageBoxOnceShown(reader, GTK_RESPONSE_OK, [&](GtkWidget* box) {
        width = gtk_widget_get_allocated_width(box);
        GtkWidget* area = gtk_message_dialog_get_message_area(GTK_MESSAGE_DIALOG(box));
        GList* labels = gtk_container_get_children(GTK_CONTAINER(area));
        for (GList* l = labels; l; l = l->next)
            if (GTK_IS_LABEL(l->data)) text += gtk_label_get_text(GTK_LABEL(l->data));
        g_list_free(labels);
    });
    ShowFileFailure(frame, CFileFailure(FailureCause::FileNotFound, path), wxICON_EXCLAMATION);
    EXPECT_GT(width, 0) << "the box was shown";
    EXPECT_LE(width, wxGetDisplaySize().x) << "the box is wider than the screen";
    EXPECT_NE(text.find(path), std::string::npos) << text;
}

}  // namespace
}  // namespace glintwick::test
