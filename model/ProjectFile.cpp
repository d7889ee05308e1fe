// The save and load procedures of the project file.
#include "model/ProjectFile.h"

#include <algorithm>
#include <memory>
#include <new>
#include <stdexcept>

#include "model/Archive.h"
#include "model/FileError.h"
#include "model/RegularFile.h"
#include "model/SafeFile.h"
#include "model/TallowmereDoc.h"

namespace glintwick {

namespace {

// The project file, read as the archive asks for its bytes, a piece at a time into one buffer
// that the next piece reuses: the loaded project copies out its texts, so a file of short
// records costs its records and not its bytes as well. Its length is known from the start, so
// every length in it is checked against what is really left.
class CFileSource : public CByteSource {
public:
    CFileSource(const std::string& path, CFileDescriptor fd, uint64_t length)
        : CByteSource(length), m_path(path), m_fd(std::move(fd)) {}

    // Whether the file gives bytes beyond the length it claimed (as a system file that
    // claims no length does).
    bool HasMoreBytes() {
        char byte = 0;
        return ReadFromFile(m_fd, &byte, 1, m_path) > 0;
    }

private:
    // Small enough that a piece is still in the processor's cache when its records are read.
    static constexpr size_t kPieceBytes = 1 << 17;

    void Refill() override {
        if (!m_piece) m_piece = std::make_unique_for_overwrite<char[]>(kPieceBytes);
        const size_t wanted = static_cast<size_t>(std::min<uint64_t>(Remaining(), kPieceBytes));
        const size_t n = ReadFromFile(m_fd, m_piece.get(), wanted, m_path);
        // The file shrank while it was read: the bytes it claims are not there.
        if (n == 0) throw CArchiveFormatError("input ends early");
        SetWindow(m_piece.get(), n);
    }

    std::string m_path;
    CFileDescriptor m_fd;
    std::unique_ptr<char[]> m_piece;
};

}  // namespace

std::string SerializeProject(CTallowmereDoc& doc) {
    // Made once at its size, so a large project is not copied as it grows: each string and the
    // three numbers after it (the settings' and every record's).
    uint64_t size = CArchive::StoredStringSize(doc.GetFinalText().size()) + 12;
    for (int i = 0; i < doc.GetCount(); ++i)
        size += CArchive::StoredStringSize(doc.GetAt(i)->GetText().size()) + 12;
    std::string bytes;
    bytes.reserve(static_cast<size_t>(size));
    CArchive ar(bytes);
    doc.Serialize(ar);
    return bytes;
}

CFileStamp SaveProject(CTallowmereDoc& doc, const std::string& path) {
    CFileStamp written;
    SaveWithinMemory(path, [&] { written = WriteFileAtomically(path, SerializeProject(doc)); });
    doc.SetModified(false);
    doc.SetPathName(path);
    return written;
}

void DeserializeProject(CTallowmereDoc& doc, const std::string& bytes) {
    doc.ResetContents();
    doc.SetModified(true);
    if (bytes.empty()) return;
    CArchive ar{std::string_view(bytes)};
    doc.Serialize(ar);
}

CFileStamp LoadProject(CTallowmereDoc& doc, const std::string& path) {
    // A file that cannot be opened or read leaves the open project as it was: the records are
    // read into a project of their own, which takes the open one's place only when complete.
    FailureCause failure;
    try {
        uint64_t length = 0;
        CFileDescriptor fd = OpenRegularFile(path, length);
        // Taken before reading: a write during the load then shows as a change afterwards.
        const CFileStamp opened = StampOfOpenFile(fd);
        auto source = std::make_unique<CFileSource>(path, std::move(fd), length);
        CTallowmereDoc loaded;
        loaded.SetRepeat(doc.GetRepeat());  // a file of length zero keeps the repeat count
        if (source->Remaining() > 0) {
            CArchive ar(*source);
            loaded.Serialize(ar);
        } else if (source->HasMoreBytes()) {
            throw CArchiveFormatError("bytes in a file of no length");
        }
        doc.TakeContents(loaded);
        doc.SetModified(false);
        doc.SetPathName(path);
        doc.NotifyViews();
        return opened;
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
