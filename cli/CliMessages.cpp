// What the command-line tool says on standard error.
#include "cli/CliMessages.h"

#include <cstdio>

#include "cli/CliCommands.h"
#include "cli/CliTranslations.h"
#include "model/CodePage.h"
#include "model/FileError.h"

namespace glintwick::cli {

namespace {

constexpr const char* kTool = "glintwick-cli: ";

// A character a terminal would act on instead of showing: C0 and C1 controls and DEL.
bool IsControl(char32_t ch) { return ch < 0x20 || (ch >= 0x7F && ch < 0xA0); }

// Hands the quoted form of `name` to `put` a piece at a time, so a caller may write it out
// without building it. Bytes that are no UTF-8 character, or a control character's, are
// written as octal escapes, as the shell's $'...' quoting reads them.
template <class Put>
void QuoteInto(const std::string& name, Put put) {
    put("'");
    for (size_t pos = 0; pos < name.size();) {
        const size_t start = pos;
        const char32_t ch = DecodeUtf8(name, pos);
        const bool invalid = ch == 0xFFFD && pos - start == 1;
        if (ch == '\'') {
            put("'\\''");
        } else if (invalid || IsControl(ch)) {
            for (size_t i = start; i < pos; ++i) {
                const unsigned char byte = static_cast<unsigned char>(name[i]);
                const char escaped[] = {'\'',
                                        '$',
                                        '\'',
                                        '\\',
                                        static_cast<char>('0' + (byte >> 6)),
                                        static_cast<char>('0' + ((byte >> 3) & 7)),
                                        static_cast<char>('0' + (byte & 7)),
                                        '\'',
                                        '\'',
                                        '\0'};
                put(escaped);
            }
        } else {
            char plain[5] = {};
            name.copy(plain, pos - start, start);
            put(plain);
        }
    }
    put("'");
}

// Message text as a terminal may show it: control characters as their pictures (C1 as
// U+FFFD), bytes that are no UTF-8 as U+FFFD.
std::string Printable(const std::string& text) {
    std::string out;
    for (size_t pos = 0; pos < text.size();) {
        const char32_t ch = DecodeUtf8(text, pos);
        AppendUtf8(out, ch < 0x20       ? 0x2400 + ch
                        : ch == 0x7F    ? 0x2421
                        : IsControl(ch) ? 0xFFFD
                                        : ch);
    }
    return out;
}

}  // namespace

std::string Quoted(const std::string& name) {
    std::string out;
    QuoteInto(name, [&](const char* piece) { out += piece; });
    return out;
}

int Mistake(const std::string& what) {
    std::fprintf(stderr, "%s%s\n%s\n", kTool, Printable(what).c_str(),
                 CliText("Try 'glintwick-cli --help'."));
    return kExitUsage;
}

int Failure(const std::string& what) {
    std::fprintf(stderr, "%s%s\n", kTool, Printable(what).c_str());
    return kExitFailure;
}

int FailOn(const std::string& file, const std::string& message) {
    return Failure(Quoted(file) + ": " + message);
}

int Fail(const CFileFailure& failure) {
    // The program's texts name the file where their sentence does; the others are said of it.
    if (!failure.NamesPath()) return FailOn(failure.Path(), failure.Message());
    return Failure(failure.MessageNaming(Quoted(failure.Path())));
}

int FailWithoutMemory(const std::string& file, const char* message) {
    std::fputs(kTool, stderr);
    if (!file.empty()) {
        QuoteInto(file, [](const char* piece) { std::fputs(piece, stderr); });
        std::fputs(": ", stderr);
    }
    std::fputs(message, stderr);
    std::fputs("\n", stderr);
    return kExitFailure;
}

}  // namespace glintwick::cli
