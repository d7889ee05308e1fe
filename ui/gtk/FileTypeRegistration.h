// Registration of the .gwk file type with the desktop, the freedesktop way, per user.
#pragma once

#include <string>

namespace glintwick {

struct FileTypeRegistration {
    std::string dataHome;  // $XDG_DATA_HOME or ~/.local/share; empty: nothing is registered
    std::string dataDirs;  // $XDG_DATA_DIRS or /usr/local/share:/usr/share
    std::string program;   // the program's full path, for the desktop entry's Exec line
};

// The locations from the environment, for the running program.
FileTypeRegistration RegistrationFromEnvironment();

// Writes the shared-mime-info package for *.gwk and the desktop entry that opens such files
// with the program, each only when missing or different, and refreshes the desktop's databases
// in the background when anything changed (see BackgroundTools.h). *.gwk is left alone when
// another type already claims it. A program installed where its data folder declares the type
// writes nothing and removes the per-user files it wrote before. Failures are silent. Returns
// the number of files written.
int RegisterFileType(const FileTypeRegistration& where);

// The desktop entry's and the mime package's exact text.
std::string DesktopEntryText(const std::string& program, bool withMimeType);
std::string MimePackageText();

}  // namespace glintwick
