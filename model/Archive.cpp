// Encoding and decoding of the project file's primitive fields.
#include "model/Archive.h"

#include "model/CodePage.h"

namespace glintwick {

namespace {

constexpr uint8_t kLongPrefix = 0xFF;
constexpr uint16_t kWidePrefix = 0xFFFE;
constexpr uint16_t kDwordPrefix = 0xFFFF;

void AppendLittleEndian(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

void CArchive::WriteInt(int32_t value) {
    AppendLittleEndian(*m_out, static_cast<uint32_t>(value), 4);
}

void CArchive::WriteString(std::string_view text) {
    const size_t length = text.size();
    if (length < 255) {
        AppendLittleEndian(*m_out, static_cast<uint32_t>(length), 1);
    } else if (length < 65534) {
        AppendLittleEndian(*m_out, kLongPrefix, 1);
        AppendLittleEndian(*m_out, static_cast<uint32_t>(length), 2);
    } else {
        AppendLittleEndian(*m_out, kLongPrefix, 1);
        AppendLittleEndian(*m_out, kDwordPrefix, 2);
        AppendLittleEndian(*m_out, static_cast<uint32_t>(length), 4);
    }
    m_out->append(text);
}

std::string_view CArchive::Take(size_t count) {
    if (count > Remaining()) throw CArchiveFormatError("input ends early");
    const std::string_view bytes = m_in.substr(m_pos, count);
    m_pos += count;
    return bytes;
}

uint8_t CArchive::ReadByte() { return static_cast<uint8_t>(Take(1)[0]); }

uint16_t CArchive::ReadWord() {
    const std::string_view b = Take(2);
    return static_cast<uint16_t>(static_cast<uint8_t>(b[0]) | (static_cast<uint8_t>(b[1]) << 8));
}

uint32_t CArchive::ReadDword() {
    const std::string_view b = Take(4);
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<uint8_t>(b[i]);
    return value;
}

int32_t CArchive::ReadInt() { return static_cast<int32_t>(ReadDword()); }

uint32_t CArchive::ReadLength() {
    const uint8_t first = ReadByte();
    if (first != kLongPrefix) return first;
    const uint16_t word = ReadWord();
    if (word < kWidePrefix) return word;
    if (word == kDwordPrefix) return ReadDword();
    throw CArchiveFormatError("unexpected 16-bit marker");
}

std::string CArchive::ReadString() {
    // Peek for the 16-bit marker FF FE FF before taking the ordinary prefix forms.
    if (Remaining() >= 3 && static_cast<uint8_t>(m_in[m_pos]) == kLongPrefix &&
        static_cast<uint8_t>(m_in[m_pos + 1]) == 0xFE &&
        static_cast<uint8_t>(m_in[m_pos + 2]) == 0xFF) {
        m_pos += 3;
        const uint32_t units = ReadLength();
        if (units > Remaining() / 2) throw CArchiveFormatError("16-bit string past the end");
        const std::string_view bytes = Take(size_t{units} * 2);
        std::string text;
        text.reserve(units);
        for (size_t i = 0; i < units; ++i) {
            char32_t ch = static_cast<uint8_t>(bytes[2 * i]) |
                          (static_cast<uint8_t>(bytes[2 * i + 1]) << 8);
            if (ch >= 0xD800 && ch <= 0xDBFF && i + 1 < units) {
                const char32_t low = static_cast<uint8_t>(bytes[2 * i + 2]) |
                                     (static_cast<uint8_t>(bytes[2 * i + 3]) << 8);
                if (low >= 0xDC00 && low <= 0xDFFF) {
                    ch = 0x10000 + ((ch - 0xD800) << 10) + (low - 0xDC00);
                    ++i;
                }
            }
            char byte = 0;
            // Unpaired surrogates and characters outside the code page are refused, never
            // replaced: the project would otherwise change silently on the next save.
            if ((ch >= 0xD800 && ch <= 0xDFFF) || !UnicodeToCodePage(ch, byte))
                throw CArchiveFormatError("character outside the code page");
            text += byte;
        }
        return text;
    }
    const uint32_t length = ReadLength();
    return std::string(Take(length));
}

}  // namespace glintwick
