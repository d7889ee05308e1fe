// The project file's byte archive: little-endian int32 and length-prefixed code-page strings.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace glintwick {

class CTextStore;

// Thrown while loading when the bytes do not form a project: input that ends early, a length
// that runs past the end, or a value the program cannot represent.
class CArchiveFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where a loading archive takes its bytes from, front to back. The bytes at hand sit in a
// window, so the small fields of a record are copied from it without a call per field.
class CByteSource {
public:
    virtual ~CByteSource() = default;
    // Bytes left before the end, those in the window included.
    uint64_t Remaining() const { return m_left; }
    // Copies the next `count` bytes to `out`; CArchiveFormatError when fewer are left.
    void Read(char* out, size_t count) {
        if (count <= Windowed()) {
            std::memcpy(out, m_next, count);
            Consume(count);
            return;
        }
        ReadBeyondWindow(out, count);
    }
    // Appends the next `count` bytes to `out` (no zero-filled room first, as Read would need).
    void Append(std::string& out, size_t count) {
        if (count <= Windowed()) {
            out.append(m_next, count);
            Consume(count);
            return;
        }
        const size_t at = out.size();
        out.resize(at + count);
        ReadBeyondWindow(out.data() + at, count);
    }

    // The next `count` bytes where they already lie, passed over, when the window holds them
    // and its bytes stay in place as long as the loaded project; otherwise nullptr, and
    // nothing is passed over.
    const char* TakeInPlace(size_t count) {
        if (!m_windowKept || (count > Windowed() && (count > m_left || !Grow(count))))
            return nullptr;
        const char* at = m_next;
        Consume(count);
        return at;
    }

protected:
    explicit CByteSource(uint64_t length) : m_left(length) {}
    // `kept`: the bytes stay in place as long as the loaded project (see TakeInPlace).
    void SetWindow(const char* begin, size_t size, bool kept = false) {
        m_next = begin;
        m_end = begin + size;
        m_windowKept = kept;
    }
    // Called with the window empty and bytes left: puts between one of them and all of them in
    // the window.
    virtual void Refill() = 0;
    // Called when a kept window holds fewer than `count` bytes (no more than are left) that
    // are wanted in place: reads on behind the window until it holds them and says so, or
    // says it cannot.
    virtual bool Grow(size_t /*count*/) { return false; }

private:
    size_t Windowed() const { return static_cast<size_t>(m_end - m_next); }
    void Consume(size_t count) {
        m_next += count;
        m_left -= count;
    }
    void ReadBeyondWindow(char* out, size_t count);

    const char* m_next = nullptr;
    const char* m_end = nullptr;
    uint64_t m_left;
    bool m_windowKept = false;
};

// Bytes held in memory, which must outlive the source: the window is all of them.
class CMemorySource : public CByteSource {
public:
    explicit CMemorySource(std::string_view bytes) : CByteSource(bytes.size()) {
        SetWindow(bytes.data(), bytes.size());
    }

private:
    void Refill() override {}  // never called: the window holds every byte
};

class CArchive {
public:
    // A storing archive that appends to `out`.
    explicit CArchive(std::string& out) : m_out(&out) {}
    // A loading archive over `in`, which must outlive the archive.
    explicit CArchive(std::string_view in);
    // A loading archive over `source`, which must outlive the archive.
    explicit CArchive(CByteSource& source);
    ~CArchive();

    bool IsStoring() const { return m_out != nullptr; }
    // Bytes not yet read (loading only).
    uint64_t Remaining() const { return m_source->Remaining(); }

    void WriteInt(int32_t value);
    void WriteString(std::string_view text);

    int32_t ReadInt();
    // Reads any of the three 8-bit prefix forms, or the 16-bit form converted to the code page.
    std::string ReadString();
    // The same, its bytes put in `store`.
    std::string_view ReadText(CTextStore& store);

    // Counts memory that loading is about to take against what the machine can give; throws
    // std::bad_alloc beyond it, so a crafted file fails as out of memory before it gets there.
    void ChargeMemory(uint64_t bytes);

private:
    uint32_t ReadLength();
    std::optional<uint32_t> ReadStringHead(std::string& converted);
    uint8_t ReadByte();
    uint16_t ReadWord();
    uint32_t ReadDword();
    std::string ReadWideText();

    std::string* m_out = nullptr;
    std::unique_ptr<CMemorySource> m_memory;
    CByteSource* m_source = nullptr;
    uint64_t m_memoryLeft = 0;
};

}  // namespace glintwick
