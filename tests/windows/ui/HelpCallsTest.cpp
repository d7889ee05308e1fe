// The help operations as calls of the HTML Help viewer: commands, data, calling window, file.
#include <gtest/gtest.h>
#include <htmlhelp.h>  // windows.h is read first in the window layer
#include <wx/app.h>

#include <initializer_list>
#include <iterator>
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

// Every help operation in one session: the frame initializes the viewer, the Help menu shows
// contents, index and search over it, each More Info button opens its topic without an owner,
// and closing the frame hands the cookie back.
TEST_F(HelpCalls, EachOperationIsOneCallWithTheDesignedCommandDataWindowAndFile) {
    auto* frame = new CMainFrame(FrameDocument());
    for (int command : {id::kHelpContents, id::kHelpIndex, id::kHelpSearch}) {
        wxCommandEvent event(wxEVT_MENU, id::MenuId(command));
        frame->ProcessWindowEvent(event);
    }
    CEffectDlg effect(nullptr);
    COptionsDlg options(nullptr);
    CScriptDoneDlg done(nullptr);
    for (wxWindow* dialog : std::initializer_list<wxWindow*>{&effect, &options, &done}) {
        wxCommandEvent press(wxEVT_BUTTON, id::kMoreInfoButton);
        press.SetEventObject(dialog->FindWindow(id::kMoreInfoButton));
        dialog->ProcessWindowEvent(press);
    }
    const HWND main = frame->GetHandle();
    frame->Close(true);
    wxTheApp->ProcessPendingEvents();

    const struct {
        HWND caller;
        const wchar_t* file;
        UINT command;
        DWORD_PTR data;  // the search's is its query record, checked below
    } expected[] = {
        {main, L"(none)", 28, 0},       {main, kHelpFile, 1, 0},
        {main, kHelpFile, 2, 0},        {main, kHelpFile, 3, 0},
        {nullptr, kHelpFile, 15, 3300}, {nullptr, kHelpFile, 15, 3320},
        {nullptr, kHelpFile, 15, 3360}, {nullptr, L"(none)", 29, kCookie},
    };
    ASSERT_EQ(g_calls.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(g_calls[i].caller, expected[i].caller) << i;
        EXPECT_EQ(g_calls[i].file, expected[i].file) << i;
        EXPECT_EQ(g_calls[i].command, expected[i].command) << i;
        if (i != 0 && i != 3) EXPECT_EQ(g_calls[i].data, expected[i].data) << i;
    }
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
}

}  // namespace
}  // namespace glintwick
