// A path's parts as the file system names them: its folder, its file name and that name's stem.
#pragma once

#include <string>
#include <string_view>

namespace glintwick {

// The folder that holds `path`: "." for a bare name, "/" for a file in the root.
std::string FolderOf(const std::string& path);
// The folder with its trailing slash, ready to put a name after ("" for a bare name).
std::string FolderPrefixOf(const std::string& path);
// The name after the last slash, or backslash on Windows (the whole path when there is none).
std::string FileNameOf(const std::string& path);
// `name` inside `folder`, joined by the platform's own separator ("/", backslash on Windows).
std::string JoinPath(const std::string& folder, const std::string& name);
// A file name less its last extension ("page.html" gives "page"); a leading dot is no
// extension.
std::string StemOf(const std::string& fileName);
// The process id in a name this program made as `prefix`, the id, "-" and six characters (a
// temporary file's or a preview folder's), or 0 when `name` is not one of them.
long ProcessInName(std::string_view name, std::string_view prefix);

}  // namespace glintwick
