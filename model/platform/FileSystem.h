// What the engine asks of the platform's file system beyond reading and writing whole files.
#pragma once

#include <filesystem>
#include <string>

namespace glintwick {

// Paths travel through the engine as strings: the file system's own bytes on Linux, UTF-8 on
// Windows (with an unpaired surrogate of a Windows name kept as its three-byte form, so that
// every name the system allows survives the trip).

// The characters that end a folder's name in a path: "/" on Linux, backslash and "/" on Windows.
extern const char* const kPathSeparators;

// The absolute form of `path`, against the current folder; `path` itself when it has none (no
// name at all, or a current folder that is gone).
std::string AbsolutePath(const std::string& path);

// True when both paths name the very same file, through links and hard links too.
bool IsSameFile(const std::string& first, const std::string& second);

// True when anything stands at `path`: a file, a folder, a link (even one that leads nowhere).
bool SomethingAt(const std::string& path);

// A path of the engine as the standard library's path, and back.
std::filesystem::path NativePath(const std::string& path);
std::string PathString(const std::filesystem::path& path);

// Makes a new folder that only this user may enter, named `prefix` followed by six random
// characters, and returns its path; throws CFileFailure when no folder can be made.
std::string MakePrivateFolder(const std::string& prefix);

// True when `path` is a folder (not a link to one) that only this user may enter.
bool IsPrivateFolder(const std::string& path);

}  // namespace glintwick
