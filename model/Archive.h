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

protected:
    explicit CByteSource(uint64_t length) : m_left(length) {}
    void SetWindow(const char* begin, size_t size) {
        m_next = begin;
        m_end = begin + size;
    }
    // Called with the window empty and bytes left: puts between one of them and all of them in
    // the window.
    virtual void Refill() = 0;

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
    // The bytes WriteString writes for a text of `length` bytes.
    static uint64_t StoredStringSize(uint64_t length);

    int32_t ReadInt();
    // Reads any of the three 8-bit prefix forms, or the 16-bit form converted to the code page.
    std::string ReadString();
    // The same, its bytes put in `store`.
    std::string_view ReadText(CTextStore& store);

    // Counts memory that loading is about to take against half of what this process may hold
    // (see ProcessMemoryLimit); throws std::bad_alloc beyond it, so a crafted file fails as out
    // of memory before it gets there, not when the system refuses or a container kills it.
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
    uint64_t m_memoryCharged = 0;
    std::optional<uint64_t> m_memoryBudget;  // asked for once a load takes more than a little
};

}  // namespace glintwick
