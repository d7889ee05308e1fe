// Encoding and decoding of the project file's primitive fields.
#include "model/Archive.h"

#include <algorithm>
#include <new>

#include "model/CodePage.h"
#include "model/TextStore.h"
#include "model/platform/Process.h"

namespace glintwick {

namespace {

constexpr uint8_t kLongPrefix = 0xFF;
constexpr uint16_t kWidePrefix = 0xFFFE;
constexpr uint16_t kDwordPrefix = 0xFFFF;

void AppendLittleEndian(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// Half of what this process may hold: the machine's available memory, or a lower limit.
uint64_t LoadingMemory() { return ProcessMemoryLimit() / 2; }

// Loads that take no more than this never ask the system what they may take.
constexpr uint64_t kUncountedMemory = 1 << 20;

}  // namespace

void CByteSource::ReadBeyondWindow(char* out, size_t count) {
    if (count > m_left) throw CArchiveFormatError("input ends early");
    while (count > 0) {
        if (Windowed() == 0) Refill();
        const size_t n = std::min(count, Windowed());
        std::memcpy(out, m_next, n);
        Consume(n);
        out += n;
        count -= n;
    }
}

CArchive::CArchive(std::string_view in)
    : m_memory(std::make_unique<CMemorySource>(in)), m_source(m_memory.get()) {}

CArchive::CArchive(CByteSource& source) : m_source(&source) {}

CArchive::~CArchive() = default;

void CArchive::ChargeMemory(uint64_t bytes) {
    m_memoryCharged += std::min(bytes, UINT64_MAX - m_memoryCharged);
    if (m_memoryCharged <= kUncountedMemory) return;
    if (!m_memoryBudget) m_memoryBudget = LoadingMemory();
    if (m_memoryCharged > *m_memoryBudget) throw std::bad_alloc();
}

void CArchive::WriteInt(int32_t value) {
    AppendLittleEndian(*m_out, static_cast<uint32_t>(value), 4);
}

uint64_t CArchive::StoredStringSize(uint64_t length) {
    return (length < 255 ? 1 : length < 65534 ? 3 : 7) + length;
}

void CArchive::WriteString(std::string_view text) {
    const size_t length = text.size();
    if (length > UINT32_MAX) throw std::length_error("text longer than a project file holds");
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

uint8_t CArchive::ReadByte() {
    char b = 0;
    m_source->Read(&b, 1);
    return static_cast<uint8_t>(b);
}

uint16_t CArchive::ReadWord() {
    unsigned char b[2];
    m_source->Read(reinterpret_cast<char*>(b), 2);
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

uint32_t CArchive::ReadDword() {
    unsigned char b[4];
    m_source->Read(reinterpret_cast<char*>(b), 4);
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | b[i];
    return value;
}

int32_t CArchive::ReadInt() { return static_cast<int32_t>(ReadDword()); }

// The length of an 8-bit string; kWidePrefix's marker (FF FE FF) stands where a 16-bit string
// begins and is refused here.
uint32_t CArchive::ReadLength() {
    const uint8_t first = ReadByte();
    if (first != kLongPrefix) return first;
    const uint16_t word = ReadWord();
    if (word < kWidePrefix) return word;
    if (word == kDwordPrefix) return ReadDword();
    throw CArchiveFormatError("unexpected 16-bit marker");
}

// The length of the 8-bit bytes that follow, checked against the bytes left and charged
// before anything is allocated; a 16-bit string is read here, converted into `converted`.
std::optional<uint32_t> CArchive::ReadStringHead(std::string& converted) {
    const uint8_t first = ReadByte();
    uint32_t length = first;
    if (first == kLongPrefix) {
        const uint16_t word = ReadWord();
        if (word == kWidePrefix) {
            converted = ReadWideText();
            return std::nullopt;
        }
        length = word == kDwordPrefix ? ReadDword() : word;
    }
    if (length > Remaining()) throw CArchiveFormatError("string past the end");
    ChargeMemory(length);
    return length;
}

std::string CArchive::ReadString() {
    std::string text;
    if (const auto length = ReadStringHead(text)) {
        text.reserve(*length);
        m_source->Append(text, *length);
    }
    return text;
}

std::string_view CArchive::ReadText(CTextStore& store) {
    std::string converted;
    if (const auto length = ReadStringHead(converted)) {
        if (*length == 0) return {};
        char* at = store.Reserve(*length);
        m_source->Read(at, *length);
        return {at, *length};
    }
    char* at = store.Reserve(converted.size());
    std::copy(converted.begin(), converted.end(), at);
    return {at, converted.size()};
}

std::string CArchive::ReadWideText() {
    const uint32_t units = ReadLength();
    if (units > Remaining() / 2) throw CArchiveFormatError("16-bit string past the end");
    ChargeMemory(uint64_t{units} * 3);
    std::string bytes(size_t{units} * 2, '\0');
    m_source->Read(bytes.data(), bytes.size());
    auto unit = [&](size_t i) -> char32_t {
        return static_cast<uint8_t>(bytes[2 * i]) | (static_cast<uint8_t>(bytes[2 * i + 1]) << 8);
    };
    std::string text;
    text.reserve(units);
    for (size_t i = 0; i < units; ++i) {
        char32_t ch = unit(i);
        if (ch >= 0xD800 && ch <= 0xDBFF && i + 1 < units) {
            const char32_t low = unit(i + 1);
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

}  // namespace glintwick
