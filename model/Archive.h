// The project file's byte archive: little-endian int32 and length-prefixed code-page strings.
#pragma once

#include <cstdint>
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

// Where a loading archive takes its bytes from, front to back.
class CByteSource {
public:
    virtual ~CByteSource() = default;
    // Bytes left before the end.
    virtual uint64_t Remaining() const = 0;
    // Copies the next `count` bytes to `out`; CArchiveFormatError when fewer are left.
    virtual void Read(char* out, size_t count) = 0;
    // Appends the next `count` bytes to `out` (no zero-filled room first, as Read would need).
    virtual void Append(std::string& out, size_t count);
};

// Bytes held in memory, which must outlive the source.
class CMemorySource : public CByteSource {
public:
    explicit CMemorySource(std::string_view bytes) : m_bytes(bytes) {}
    uint64_t Remaining() const override { return m_bytes.size() - m_pos; }
    void Read(char* out, size_t count) override;
    void Append(std::string& out, size_t count) override;

private:
    std::string_view m_bytes;
    size_t m_pos = 0;
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
