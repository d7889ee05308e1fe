// The desktop program's command line: its options, at most one project, and its usage.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace glintwick {

struct ProgramOptions {
    enum class Action { Start, Help, Version, Mistake };
    Action action = Action::Start;
    std::optional<std::string> project;  // as given; an empty name stays empty
    std::string mistake;                 // one line saying what was wrong, for Mistake
};

// Reads the arguments (the program's own name first) in order: -h or --help, --version, "--"
// ending the options, one project name; the first mistake (an unknown option, a second
// project) ends the reading.
ProgramOptions ReadProgramOptions(const std::vector<std::string>& arguments);

// What --help prints.
const char* ProgramUsage();

// Answers the options that need no window: prints the version or the usage on stdout, or the
// mistake and a pointer to --help on stderr. The exit status when the program ends there: 0,
// or 1 with a message when standard output could not take the answer. None for a mistake,
// which a program started from a desktop also shows in a box, and for a start.
std::optional<int> AnswerOnTheTerminal(const ProgramOptions& options);

// The exit status of a command line with a mistake.
inline constexpr int kUsageExitStatus = 2;

}  // namespace glintwick
