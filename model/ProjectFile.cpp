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
    explicit CFileSource(const std::string& path)
        : m_path(path), m_fd(OpenRegularFile(path, m_left)) {}

    uint64_t Remaining() const override { return m_left; }

    // Texts come out of the buffer in one piece where they can.
    void Append(std::string& out, size_t count) override {
        if (count <= m_end - m_next && count <= m_left) {
            out.append(m_buffer + m_next, count);
            m_next += count;
            m_left -= count;
            return;
        }
        CByteSource::Append(out, count);
    }

    void Read(char* out, size_t count) override {
        if (count > m_left) throw CArchiveFormatError("input ends early");
        while (count > 0) {
            if (m_next == m_end) {
                // Long texts go straight to their place; small fields come from the buffer.
                if (count >= sizeof m_buffer) {
                    const size_t n = ReadSome(out, count);
                    out += n;
                    count -= n;
                    m_left -= n;
                    continue;
                }
                m_next = 0;
                m_end = ReadSome(m_buffer, sizeof m_buffer);
            }
            const size_t n = std::min(count, m_end - m_next);
            std::memcpy(out, m_buffer + m_next, n);
            m_next += n;
            out += n;
            count -= n;
            m_left -= n;
        }
    }

private:
    size_t ReadSome(char* out, size_t count) {
        const size_t n = ReadFromFile(m_fd, out, count, m_path);
        // The file shrank while it was read: the bytes it claims are not there.
        if (n == 0) throw CArchiveFormatError("input ends early");
        return n;
    }

    std::string m_path;
    uint64_t m_left = 0;
    CFileDescriptor m_fd;
    char m_buffer[256 * 1024];
    size_t m_next = 0;
    size_t m_end = 0;
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
        auto source = std::make_unique<CFileSource>(path);
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
