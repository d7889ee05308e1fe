// The save and load procedures of the project file.
#include "model/ProjectFile.h"

#include <new>

#include "model/Archive.h"
#include "model/FileError.h"
#include "model/SafeFile.h"
#include "model/TallowmereDoc.h"

namespace glintwick {

std::string SerializeProject(CTallowmereDoc& doc) {
    std::string bytes;
    CArchive ar(bytes);
    doc.Serialize(ar);
    return bytes;
}

void SaveProject(CTallowmereDoc& doc, const std::string& path) {
    std::string bytes;
    try {
        bytes = SerializeProject(doc);
    } catch (const std::bad_alloc&) {
        throw CFileFailure(FailureCause::FailedToSave, path);
    }
    WriteFileAtomically(path, bytes);
    doc.SetModified(false);
    doc.SetPathName(path);
}

void DeserializeProject(CTallowmereDoc& doc, const std::string& bytes) {
    doc.ResetContents();
    doc.SetModified(true);
    if (bytes.empty()) return;
    CArchive ar{std::string_view(bytes)};
    doc.Serialize(ar);
}

void LoadProject(CTallowmereDoc& doc, const std::string& path) {
    // The whole file is read before the project is touched, so a file that cannot be read
    // leaves the open project as it was.
    const std::string bytes = ReadWholeFile(path);
    FailureCause failure;
    try {
        DeserializeProject(doc, bytes);
        doc.SetModified(false);
        doc.SetPathName(path);
        doc.NotifyViews();
        return;
    } catch (const CArchiveFormatError&) {
        failure = FailureCause::UnexpectedFormat;
    } catch (const std::bad_alloc&) {
        failure = FailureCause::FailedToOpen;
    }
    doc.InitNewProject();
    doc.NotifyViews();
    throw CFileFailure(failure, path);
}

}  // namespace glintwick
