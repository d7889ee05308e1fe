// Labels built from a file's name show every character of it, control characters as pictures.
#include <wx/filename.h>

#include <memory>
#include <string>

#include "UiTestSupport.h"
#include "XProbe.h"
#include "model/ProjectFile.h"
#include "resources/Ids.h"
#include "ui/RecentFileStore.h"

namespace glintwick::test {
namespace {

using FileNameLabelsTest = FrameTest;

// A TAB in a recent file's name made the rest of it the entry's shortcut ("evil  Ctrl+N"); a
// line break or an escape in the caption hid what follows or showed nothing.
TEST_F(FileNameLabelsTest, AControlCharacterInANameShowsAsItsPictureInTheMenuAndCaption) {
    const wxString folder = wxFileName::CreateTempFileName("gwk-labels");
    wxRemoveFile(folder);
    wxFileName::Mkdir(folder);
    const struct {
        const char* name;
        const char* shown;
    } cases[] = {
        {"evil\tCtrl+N",
         "evil\xE2\x90\x89"
         "Ctrl+N"},
        {"two\nlines", "two\xE2\x90\x8Alines"},
        {"esc\x1B[8mhidden", "esc\xE2\x90\x9B[8mhidden"},
        {"del\x7F", "del\xE2\x90\xA1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        const std::string path = folder.utf8_string() + "/" + c.name;
        SaveProject(doc, path);
        ASSERT_TRUE(frame->Commands().OpenDocumentFile(path));
        Flush();
        wxMenuItem* entry = frame->GetMenuBar()->FindItem(id::MenuId(id::kRecentFile1));
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(std::unique_ptr<wxAcceleratorEntry>(entry->GetAccel()), nullptr);
        EXPECT_TRUE(entry->GetItemLabel().EndsWith(wxString::FromUTF8(c.shown)))
            << entry->GetItemLabel();
        EXPECT_EQ(TitleOf(frame), std::string(c.shown) + " - Glintwick by Orvane");
    }
    wxFileName::Rmdir(folder, wxPATH_RMDIR_RECURSIVE);
}

}  // namespace
}  // namespace glintwick::test
