// The save and load procedures of the project file.
#include "model/ProjectFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <limits>
#include <memory>
#include <new>
#include <stdexcept>
#include <utility>

#include "model/Archive.h"
#include "model/FileError.h"
#include "model/TallowmereDoc.h"
#include "model/platform/RegularFile.h"
#include "model/platform/SafeFile.h"

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

// A project from a stream of no known length (a pipe), read a piece at a time as a file is.
// With no length to check against, what bounds it is the loading memory the archive charges,
// and an end where bytes are still wanted is a project cut short.
// Each read takes what the stream has at that moment, so a writer that keeps its end open once
// the project is through does not hold the load up: the last record ends the reading.
class CStreamSource : public CByteSource {
public:
    CStreamSource(std::FILE* stream, const std::string& shownName)
        : CByteSource(std::numeric_limits<uint64_t>::max()),
          m_fd(::fileno(stream)),
          m_name(shownName) {}
    ~CStreamSource() { m_fd.Release(); }  // the stream's own descriptor stays open

    // Whether the stream ends before its first byte; that byte is kept for the load.
    bool AtEnd() {
        m_pending = ReadFromFile(m_fd, m_piece, kPieceBytes, m_name);
        return m_pending == 0;
    }

private:
    static constexpr size_t kPieceBytes = 1 << 16;

    void Refill() override {
        const size_t n = m_pending ? std::exchange(m_pending, 0)
                                   : ReadFromFile(m_fd, m_piece, kPieceBytes, m_name);
        if (n == 0) throw CArchiveFormatError("input ends early");
        SetWindow(m_piece, n);
    }

    CFileDescriptor m_fd;
    std::string m_name;
    size_t m_pending = 0;
    char m_piece[kPieceBytes];
};

// Reads a project from `source` into a project of its own, which takes the place of `doc`
// when complete; an empty source keeps the repeat count. Format and memory failures turn `doc`
// into a new project and throw CFileFailure naming `shownName`.
}  // namespace

// The loader: the document lets it alone hand over a project read apart, so that a file that
// fails part way leaves the open project as it was.
class CProjectLoader {
public:
    static void Load(CTallowmereDoc& doc, CByteSource& source, bool empty,
                     const std::string& shownName);
};

void CProjectLoader::Load(CTallowmereDoc& doc, CByteSource& source, bool empty,
                          const std::string& shownName) {
    FailureCause failure;
    try {
        CTallowmereDoc loaded;
        loaded.SetRepeat(doc.GetRepeat());
        if (!empty) {
            CArchive ar(source);
            loaded.Serialize(ar);
        }
        doc.TakeContents(loaded);
        doc.SetModified(false);
        return;
    } catch (const CArchiveFormatError&) {
        failure = FailureCause::UnexpectedFormat;
    } catch (const std::bad_alloc&) {
        failure = FailureCause::FailedToOpen;
    }
    doc.InitNewProject();
    throw CFileFailure(failure, shownName);
}

std::string SerializeProject(const CTallowmereDoc& doc) {
    // Made once at its size, so a large project is not copied as it grows: each string and the
    // three numbers after it (the settings' and every record's).
    uint64_t size = CArchive::StoredStringSize(doc.GetFinalText().size()) + 12;
    for (int i = 0; i < doc.GetCount(); ++i)
        size += CArchive::StoredStringSize(doc.GetAt(i)->GetText().size()) + 12;
    std::string bytes;
    bytes.reserve(static_cast<size_t>(size));
    CArchive ar(bytes);
    doc.Store(ar);
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
    uint64_t length = 0;
    CFileDescriptor fd = OpenRegularFile(path, length);
    // Taken before reading: a write during the load then shows as a change afterwards.
    const CFileStamp opened = StampOfOpenFile(fd);
    auto source = std::make_unique<CFileSource>(path, std::move(fd), length);
    // A system file that claims no length but gives bytes is read, and found to be no project.
    const bool empty = source->Remaining() == 0 && !source->HasMoreBytes();
    CProjectLoader::Load(doc, *source, empty, path);
    doc.SetPathName(path);
    doc.NotifyInitialUpdate();
    return opened;
}

void LoadProjectStream(CTallowmereDoc& doc, std::FILE* stream, const std::string& shownName) {
    auto source = std::make_unique<CStreamSource>(stream, shownName);
    CProjectLoader::Load(doc, *source, source->AtEnd(), shownName);
}

}  // namespace glintwick
