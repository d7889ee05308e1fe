// The command-line tool's commands; each returns the process exit status.
#pragma once

#include <string>
#include <vector>

namespace glintwick::cli {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

int Generate(const std::string& projectPath, const std::string& outputPath);
int Show(const std::string& projectPath);
// With `allowAny`, values the program's dialogs would refuse are written as they are.
int Import(const std::string& jsonPath, const std::string& outputPath, bool allowAny);
int Frames(const std::string& effectArg, const std::string& utf8Text);
// ticks < 0: no limit.
int Play(const std::string& projectPath, bool trace, long long ticks);
// The preview page for a browser, with the generated script beside it; an existing script
// there is replaced only with `force`.
int Preview(const std::string& projectPath, const std::string& pagePath, bool force);
// The sequence as an animated SVG; `look` sets its width, font size and font family.
struct SvgLookOptions {
    int width = 0, fontSize = 16;
    std::string fontFamily;
};
int Svg(const std::string& projectPath, const std::string& outputPath, const SvgLookOptions& look);
// The status strip script.
int Strip(const std::string& outputPath);
// The project's timeline against the WCAG criteria for flashes and motion: one line per finding,
// or one JSON object; failure when an effect flashes more than three times a second.
int Check(const std::string& projectPath, bool json);
// A command that could not get the memory it needed: a command that writes a file says it
// failed to save it, any other that it failed to open its input (a project that does not load
// says so itself), naming the file it writes or reads among `files` (none: no file named).
// Prints the message and returns the failure status.
int OutOfMemory(const std::string& command, const std::vector<std::string>& files);

}  // namespace glintwick::cli
