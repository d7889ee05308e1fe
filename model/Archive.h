// The project file's byte archive: little-endian int32 and length-prefixed code-page strings.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace glintwick {

// Thrown while loading when the bytes do not form a project: input that ends early, a length
// that runs past the end, or a value the program cannot represent.
class CArchiveFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class CArchive {
public:
    // A storing archive that appends to `out`.
    explicit CArchive(std::string& out) : m_out(&out) {}
    // A loading archive over `in`, which must outlive the archive.
    explicit CArchive(std::string_view in) : m_in(in) {}

    bool IsStoring() const { return m_out != nullptr; }
    bool IsLoading() const { return m_out == nullptr; }
    // Bytes not yet read (loading only).
    size_t Remaining() const { return m_in.size() - m_pos; }

    void WriteInt(int32_t value);
    void WriteString(std::string_view text);

    int32_t ReadInt();
    // Reads any of the three 8-bit prefix forms, or the 16-bit form converted to the code page.
    std::string ReadString();

private:
    uint32_t ReadLength();
    uint8_t ReadByte();
    uint16_t ReadWord();
    uint32_t ReadDword();
    std::string_view Take(size_t count);

    std::string* m_out = nullptr;
    std::string_view m_in;
    size_t m_pos = 0;
};

}  // namespace glintwick
