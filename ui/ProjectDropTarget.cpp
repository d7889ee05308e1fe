// A dropped file, handed to the window's Open once the drag is over.
#include "ui/ProjectDropTarget.h"

#include <wx/window.h>

#include "ui/WxText.h"

namespace glintwick {

CProjectDropTarget::CProjectDropTarget(wxWindow* window,
                                       std::function<void(const std::string&)> open)
    : m_window(window), m_open(std::move(open)) {}

bool CProjectDropTarget::OnDropFiles(wxCoord, wxCoord, const wxArrayString& names) {
    if (names.empty()) return false;
    const std::string path = PathFromWx(names[0]);
    m_window->CallAfter([open = m_open, path] { open(path); });
    return true;
}

}  // namespace glintwick
