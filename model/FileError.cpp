// Message texts of file and document failures, and the mapping of errno values to causes.
#include "model/FileError.h"

#include <sys/stat.h>

#include <cerrno>

#include "model/CoreTexts.h"
#include "model/MessageFormat.h"
#include "model/PathParts.h"

namespace glintwick {

namespace {

bool ParentFolderExists(const std::string& path) {
    const std::string folder = FolderOf(path);
    struct stat st {};
    return ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

FailureCause CauseFromErrno(int err, const std::string& path) {
    switch (err) {
        case ENOENT:
            return ParentFolderExists(path) ? FailureCause::FileNotFound : FailureCause::BadPath;
        case ENOTDIR:
        case ENAMETOOLONG:
        case EINVAL:
        case ELOOP: return FailureCause::BadPath;
        case EMFILE:
        case ENFILE: return FailureCause::TooManyOpenFiles;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
        case EEXIST: return FailureCause::AccessDenied;
        case EBADF: return FailureCause::InvalidFile;
        case EMLINK: return FailureCause::DirectoryFull;
        case ESPIPE: return FailureCause::BadSeek;
        case EIO: return FailureCause::HardIO;
        case ETXTBSY:
        case EBUSY: return FailureCause::SharingViolation;
        case ENOLCK:
        case EDEADLK: return FailureCause::LockViolation;
        case ENOSPC:
        case EDQUOT:
        case EFBIG: return FailureCause::DiskFull;
        default: return FailureCause::Generic;
    }
}

namespace {

const char* TemplateFor(FailureCause cause) {
    switch (cause) {
        case FailureCause::Generic: return str::kFileErrorGeneric;
        case FailureCause::FileNotFound: return str::kFileErrorNotFound;
        case FailureCause::BadPath: return str::kFileErrorBadPath;
        case FailureCause::TooManyOpenFiles: return str::kFileErrorTooManyOpen;
        case FailureCause::AccessDenied: return str::kFileErrorAccessDenied;
        case FailureCause::InvalidFile: return str::kFileErrorInvalidHandle;
        case FailureCause::DirectoryFull: return str::kFileErrorDirectoryFull;
        case FailureCause::BadSeek: return str::kFileErrorBadSeek;
        case FailureCause::HardIO: return str::kFileErrorHardIO;
        case FailureCause::SharingViolation: return str::kFileErrorSharing;
        case FailureCause::LockViolation: return str::kFileErrorLocking;
        case FailureCause::DiskFull: return str::kFileErrorDiskFull;
        case FailureCause::EndOfFile: return str::kFileErrorEndOfFile;
        case FailureCause::UnexpectedFormat: return str::kUnexpectedFileFormat;
        case FailureCause::FailedToOpen: return str::kFailedToOpenDocument;
        case FailureCause::FailedToSave: return str::kFailedToSaveDocument;
    }
    return str::kFileErrorGeneric;
}

}  // namespace

CFileFailure::CFileFailure(FailureCause cause, std::string path)
    : m_cause(cause),
      m_path(std::move(path)),
      m_message(FormatMessage(TemplateFor(m_cause), m_path)) {}

std::string CFileFailure::Message() const { return m_message; }

}  // namespace glintwick
