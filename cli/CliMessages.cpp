// What the command-line tool says on standard error.
#include "cli/CliMessages.h"

#include <cstdio>

#include "cli/CliCommands.h"
#include "model/FileError.h"

namespace glintwick::cli {

namespace {

constexpr const char* kTool = "glintwick-cli: ";

// Hands the quoted form of `name` to `put` a piece at a time, so a caller may write it out
// without building it.
template <class Put>
void QuoteInto(const std::string& name, Put put) {
    put("'");
    for (const char c : name) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (c == '\'') {
            put("'\\''");
        } else if (byte < 0x20 || byte == 0x7F) {
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
        } else {
            const char plain[] = {c, '\0'};
            put(plain);
        }
    }
    put("'");
}

}  // namespace

std::string Quoted(const std::string& name) {
    std::string out;
    QuoteInto(name, [&](const char* piece) { out += piece; });
    return out;
}

int Mistake(const std::string& what) {
    std::fprintf(stderr, "%s%s\nTry 'glintwick-cli --help'.\n", kTool, what.c_str());
    return kExitUsage;
}

int Failure(const std::string& what) {
    std::fprintf(stderr, "%s%s\n", kTool, what.c_str());
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
