// The .gwk type and the program's desktop entry under the user's XDG data folder.
#include "ui/gtk/FileTypeRegistration.h"
#include "ui/ShellRegistration.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <vector>

#include "model/CodePage.h"
#include "model/platform/RegularFile.h"
#include "model/platform/SafeFile.h"
#include "resources/StringTable.h"
#include "ui/gtk/BackgroundTools.h"
#include "ui/gtk/XdgFolder.h"

namespace glintwick {

namespace fs = std::filesystem;

namespace {

constexpr const char* kGlob = "*.gwk";
constexpr const char* kPackageName = "glintwick.xml";
constexpr const char* kDesktopFile = "OrvaneGWK.Document.desktop";

// The databases are refreshed in moments; a tool that takes longer is stuck (on a FIFO among
// the files it reads) and is ended.
constexpr std::chrono::seconds kToolTimeLimit{10};

// The mime databases' glob lists are tens of kilobytes; a larger one is not read.
constexpr uint64_t kGlobListLimit = 16 * 1024 * 1024;

// The type another package already gives *.gwk, from the mime databases' glob lists.
bool ClaimedByAnotherType(const FileTypeRegistration& where) {
    std::vector<std::string> roots{where.dataHome};
    std::stringstream dirs(where.dataDirs);
    for (std::string dir; std::getline(dirs, dir, ':');)
        if (!dir.empty()) roots.push_back(dir);
    for (const auto& root : roots) {
        std::istringstream globs(
            ReadSmallFile((fs::path(root) / "mime" / "globs2").string(), kGlobListLimit)
                .value_or(""));
        for (std::string line; std::getline(globs, line);) {
            // weight:type:glob[:flags]
            std::stringstream fields(line);
            std::string weight, type, glob;
            if (!std::getline(fields, weight, ':') || !std::getline(fields, type, ':') ||
                !std::getline(fields, glob, ':'))
                continue;
            if (glob == kGlob && type != str::kMimeType) return true;
        }
    }
    return false;
}

// The package and the entry are well under a kilobyte; a larger file there is not one of ours.
constexpr uint64_t kRegistrationFileLimit = 64 * 1024;

// Writes `text` unless the file already holds it; true when it wrote. Something there that
// could not be read whole (a FIFO, a device, a folder, a huge or an unreadable file) is not
// ours to replace.
bool WriteIfDifferent(const fs::path& path, const std::string& text) {
    std::error_code error;
    if (fs::exists(fs::symlink_status(path, error))) {
        const auto old = ReadSmallFile(path.string(), kRegistrationFileLimit);
        if (!old || *old == text) return false;
    }
    fs::create_directories(path.parent_path(), error);
    try {
        WriteFileAtomically(path.string(), text);
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

// GLib reads a mime folder's own lists when it holds no cache, in the window's thread as the
// window draws its first icon, and blocks for ever on one that is a FIFO; update-mime-database
// replaces the lists with regular files.
bool MimeListsHoldGLib(const fs::path& folder) {
    if (IsRegularFile((folder / "mime.cache").string())) return false;
    for (const char* list :
         {"globs2", "globs", "magic", "aliases", "subclasses", "icons", "generic-icons"}) {
        std::error_code error;
        const fs::path path = folder / list;
        if (fs::exists(fs::symlink_status(path, error)) && !IsRegularFile(path.string()))
            return true;
    }
    return false;
}

// One argument of the Exec key by the Desktop Entry rules: in double quotes, with the quote, the
// backquote, the dollar and the backslash behind a backslash, and % doubled (field codes start
// with %).
std::string QuoteExecArgument(const std::string& argument) {
    std::string quoted = "\"";
    for (char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        quoted += c;
        if (c == '%') quoted += '%';
    }
    return quoted + '"';
}

// The Exec key's command before the file: the program's path as its first argument. GLib looks
// the program up before it expands %%, so a path with a % would never be found; the shell then
// starts it from its expanded argument. The path is the shell's $0, which no launcher and no
// shell reads as an option or an assignment (env, for one, takes "x=y/glintwick" as a variable
// and runs the opened file). Every backslash is then doubled again, as the key's value is itself
// an escaped string.
std::string ExecCommand(const std::string& program) {
    std::string command = QuoteExecArgument(program);
    if (program.find('%') != std::string::npos)
        command = "/bin/sh -c " + QuoteExecArgument("exec \"$0\" \"$@\"") + " " + command;
    std::string value;
    for (char c : command) {
        value += c;
        if (c == '\\') value += '\\';
    }
    return value;
}

// A line break or another control character in the program's path would end the Exec line
// early, or let the path add keys of its own; bytes that are no UTF-8 make an entry that no
// launcher reads (a desktop entry is UTF-8). Such a path is not registered.
bool CannotStandInADesktopEntry(const std::string& path) {
    const bool control = std::any_of(path.begin(), path.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b < 0x20 || b == 0x7F;
    });
    return control || ReadableUtf8(path) != path;
}

}  // namespace

FileTypeRegistration RegistrationFromEnvironment() {
    FileTypeRegistration where;
    where.dataHome = XdgFolder("XDG_DATA_HOME", ".local/share");
    const char* dirs = std::getenv("XDG_DATA_DIRS");
    where.dataDirs = dirs && *dirs ? dirs : "/usr/local/share:/usr/share";
    std::error_code error;
    where.program = fs::read_symlink("/proc/self/exe", error).string();
    return where;
}

std::string MimePackageText() {
    return std::string(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
               "  <mime-type type=\"") +
           str::kMimeType +
           "\">\n"
           "    <comment>" +
           str::kFileTypeName +
           "</comment>\n"
           "    <icon name=\"application-x-glintwick-project\"/>\n"
           "    <glob pattern=\"" +
           kGlob +
           "\"/>\n"
           "  </mime-type>\n"
           "</mime-info>\n";
}

std::string DesktopEntryText(const std::string& program, bool withMimeType) {
    // TryExec is a plain string value, where only the backslash needs escaping.
    std::string tryExec;
    for (char c : program) tryExec += c == '\\' ? std::string("\\\\") : std::string(1, c);
    // The entry only opens .gwk files: the menu shows the program's own entry, not this one.
    std::string text =
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Name=Glintwick\n"
        "GenericName=Status Bar Message Animator\n"
        "Comment=Build animated status-bar messages and generate their JavaScript\n"
        "Exec=" +
        ExecCommand(program) +
        " %f\n"
        "TryExec=" +
        tryExec +
        "\n"
        "Icon=glintwick\n"
        "Terminal=false\n"
        "NoDisplay=true\n"
        "Categories=Development;WebDevelopment;\n";
    if (withMimeType) text += std::string("MimeType=") + str::kMimeType + ";\n";
    text += std::string("X-Orvane-TypeId=") + str::kFileTypeId + "\n";
    return text;
}

namespace {

// Whether the program runs from an installation whose data folder declares the type for it:
// the mime package and the document entry under DIR, the program in DIR/../bin.
bool DeclaredByTheInstallation(const FileTypeRegistration& where) {
    std::stringstream dirs(where.dataDirs);
    std::error_code error;
    for (std::string dir; std::getline(dirs, dir, ':');) {
        if (dir.empty()) continue;
        const fs::path data(dir);
        if (fs::exists(data / "mime" / "packages" / kPackageName, error) &&
            fs::exists(data / "applications" / kDesktopFile, error) &&
            fs::equivalent(data.parent_path() / "bin" / fs::path(where.program).filename(),
                           where.program, error))
            return true;
    }
    return false;
}

// Removes a per-user registration this program wrote and an installation now makes; true when
// anything went. Only files that are ours go: the package as we write it, an entry with our id.
bool RemoveUserRegistration(const fs::path& home) {
    std::error_code error;
    bool removed = false;
    const fs::path package = home / "mime" / "packages" / kPackageName;
    if (ReadSmallFile(package.string(), kRegistrationFileLimit) == MimePackageText())
        removed |= fs::remove(package, error);
    const fs::path entry = home / "applications" / kDesktopFile;
    const std::string ourId = std::string("\nX-Orvane-TypeId=") + str::kFileTypeId + "\n";
    if (ReadSmallFile(entry.string(), kRegistrationFileLimit).value_or("").find(ourId) !=
        std::string::npos)
        removed |= fs::remove(entry, error);
    return removed;
}

}  // namespace

int RegisterFileType(const FileTypeRegistration& where) {
    if (where.dataHome.empty() || where.program.empty() ||
        CannotStandInADesktopEntry(where.program))
        return 0;
    const fs::path home(where.dataHome);
    // An installed program's type is the installation's: a copy per user would outlive it
    // (and name a program removed with the package).
    if (DeclaredByTheInstallation(where)) {
        if (RemoveUserRegistration(home))
            RunToolsInBackground({{"update-mime-database", (home / "mime").string()},
                                  {"update-desktop-database", (home / "applications").string()}},
                                 kToolTimeLimit);
        return 0;
    }
    const bool ours = !ClaimedByAnotherType(where);
    std::vector<std::vector<std::string>> refresh;
    bool waitForMime = false;
    if (ours && WriteIfDifferent(home / "mime" / "packages" / kPackageName, MimePackageText())) {
        refresh.push_back({"update-mime-database", (home / "mime").string()});
        waitForMime = MimeListsHoldGLib(home / "mime");
    }
    if (WriteIfDifferent(home / "applications" / kDesktopFile,
                         DesktopEntryText(where.program, ours)))
        refresh.push_back({"update-desktop-database", (home / "applications").string()});
    const int written = static_cast<int>(refresh.size());
    if (!refresh.empty()) RunToolsInBackground(std::move(refresh), kToolTimeLimit);
    // The window waits only where GLib would otherwise wait for ever.
    if (waitForMime) WaitForBackgroundTools(kToolTimeLimit);
    return written;
}

void RegisterProjectFileType() { RegisterFileType(RegistrationFromEnvironment()); }

// A package manager replaces files under a running program safely: nothing to mark.
void MarkProgramRunning() {}

}  // namespace glintwick
