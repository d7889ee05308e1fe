// glintwick-cli: generate, inspect, import and play Glintwick projects from a terminal.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/CliCommands.h"
#include "embedded/Version.h"
#include "model/SafeFile.h"
#include "model/platform/Process.h"

namespace {

const char* const kUsage =
    "usage:\n"
    "  glintwick-cli generate PROJECT.gwk OUTPUT.js   write the script, print the link tag\n"
    "  glintwick-cli show PROJECT.gwk                 print the project as JSON\n"
    "  glintwick-cli import PROJECT.json OUTPUT.gwk [--allow-any]\n"
    "                                                 build a project file from JSON (values the\n"
    "                                                 dialogs refuse only with --allow-any)\n"
    "  glintwick-cli frames EFFECT TEXT               print one loop of an effect's frames\n"
    "  glintwick-cli play PROJECT.gwk [--trace] [--ticks N]\n"
    "                                                 play the sequence (10 ms ticks)\n"
    "  glintwick-cli preview PROJECT.gwk OUTPUT.html [--force]\n"
    "                                                 write a browser preview page and its script\n"
    "                                                 beside it (an existing script only with\n"
    "                                                 --force)\n"
    "  glintwick-cli strip OUTPUT.js                  write the status strip script, print its "
    "tag\n"
    "  glintwick-cli check PROJECT.gwk [--json]       check the sequence for flashes (WCAG "
    "2.3.1)\n"
    "                                                 and motion (WCAG 2.2.2)\n"
    "  glintwick-cli --help                           print this text\n"
    "  glintwick-cli --version                        print the version\n";

int Usage() {
    std::cerr << kUsage;
    return glintwick::cli::kExitUsage;
}

// The command named by the arguments, run; its exit status.
int Run(int argc, char** argv) {
    using namespace glintwick::cli;
    if (argc < 2) return Usage();
    const std::string command = argv[1];
    if (command == "--help" || command == "-h") {
        std::cout << kUsage;
        return kExitOk;
    }
    if (command == "--version" && argc == 2) {
        std::cout << "glintwick-cli " << glintwick::kProjectVersion << "\n";
        return kExitOk;
    }
    if (command == "generate" && argc == 4) return Generate(argv[2], argv[3]);
    if (command == "show" && argc == 3) return Show(argv[2]);
    if (command == "import" && argc == 4) return Import(argv[2], argv[3], false);
    if (command == "import" && argc == 5 && std::strcmp(argv[4], "--allow-any") == 0)
        return Import(argv[2], argv[3], true);
    if (command == "frames" && argc == 4) return Frames(argv[2], argv[3]);
    if (command == "preview" && argc == 4) return Preview(argv[2], argv[3], false);
    if (command == "preview" && argc == 5 && std::strcmp(argv[4], "--force") == 0)
        return Preview(argv[2], argv[3], true);
    if (command == "strip" && argc == 3) return Strip(argv[2]);
    if (command == "check" && argc == 3) return Check(argv[2], false);
    if (command == "check" && argc == 4 && std::strcmp(argv[3], "--json") == 0)
        return Check(argv[2], true);
    if (command == "play" && argc >= 3) {
        bool trace = false;
        long long ticks = -1;
        for (int i = 3; i < argc; ++i) {
            if (std::strcmp(argv[i], "--trace") == 0) {
                trace = true;
            } else if (std::strcmp(argv[i], "--ticks") == 0 && i + 1 < argc) {
                try {
                    size_t used = 0;
                    ticks = std::stoll(argv[++i], &used);
                    if (used != std::strlen(argv[i]) || ticks < 0) return Usage();
                } catch (const std::exception&) {
                    return Usage();
                }
            } else {
                return Usage();
            }
        }
        return Play(argv[2], trace, ticks);
    }
    return Usage();
}

// Standard output is checked once the command is done, as GNU's tools do: output that could not
// all be written (a full disk, a file size limit) is a failure with its reason, never a success.
int CheckedStatus(int status) {
    const bool written =
        static_cast<bool>(std::cout.flush()) && std::fflush(stdout) == 0 && !std::ferror(stdout);
    // A tag written to standard error (the script going to standard output) counts as well;
    // there is nowhere to say that it failed.
    if (written && !(std::cerr.flush() && std::fflush(stderr) == 0 && !std::ferror(stderr)))
        return glintwick::cli::kExitFailure;
    if (written) return status;
    const int cause = errno;
    std::fprintf(stderr, "glintwick-cli: write error%s%s\n", cause ? ": " : "",
                 cause ? std::strerror(cause) : "");
    return glintwick::cli::kExitFailure;
}

}  // namespace

int main(int argc, char** argv) {
    glintwick::IgnoreFileSizeSignal();
    glintwick::PrepareStandardStreams();
    // The arguments as the file system's path strings (on Windows, from the wide command line).
    std::vector<std::string> arguments = glintwick::ProgramArguments(argc, argv);
    std::vector<char*> pointers;
    for (std::string& argument : arguments) pointers.push_back(argument.data());
    pointers.push_back(nullptr);
    // Memory a command cannot get ends it with the program's message, never with an abort.
    const std::string command = arguments.size() > 1 ? arguments[1] : "";
    try {
        return CheckedStatus(Run(static_cast<int>(arguments.size()), pointers.data()));
    } catch (const std::bad_alloc&) {
        return glintwick::cli::OutOfMemory(command);
    } catch (const std::length_error&) {
        return glintwick::cli::OutOfMemory(command);
    }
}
