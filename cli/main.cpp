// glintwick-cli: generate, inspect, import and play Glintwick projects from a terminal.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <iostream>
#include <map>
#include <new>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/CliCommands.h"
#include "cli/CliMessages.h"
#include "cli/CliTranslations.h"
#include "cli/CommandTable.h"
#include "embedded/Version.h"
#include "model/MessageFormat.h"
#include "model/platform/Process.h"
#include "model/platform/SafeFile.h"
#include "script/SvgWriter.h"

namespace {

using glintwick::FormatMessage;
using glintwick::cli::CliText;
using glintwick::cli::CommandSpec;
using glintwick::cli::CommandSpecs;
using glintwick::cli::kExitOk;
using glintwick::cli::kExitUsage;
using glintwick::cli::Mistake;
using glintwick::cli::OptionSpec;
using glintwick::cli::Quoted;
using glintwick::cli::Synopsis;
using glintwick::cli::Usage;
using glintwick::cli::Wrapped;
using Operands = std::vector<std::string>;
using Options = std::map<std::string, std::string>;  // given options; a switch's value is ""

using Runner = std::function<int(const Operands&, const Options&)>;

int Play(const Operands& operands, const Options& options) {
    long long ticks = -1;
    if (const auto given = options.find("--ticks"); given != options.end()) {
        size_t used = 0;
        try {
            ticks = std::stoll(given->second, &used);
        } catch (const std::exception&) {
            used = 0;
        }
        if (used == 0 || used != given->second.size() || ticks < 0)
            return Mistake(FormatMessage(CliText("--ticks takes a number of ticks from 0, not %1"),
                                         Quoted(given->second)));
    }
    return glintwick::cli::Play(operands[0], options.count("--trace") > 0, ticks);
}

// A whole number of pixels from `low` to `high` given with `option`, or the usage error.
bool Pixels(const Options& options, const char* option, int low, int high, int& value) {
    const auto given = options.find(option);
    if (given == options.end()) return true;
    size_t used = 0;
    long long number = -1;
    try {
        number = std::stoll(given->second, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != given->second.size() || number < low || number > high) {
        Mistake(FormatMessage(
            CliText("%1 takes a number of pixels from %2 to %3, not %4"),
            {option, std::to_string(low), std::to_string(high), Quoted(given->second)}));
        return false;
    }
    value = static_cast<int>(number);
    return true;
}

int Svg(const Operands& operands, const Options& options) {
    glintwick::cli::SvgLookOptions look;
    if (!Pixels(options, "--width", 16, 10000, look.width) ||
        !Pixels(options, "--font-size", 6, 200, look.fontSize))
        return kExitUsage;
    if (const auto family = options.find("--font-family"); family != options.end()) {
        if (!glintwick::FontFamilyCss(family->second))
            return Mistake(FormatMessage(CliText("--font-family takes font names (letters, "
                                                 "digits, spaces, - and _) separated by commas, "
                                                 "not %1"),
                                         Quoted(family->second)));
        look.fontFamily = family->second;
    }
    return glintwick::cli::Svg(operands[0], operands[1], look);
}

// What runs each command of the table, by its name.
const std::map<std::string, Runner>& Runners() {
    using namespace glintwick::cli;
    static const std::map<std::string, Runner> runners = {
        {"generate", [](const Operands& o, const Options&) { return Generate(o[0], o[1]); }},
        {"show", [](const Operands& o, const Options&) { return Show(o[0]); }},
        {"import", [](const Operands& o,
                      const Options& f) { return Import(o[0], o[1], f.count("--allow-any")); }},
        {"frames", [](const Operands& o, const Options&) { return Frames(o[0], o[1]); }},
        {"play", Play},
        {"preview", [](const Operands& o,
                       const Options& f) { return Preview(o[0], o[1], f.count("--force")); }},
        {"svg", Svg},
        {"strip", [](const Operands& o, const Options&) { return Strip(o[0]); }},
        {"check",
         [](const Operands& o, const Options& f) { return Check(o[0], f.count("--json")); }},
    };
    return runners;
}

// Reads the command's arguments (options anywhere, "--" ending them) and runs it.
int RunCommand(const CommandSpec& command, int argc, char** argv) {
    Operands operands;
    Options options;
    bool optionsEnded = false;
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            operands.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            std::cout << CliText("usage:") << " " << Synopsis(command) << "\n"
                      << Wrapped(CliText(command.summary), 2);
            if (!glintwick::cli::SynopsisNamesOptions(command))
                for (const OptionSpec& option : command.options)
                    std::cout << "  " << glintwick::cli::OptionWords(option) << "\n";
            return kExitOk;
        } else {
            const auto option =
                std::find_if(command.options.begin(), command.options.end(),
                             [&](const OptionSpec& o) { return argument == o.name; });
            if (option == command.options.end())
                return Mistake(FormatMessage(CliText("unknown option %1 for %2"), Quoted(argument),
                                             command.name));
            if (option->value && i + 1 >= argc)
                return Mistake(FormatMessage(CliText("%1 needs %2"), argument, option->value));
            options[argument] = option->value ? argv[++i] : "";
        }
    }
    if (operands.size() != command.operands.size()) {
        std::string wanted;
        for (const char* operand : command.operands)
            wanted += (wanted.empty() ? "" : " ") + std::string(operand);
        return Mistake(FormatMessage(operands.size() == 1
                                         ? CliText("%1 takes %2, not %3 argument")
                                         : CliText("%1 takes %2, not %3 arguments"),
                                     {command.name, wanted, std::to_string(operands.size())}));
    }
    try {
        return Runners().at(command.name)(operands, options);
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    // Memory a command cannot get ends it with the program's message, never with an abort; the
    // message names the command's file.
    // (Operands that name files all have an extension in the usage; frames' have none.)
    static const Operands none;
    const bool namesFiles = !operands.empty() && std::strchr(command.operands[0], '.');
    return glintwick::cli::OutOfMemory(command.name, namesFiles ? operands : none);
}

// The command named by the arguments, run; its exit status.
int Run(int argc, char** argv) {
    if (argc < 2) return Mistake(CliText("no command given"));
    const std::string name = argv[1];
    if (name == "--help" || name == "-h") {
        std::cout << Usage();
        return kExitOk;
    }
    if (name == "--version") {
        if (argc != 2) return Mistake(CliText("--version takes no arguments"));
        std::cout << "glintwick-cli " << glintwick::kProjectVersion << "\n";
        return kExitOk;
    }
    for (const CommandSpec& command : CommandSpecs())
        if (name == command.name) return RunCommand(command, argc, argv);
    return Mistake(FormatMessage(CliText("unknown command %1"), Quoted(name)));
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
    glintwick::cli::UseUserLanguage();
    // The arguments as the file system's path strings (on Windows, from the wide command line).
    std::vector<std::string> arguments = glintwick::ProgramArguments(argc, argv);
    std::vector<char*> pointers;
    for (std::string& argument : arguments) pointers.push_back(argument.data());
    pointers.push_back(nullptr);
    // Memory that runs out before a command starts: said without naming a file.
    const std::string command = arguments.size() > 1 ? arguments[1] : "";
    try {
        return CheckedStatus(Run(static_cast<int>(arguments.size()), pointers.data()));
    } catch (const std::bad_alloc&) {
        return glintwick::cli::OutOfMemory(command, {});
    } catch (const std::length_error&) {
        return glintwick::cli::OutOfMemory(command, {});
    }
}
