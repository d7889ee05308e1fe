// The save and load procedures of the project file.
#include "model/ProjectFile.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>

#include "model/Archive.h"
#include "model/FileError.h"
#include "model/RegularFile.h"
#include "model/SafeFile.h"
#include "model/TallowmereDoc.h"

namespace glintwick {

namespace {

// The project file, read as the archive asks for its bytes. Its length is known from the
// start, so every length in it is checked against what is really left.
class CFileSource : public CByteSource {
public:
    CFileSource(const std::string& path, CFileDescriptor fd, uint64_t length)
        : CByteSource(length), m_path(path), m_fd(std::move(fd)) {}

private:
    void Refill() override {
        const size_t n = ReadSome(m_buffer, std::min<uint64_t>(sizeof m_buffer, Remaining()));
        SetWindow(m_buffer, n);
    }

    // Long texts go straight to their place.
    size_t ReadAround(char* out, size_t count) override { return ReadSome(out, count); }

    size_t ReadSome(char* out, size_t count) {
        const size_t n = ReadFromFile(m_fd, out, count, m_path);
        // The file shrank while it was read: the bytes it claims are not there.
        if (n == 0) throw CArchiveFormatError("input ends early");
        return n;
    }

    std::string m_path;
    CFileDescriptor m_fd;
    char m_buffer[kLongRead];
};

}  // namespace

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
    } catch (const std::length_error&) {
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
    // A file that cannot be opened or read leaves the open project as it was: the records are
    // read into a project of their own, which takes the open one's place only when complete.
    FailureCause failure;
    try {
        uint64_t length = 0;
        CFileDescriptor fd = OpenRegularFile(path, length);
        auto source = std::make_unique<CFileSource>(path, std::move(fd), length);
        CTallowmereDoc loaded;
        loaded.SetRepeat(doc.GetRepeat());  // a file of length zero keeps the repeat count
        if (source->Remaining() > 0) {
            CArchive ar(*source);
            loaded.Serialize(ar);
        }
        doc.TakeContents(loaded);
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
