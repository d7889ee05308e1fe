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
#include "model/TextStore.h"

namespace glintwick {

namespace {

// The project file, read as the archive asks for its bytes. Its length is known from the
// start, so every length in it is checked against what is really left. The bytes are read a
// piece at a time into large blocks that the loaded project keeps: its texts stay where the
// read put them instead of being copied once more.
class CFileSource : public CByteSource {
public:
    CFileSource(const std::string& path, CFileDescriptor fd, uint64_t length)
        : CByteSource(length), m_path(path), m_fd(std::move(fd)), m_length(length) {}

    // The bytes read, for the loaded project to keep.
    CTextStore TakeBytes() { return std::move(m_bytes); }

    // Whether the file gives bytes beyond the length it claimed (as a system file that
    // claims no length does).
    bool HasMoreBytes() {
        char byte = 0;
        return ReadFromFile(m_fd, &byte, 1, m_path) > 0;
    }

private:
    // Small enough that a piece is still in the processor's cache when its records are read.
    static constexpr uint64_t kPieceBytes = 1 << 17;
    // A block takes the rest of the file up to this size, or a longer text whole. Only what is
    // read is touched, so a file that ends its project early costs little of it.
    static constexpr uint64_t kBlockBytes = 64 << 20;

    void Refill() override { Grow(1); }

    bool Grow(size_t count) override {
        const uint64_t at = m_length - Remaining();
        if (at + count > m_blockEnd) StartBlock(at, count);
        ReadUpTo(std::max(at + count, std::min(m_blockEnd, m_filled + kPieceBytes)));
        SetWindow(Address(at), static_cast<size_t>(m_filled - at), true);
        return true;
    }

    // A block from file offset `at` that holds at least `count` bytes; the bytes read but not
    // yet taken (a piece at most) move to its front.
    void StartBlock(uint64_t at, size_t count) {
        const uint64_t size = std::min(m_length - at, std::max<uint64_t>(kBlockBytes, count));
        char* block = m_bytes.Reserve(static_cast<size_t>(size));
        if (m_filled > at) std::memcpy(block, Address(at), static_cast<size_t>(m_filled - at));
        m_block = block;
        m_blockStart = at;
        m_blockEnd = at + size;
    }

    void ReadUpTo(uint64_t end) {
        while (m_filled < end) {
            const size_t n =
                ReadFromFile(m_fd, Address(m_filled), static_cast<size_t>(end - m_filled), m_path);
            // The file shrank while it was read: the bytes it claims are not there.
            if (n == 0) throw CArchiveFormatError("input ends early");
            m_filled += n;
        }
    }

    char* Address(uint64_t offset) const { return m_block + (offset - m_blockStart); }

    std::string m_path;
    CFileDescriptor m_fd;
    uint64_t m_length;
    CTextStore m_bytes;
    char* m_block = nullptr;
    uint64_t m_blockStart = 0;  // the file offsets the block holds, from here
    uint64_t m_blockEnd = 0;    // to here
    uint64_t m_filled = 0;      // the file's bytes read so far
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
        } else if (source->HasMoreBytes()) {
            throw CArchiveFormatError("bytes in a file of no length");
        }
        loaded.KeepLoadedBytes(source->TakeBytes());
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
