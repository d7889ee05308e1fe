// The Windows window tests' main: wx started without the program's own start-up.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new wxApp);
    int wxArgc = 1;
    wchar_t name[] = L"ui_tests";
    wchar_t* wxArgv[] = {name, nullptr};
    if (!wxEntryStart(wxArgc, wxArgv)) return 1;
    const int result = RUN_ALL_TESTS();
    wxEntryCleanup();
    return result;
}
