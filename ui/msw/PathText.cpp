// Paths between the core and wx on Windows: wx's strings are the system's UTF-16 names.
#include <wx/string.h>

#include "model/Utf16Path.h"
#include "ui/WxText.h"

namespace glintwick {

wxString PathToWx(const std::string& path) {
    const std::u16string name = PathToUtf16(path);
    return wxString(std::wstring(name.begin(), name.end()));
}

std::string PathFromWx(const wxString& path) {
    const std::wstring name = path.ToStdWstring();
    return PathFromUtf16(std::u16string(name.begin(), name.end()));
}

}  // namespace glintwick
