// glintwick-cli's commands as data, and the texts made from them.
#include "cli/CommandTable.h"

#include <cctype>
#include <sstream>

#include "cli/CliTranslations.h"
#include "effects/EffectCatalogue.h"
#include "model/Translatable.h"

namespace glintwick::cli {

const std::vector<CommandSpec>& CommandSpecs() {
    static const std::vector<CommandSpec> commands = {
        {"generate", {"PROJECT.gwk", "OUTPUT.js"}, {}, N_("write the script, print the link tag")},
        {"show", {"PROJECT.gwk"}, {}, N_("print the project as JSON")},
        {"import",
         {"PROJECT.json", "OUTPUT.gwk"},
         {{"--allow-any", nullptr}},
         N_("build a project file from JSON (values the dialogs refuse only with --allow-any)")},
        {"frames", {"EFFECT", "TEXT"}, {}, N_("print one loop of an effect's frames")},
        {"play",
         {"PROJECT.gwk"},
         {{"--trace", nullptr}, {"--ticks", "N"}},
         N_("play the sequence (10 ms ticks)")},
        {"preview",
         {"PROJECT.gwk", "OUTPUT.html"},
         {{"--force", nullptr}},
         N_("write a browser preview page and its script beside it (an existing script only "
            "with --force)")},
        {"svg",
         {"PROJECT.gwk", "OUTPUT.svg"},
         {{"--width", "PIXELS"}, {"--font-size", "PIXELS"}, {"--font-family", "NAMES"}},
         N_("write the sequence as an animated SVG image, which plays with no script")},
        {"strip", {"OUTPUT.js"}, {}, N_("write the status strip script, print its tag")},
        {"check",
         {"PROJECT.gwk"},
         {{"--json", nullptr}},
         N_("check the sequence for flashes (WCAG 2.3.1) and motion (WCAG 2.2.2)")},
    };
    return commands;
}

std::string Synopsis(const CommandSpec& command) {
    std::string line = std::string("glintwick-cli ") + command.name;
    for (const char* operand : command.operands) line += std::string(" ") + operand;
    std::string options;
    for (const OptionSpec& option : command.options) options += " [" + OptionWords(option) + "]";
    return line + (SynopsisNamesOptions(command) ? options : " [OPTION]...");
}

std::string OptionWords(const OptionSpec& option) {
    return std::string(option.name) + (option.value ? std::string(" ") + option.value : "");
}

namespace {

// The widest line: a terminal's 80 columns less one, since a line that fills them all also moves
// the cursor on (a console then shows an empty line after it).
constexpr size_t kLineColumns = 79;

// The columns a UTF-8 text takes: one per character.
size_t Columns(const std::string& text) {
    size_t columns = 0;
    for (char c : text) columns += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return columns;
}

}  // namespace

bool SynopsisNamesOptions(const CommandSpec& command) {
    size_t length = std::string("  glintwick-cli ").size() + std::string(command.name).size();
    for (const char* operand : command.operands) length += 1 + std::string(operand).size();
    for (const OptionSpec& option : command.options) length += 3 + OptionWords(option).size();
    return length <= kLineColumns;
}

std::string Wrapped(const std::string& text, size_t indent) {
    std::string out, line(indent, ' ');
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        if (line.size() > indent && Columns(line) + 1 + Columns(word) > kLineColumns) {
            out += line + "\n";
            line.assign(indent, ' ');
        }
        line += (line.size() > indent ? " " : "") + word;
    }
    return out + line + "\n";
}

std::string Usage() {
    std::string text = std::string(CliText("usage:")) + "\n";
    for (const CommandSpec& command : CommandSpecs())
        text += "  " + Synopsis(command) + "\n" + Wrapped(CliText(command.summary), 6);
    text += "  glintwick-cli --help\n" + Wrapped(CliText("print this text"), 6);
    text += "  glintwick-cli --version\n" + Wrapped(CliText("print the version"), 6);
    text += Wrapped(CliText("A project or JSON named - is standard input; a script named - is "
                            "standard output. Options may come before or after the other "
                            "arguments; -- ends them. COMMAND --help shows one command."),
                    0);
    return text;
}

namespace {

// A word as roff prints it literally: every hyphen a minus sign.
std::string Roff(const std::string& word) {
    std::string out;
    for (char c : word) out += c == '-' ? std::string("\\-") : std::string(1, c);
    return out;
}

std::string Lower(std::string word) {
    for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return word;
}

// What completes an operand: files by extension (a page's either of a browser's two), the
// effect numbers, or nothing ("-") for free text.
std::string CompletionKind(const std::string& operand) {
    const size_t dot = operand.rfind('.');
    if (dot != std::string::npos) {
        const std::string extension = operand.substr(dot + 1);
        return extension == "html" ? "@(html|htm)" : extension;
    }
    if (operand == "EFFECT") return "#" + LastEffectNumber();
    return "-";
}

}  // namespace

std::string ManSynopsis() {
    std::string out;
    for (const CommandSpec& command : CommandSpecs()) {
        out += ".B glintwick\\-cli " + Roff(command.name) + "\n.I";
        for (const char* operand : command.operands) out += " " + Roff(Lower(operand));
        out += "\n";
        if (!SynopsisNamesOptions(command)) out += ".RI [ OPTION ]...\n";
        for (const OptionSpec& option :
             SynopsisNamesOptions(command) ? command.options : std::vector<OptionSpec>{})
            out += option.value ? ".RB [ " + Roff(option.name) + "\n.IR " +
                                      Roff(Lower(option.value)) + " ]\n"
                                : ".RB [ " + Roff(option.name) + " ]\n";
        out += ".br\n";
    }
    return out + ".B glintwick\\-cli \\-\\-help\n.br\n.B glintwick\\-cli \\-\\-version\n";
}

std::string ManEffects() {
    std::string list = "Effects are numbered from 0 to " + LastEffectNumber() + ":";
    for (const EffectKind& kind : EffectCatalogue())
        list += " " + std::to_string(static_cast<int>(kind.index)) + " " + Roff(kind.name) +
                (&kind == &EffectCatalogue().back() ? "." : ",");
    return Wrapped(list, 0);
}

std::string CompletionTables() {
    std::string commands, operands, options, valued = " ";
    for (const CommandSpec& command : CommandSpecs()) {
        commands += std::string(command.name) + " ";
        std::string kinds, names;
        for (const char* operand : command.operands)
            kinds += (kinds.empty() ? "" : " ") + CompletionKind(operand);
        for (const OptionSpec& option : command.options) {
            names += (names.empty() ? "" : " ") + std::string(option.name);
            if (option.value) valued += std::string(option.name) + " ";
        }
        operands += std::string(" [") + command.name + "]='" + kinds + "'";
        options += std::string(" [") + command.name + "]='" + names + "'";
    }
    return "    local commands='" + commands + "--help --version'\n" + "    local -A operands=(" +
           operands + ")\n" + "    local -A options=(" + options + ")\n" + "    local valued='" +
           valued + "'\n";
}

}  // namespace glintwick::cli
