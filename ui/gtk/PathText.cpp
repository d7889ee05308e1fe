// Paths between the core and wx on Linux: through wx's file-name conversion, byte for byte.
#include "ui/WxText.h"

namespace glintwick {

wxString PathToWx(const std::string& path) {
    return wxString(path.c_str(), *wxConvFileName, path.size());
}

std::string PathFromWx(const wxString& path) {
    const wxCharBuffer bytes = path.fn_str();
    return std::string(bytes.data(), bytes.length());
}

}  // namespace glintwick
