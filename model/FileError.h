// Failures of file and document operations, carried as a cause and turned into message text.
#pragma once

#include <exception>
#include <new>
#include <stdexcept>
#include <string>

namespace glintwick {

enum class FailureCause {
    // Platform file errors
    Generic,
    FileNotFound,
    BadPath,
    TooManyOpenFiles,
    AccessDenied,
    InvalidFile,
    DirectoryFull,
    BadSeek,
    HardIO,
    SharingViolation,
    LockViolation,
    DiskFull,
    EndOfFile,
    // Document failures
    UnexpectedFormat,
    FailedToOpen,
    FailedToSave,
};

class CFileFailure : public std::exception {
public:
    CFileFailure(FailureCause cause, std::string path);
    FailureCause Cause() const { return m_cause; }
    const std::string& Path() const { return m_path; }
    // The exact text shown to the user, with the path in place of %1.
    std::string Message() const;
    // The same text naming the file as `name` (a quoted form of the path, say); a text that
    // does not name the file is returned as it is.
    std::string MessageNaming(const std::string& name) const;
    // The text's template, with %1 for the file (for a window that shows it translated).
    const char* Template() const;
    // Whether the text names the file at all ("Unexpected file format." does not).
    bool NamesPath() const;
    const char* what() const noexcept override { return m_message.c_str(); }

private:
    FailureCause m_cause;
    std::string m_path;
    std::string m_message;
};

// Runs `save`, which makes and writes what a save of `path` holds: memory that runs out on the
// way (the file's bytes, or the old bytes an in-place write keeps) fails that save with
// "Failed to save document." instead of ending the program.
template <class Save>
void SaveWithinMemory(const std::string& path, Save save) {
    try {
        save();
    } catch (const std::bad_alloc&) {
        throw CFileFailure(FailureCause::FailedToSave, path);
    } catch (const std::length_error&) {
        throw CFileFailure(FailureCause::FailedToSave, path);
    }
}

}  // namespace glintwick
