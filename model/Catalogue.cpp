// Reading gettext catalogues, and choosing the user's language as gettext does.
#include "model/Catalogue.h"

#include <algorithm>
#include <cstdint>
#include <fstream>

#include "model/platform/FileSystem.h"

namespace glintwick {

namespace {

// No catalogue of this program comes near this; a larger file is not one.
constexpr std::uintmax_t kMaxCatalogueBytes = 16u << 20;

// The 32-bit word at `at`, in the file's byte order; false when it lies past the end.
bool Word(std::string_view bytes, uint64_t at, bool bigEndian, uint32_t& word) {
    if (at + 4 > bytes.size()) return false;
    word = 0;
    for (int i = 0; i < 4; ++i) {
        const auto byte = static_cast<uint8_t>(bytes[at + (bigEndian ? i : 3 - i)]);
        word = (word << 8) | byte;
    }
    return true;
}

// The text that the table at `table` describes in entry `index`, up to its first NUL (a plural's
// second form follows it); false when it does not lie within the file.
bool Text(std::string_view bytes, uint32_t table, uint32_t index, bool bigEndian,
          std::string_view& text) {
    uint32_t length = 0, offset = 0;
    const uint64_t entry = table + uint64_t{index} * 8;
    if (!Word(bytes, entry, bigEndian, length) || !Word(bytes, entry + 4, bigEndian, offset) ||
        uint64_t{offset} + length > bytes.size())
        return false;
    text = bytes.substr(offset, length);
    text = text.substr(0, text.find('\0'));
    return true;
}

// "de_DE.UTF-8@euro" as "de_DE" and "de"; nothing for C and POSIX.
void AddLanguage(std::string locale, std::vector<std::string>& languages) {
    locale = locale.substr(0, locale.find_first_of(".@"));
    for (char& c : locale)
        if (c == '-') c = '_';
    if (locale.empty() || locale == "C" || locale == "POSIX") return;
    for (const std::string& candidate : {locale, locale.substr(0, locale.find('_'))})
        if (std::find(languages.begin(), languages.end(), candidate) == languages.end())
            languages.push_back(candidate);
}

}  // namespace

CCatalogue CCatalogue::FromBytes(std::string_view bytes) {
    CCatalogue catalogue;
    uint32_t magic = 0, count = 0, originals = 0, translations = 0;
    if (!Word(bytes, 0, false, magic) || (magic != 0x950412de && magic != 0xde120495))
        return catalogue;
    const bool bigEndian = magic == 0xde120495;
    if (!Word(bytes, 8, bigEndian, count) || !Word(bytes, 12, bigEndian, originals) ||
        !Word(bytes, 16, bigEndian, translations) || uint64_t{count} * 8 > bytes.size())
        return catalogue;
    std::unordered_map<std::string, std::string> read;
    for (uint32_t i = 0; i < count; ++i) {
        std::string_view english, translated;
        if (!Text(bytes, originals, i, bigEndian, english) ||
            !Text(bytes, translations, i, bigEndian, translated))
            return catalogue;
        // The header's entry has no text of its own.
        if (!english.empty() && !translated.empty()) read.emplace(english, translated);
    }
    catalogue.m_translations = std::move(read);
    return catalogue;
}

CCatalogue CCatalogue::Read(const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(NativePath(path), error);
    if (error || size > kMaxCatalogueBytes) return CCatalogue();
    std::ifstream in(NativePath(path), std::ios::binary);
    std::string bytes(static_cast<size_t>(size), '\0');
    if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) return CCatalogue();
    return FromBytes(bytes);
}

const char* CCatalogue::Translate(const char* english) const {
    const auto found = m_translations.find(english);
    return found == m_translations.end() ? english : found->second.c_str();
}

std::vector<std::string> PreferredLanguages(const std::function<const char*(const char*)>& variable,
                                            const std::string& system) {
    auto value = [&](const char* name) {
        const char* text = variable(name);
        return std::string(text ? text : "");
    };
    std::string locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (locale.empty()) locale = value(name);
    // The plain C locale wants English whatever LANGUAGE says; C.UTF-8 has no language of its
    // own but lets LANGUAGE choose, as the C library does.
    std::vector<std::string> languages;
    if (locale == "C" || locale == "POSIX") return languages;
    // With no locale variable the C library's locale is C too, and LANGUAGE counts for nothing;
    // a LANGUAGE list, where it counts, stands in for the locale's language.
    const std::string list = locale.empty() ? std::string() : value("LANGUAGE");
    for (size_t start = 0; start < list.size();) {
        const size_t end = std::min(list.find(':', start), list.size());
        AddLanguage(list.substr(start, end - start), languages);
        start = end + 1;
    }
    if (list.empty()) AddLanguage(locale, languages);
    AddLanguage(system, languages);
    return languages;
}

}  // namespace glintwick
