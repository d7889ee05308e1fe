// glintwick-cli's commands as data: the usage, each command's help, the manual page's synopsis
// and the shell completion are all made from this one table.
#pragma once

#include <string>
#include <vector>

namespace glintwick::cli {

struct OptionSpec {
    const char* name;
    const char* value;  // the value's name; nullptr for a switch
};

struct CommandSpec {
    const char* name;
    // Operands by their usage names: a file's carries its extension ("PROJECT.gwk").
    std::vector<const char*> operands;
    std::vector<OptionSpec> options;
    const char* summary;
};

const std::vector<CommandSpec>& CommandSpecs();

// "glintwick-cli NAME OPERANDS [--OPTION VALUE]...", as the usage and a command's help show it;
// a command whose options would take the line past 79 columns shows "[OPTION]..." instead.
std::string Synopsis(const CommandSpec& command);
bool SynopsisNamesOptions(const CommandSpec& command);
// "--name VALUE", or "--name" for a switch.
std::string OptionWords(const OptionSpec& option);

// Words of `text` on lines of at most 79 columns, each starting with `indent` spaces.
std::string Wrapped(const std::string& text, size_t indent);

// The whole usage, as --help prints it.
std::string Usage();

// The manual page's SYNOPSIS lines (roff), every command and --help and --version.
std::string ManSynopsis();

// The manual page's list of the effects by number, from the effect catalogue.
std::string ManEffects();

// The bash completion's tables: the commands, each command's operand kinds and options, and
// the options that take a value.
std::string CompletionTables();

}  // namespace glintwick::cli
