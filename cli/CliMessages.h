// What the command-line tool says on standard error: the tool's name first, the file quoted.
#pragma once

#include <string>

namespace glintwick {
class CFileFailure;
}

namespace glintwick::cli {

// A name as messages quote it, in the shell's own quoting: 'name', a quote inside as '\'',
// and a control character as $'\ooo', so a name can neither break the quotes nor move the
// cursor or colour the terminal.
std::string Quoted(const std::string& name);

// A command line that cannot run: what was wrong, in one line, and where to look; the usage
// error's status.
int Mistake(const std::string& what);

// "glintwick-cli: what"; the failure status.
int Failure(const std::string& what);

// "glintwick-cli: 'FILE': message"; the failure status.
int FailOn(const std::string& file, const std::string& message);

// A file operation's failure, naming its file quoted; the failure status.
int Fail(const CFileFailure& failure);

// Memory ran out: `message` said of `file` (no file when empty) without needing memory itself;
// the failure status.
int FailWithoutMemory(const std::string& file, const char* message);

}  // namespace glintwick::cli
