// The help operations as calls of the HTML Help viewer: commands, data, calling window, file.
#include <gtest/gtest.h>
#include <htmlhelp.h>  // windows.h is read first in the window layer
#include <wx/app.h>

#include <string>
#include <vector>

#include "model/TallowmereDoc.h"
#include "resources/Ids.h"
#include "ui/EffectDlg.h"
#include "ui/HelpAccess.h"
#include "ui/MainFrame.h"
#include "ui/OptionsDlg.h"
#include "ui/ScriptDoneDlg.h"
#include "ui/msw/HtmlHelp.h"

namespace glintwick {
namespace {

struct HelpCall {
    HWND caller;
    std::wstring file;
    UINT command;
    DWORD_PTR data;
    HH_FTS_QUERY query;
    std::wstring queryText;
};

std::vector<HelpCall> g_calls;
constexpr DWORD kCookie = 0x5EED;

// The viewer as the tests see it: every call recorded, the initialize call given a cookie.
HWND RecordCall(HWND caller, const wchar_t* file, UINT command, DWORD_PTR data) {
    HelpCall call{caller, file ? file : L"(none)", command, data, {}, {}};
    if (command == HH_INITIALIZE) *reinterpret_cast<DWORD*>(data) = kCookie;
    if (command == HH_DISPLAY_SEARCH) {
        call.query = *reinterpret_cast<const HH_FTS_QUERY*>(data);
        call.queryText = call.query.pszSearchQuery ? call.query.pszSearchQuery : L"(none)";
    }
    g_calls.push_back(call);
    return nullptr;
}

const wchar_t* const kHelpFile = L"C:\\Program Files\\Glintwick\\glintwick.chm";

// A frame is destroyed when wx next cleans up, so its document lives as long as the program.
CTallowmereDoc& FrameDocument() {
    static CTallowmereDoc doc;
    return doc;
}

class HelpCalls : public ::testing::Test {
protected:
    void SetUp() override {
        m_previous = HtmlHelpCall();
        HtmlHelpCall() = &RecordCall;
        SetHelpBookPath(kHelpFile);
        g_calls.clear();
    }
    void TearDown() override { HtmlHelpCall() = m_previous; }

    HtmlHelpFunction m_previous = nullptr;
};

TEST(HelpFile, IsTheProgramsPathWithEveryHlpBecomingChm) {
    const struct {
        const char* program;
        const char* help;
    } cases[] = {
        {"C:\\Program Files\\Glintwick\\glintwick.exe",
         "C:\\Program Files\\Glintwick\\glintwick.chm"},
        {"C:\\Tools\\Renamed.EXE", "C:\\Tools\\Renamed.chm"},
        {"C:\\Old.HLP\\glintwick.exe", "C:\\Old.chm\\glintwick.chm"},
        {"C:\\old.hlp\\tool.HLP.exe", "C:\\old.hlp\\tool.chm.chm"},
    };
    for (const auto& c : cases) EXPECT_EQ(HelpBookPathFor(c.program), c.help) << c.program;
}

TEST_F(HelpCalls, TheFrameInitializesTheViewerAndHandsItsCookieBackOnClose) {
    auto* frame = new CMainFrame(FrameDocument());
    ASSERT_EQ(g_calls.size(), 1u);
    EXPECT_EQ(g_calls[0].command, static_cast<UINT>(28));
    EXPECT_EQ(g_calls[0].caller, frame->GetHandle());
    EXPECT_EQ(g_calls[0].file, L"(none)");
    frame->Close(true);
    wxTheApp->ProcessPendingEvents();
    ASSERT_EQ(g_calls.size(), 2u);
    EXPECT_EQ(g_calls[1].command, static_cast<UINT>(29));
    EXPECT_EQ(g_calls[1].caller, nullptr);
    EXPECT_EQ(g_calls[1].data, kCookie);
}

TEST_F(HelpCalls, TheHelpMenuShowsContentsIndexAndSearchOverTheFrame) {
    auto* frame = new CMainFrame(FrameDocument());
    for (int command : {id::kHelpContents, id::kHelpIndex, id::kHelpSearch}) {
        wxCommandEvent event(wxEVT_MENU, id::MenuId(command));
        frame->ProcessWindowEvent(event);
    }
    ASSERT_EQ(g_calls.size(), 4u);
    const UINT expected[] = {1, 2, 3};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(g_calls[i + 1].command, expected[i]);
        EXPECT_EQ(g_calls[i + 1].caller, frame->GetHandle());
        EXPECT_EQ(g_calls[i + 1].file, kHelpFile);
    }
    EXPECT_EQ(g_calls[1].data, 0u);
    EXPECT_EQ(g_calls[2].data, 0u);
    // The query record: its size, narrow strings, an empty query, the viewer's proximity, no
    // stemming, not titles only, executed at once, no window.
    const HH_FTS_QUERY& query = g_calls[3].query;
    EXPECT_EQ(query.cbStruct, static_cast<int>(sizeof(HH_FTS_QUERY)));
    EXPECT_EQ(query.fUniCodeStrings, FALSE);
    EXPECT_EQ(g_calls[3].queryText, L"");
    EXPECT_EQ(query.iProximity, -1);
    EXPECT_EQ(query.fStemmedSearch, FALSE);
    EXPECT_EQ(query.fTitleOnly, FALSE);
    EXPECT_EQ(query.fExecute, TRUE);
    EXPECT_EQ(query.pszWindow, nullptr);
    frame->Destroy();
}

// Each More Info button opens its own topic, without an owner window; the dialog stays.
TEST_F(HelpCalls, MoreInfoButtonsOpenTheirNumberedTopics) {
    CEffectDlg effect(nullptr);
    COptionsDlg options(nullptr);
    CScriptDoneDlg done(nullptr);
    wxWindow* dialogs[] = {&effect, &options, &done};
    for (wxWindow* dialog : dialogs) {
        wxCommandEvent press(wxEVT_BUTTON, id::kMoreInfoButton);
        press.SetEventObject(dialog->FindWindow(id::kMoreInfoButton));
        dialog->ProcessWindowEvent(press);
    }
    ASSERT_EQ(g_calls.size(), 3u);
    const DWORD_PTR topics[] = {3300, 3320, 3360};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(g_calls[i].command, static_cast<UINT>(15));
        EXPECT_EQ(g_calls[i].data, topics[i]);
        EXPECT_EQ(g_calls[i].caller, nullptr);
        EXPECT_EQ(g_calls[i].file, kHelpFile);
    }
}

}  // namespace
}  // namespace glintwick
