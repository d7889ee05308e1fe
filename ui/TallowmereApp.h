// The application: start-up with a new project or the one named on the command line.
#pragma once

#include <wx/app.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace glintwick {

class CTallowmereDoc;
class CMainFrame;

// Makes the main window over `doc` with a new project, or with the project at `path` when one
// is named, and shows it. When that file cannot be opened the message is shown, the window is
// destroyed unseen and the result is null. An empty name (a script's unset variable) names no
// file: the window opens on a new project and says that the path is invalid.
CMainFrame* OpenMainWindow(CTallowmereDoc& doc, const std::optional<std::string>& path);

class CTallowmereApp : public wxApp {
public:
    CTallowmereApp();
    ~CTallowmereApp() override;

    bool OnInit() override;
    int OnExit() override;

    CMainFrame* GetMainFrame() const { return m_frame; }

    // Opens the frame on a new project, or on `path` when one is named; false (after the
    // error was shown) when that file cannot be opened.
    bool StartUp(const std::optional<std::string>& path);

    // The arguments as the system passed them: a file name is the file system's bytes, which
    // wx's own copy of the command line may have changed (under LANG=C, for one).
    static void SetRawArguments(int argc, char** argv);

private:
    std::unique_ptr<CTallowmereDoc> m_doc;
    CMainFrame* m_frame = nullptr;
};

}  // namespace glintwick
