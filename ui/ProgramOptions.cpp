// The desktop program's command line, read before any window is made.
#include "ui/ProgramOptions.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "embedded/Version.h"

namespace glintwick {

ProgramOptions ReadProgramOptions(const std::vector<std::string>& arguments) {
    ProgramOptions options;
    bool optionsEnded = false;
    for (size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
            if (argument == "-h" || argument == "--help") {
                options.action = ProgramOptions::Action::Help;
                return options;
            }
            if (argument == "--version") {
                options.action = ProgramOptions::Action::Version;
                return options;
            }
            options.action = ProgramOptions::Action::Mistake;
            options.mistake = "unknown option '" + argument + "'";
            return options;
        } else if (options.project) {
            options.action = ProgramOptions::Action::Mistake;
            options.mistake = "one project at a time: '" + argument + "' is a second one";
            return options;
        } else {
            options.project = argument;
        }
    }
    return options;
}

const char* ProgramUsage() {
    return "Usage: glintwick [OPTION]... [PROJECT.gwk]\n"
           "Design animated status-bar messages, play them, and generate the JavaScript file\n"
           "that plays them in a web page; PROJECT.gwk opens at the start.\n"
           "\n"
           "  -h, --help     print this help and exit\n"
           "      --version  print the version and exit\n"
           "  --             end of options: a project whose name starts with '-' follows\n";
}

std::optional<int> AnswerOnTheTerminal(const ProgramOptions& options) {
    switch (options.action) {
        case ProgramOptions::Action::Version: std::printf("glintwick %s\n", kProjectVersion); break;
        case ProgramOptions::Action::Help: std::fputs(ProgramUsage(), stdout); break;
        case ProgramOptions::Action::Mistake:
            std::fprintf(stderr, "glintwick: %s\nTry 'glintwick --help'.\n",
                         options.mistake.c_str());
            return std::nullopt;
        case ProgramOptions::Action::Start: return std::nullopt;
    }
    // An answer that could not all be written (a full disk) is a failure, as for any tool.
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return 0;
    const int cause = errno;
    std::fprintf(stderr, "glintwick: write error%s%s\n", cause ? ": " : "",
                 cause ? std::strerror(cause) : "");
    return 1;
}

}  // namespace glintwick
