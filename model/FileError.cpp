// Message texts of file and document failures.
#include "model/FileError.h"

#include <string_view>

#include "model/CoreTexts.h"
#include "model/MessageFormat.h"

namespace glintwick {

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

std::string CFileFailure::MessageNaming(const std::string& name) const {
    return FormatMessage(TemplateFor(m_cause), name);
}

const char* CFileFailure::Template() const { return TemplateFor(m_cause); }

bool CFileFailure::NamesPath() const {
    return std::string_view(TemplateFor(m_cause)).find("%1") != std::string_view::npos;
}

}  // namespace glintwick
