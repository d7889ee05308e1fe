// A window that opens a project file dropped on it.
#pragma once

#include <wx/dnd.h>

#include <functional>
#include <string>

namespace glintwick {

// Takes dropped files; the first one goes to `open` once the drag is over (the toolkit is
// still inside it when the drop arrives, and opening may ask a question).
class CProjectDropTarget : public wxFileDropTarget {
public:
    CProjectDropTarget(wxWindow* window, std::function<void(const std::string&)> open);
    bool OnDropFiles(wxCoord x, wxCoord y, const wxArrayString& names) override;

private:
    wxWindow* m_window;
    std::function<void(const std::string&)> m_open;
};

}  // namespace glintwick
