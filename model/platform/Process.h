// The running process as its platform sees it: ids, memory, arguments and standard streams.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace glintwick {

long CurrentProcessId();
// True while a process with that id exists (also one of another user's).
bool IsProcessRunning(long pid);

// The memory this process may hold: the lowest of the memory the machine has available, the
// limit of the process's control group (a container's) and the limits set on the process.
uint64_t ProcessMemoryLimit();

// The program's arguments as path strings of the engine (see model/platform/FileSystem.h):
// on Windows they come from the wide command line, not from the narrow copy `argv`, which
// loses every character outside the system's code page.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// Standard output and error carry the command-line tool's bytes unchanged (no CR added before
// LF), and a console shows them as UTF-8.
void PrepareStandardStreams();
// Whether standard input is a terminal (where nobody will type a project).
bool StandardInputIsTerminal();

// The running program's own file, as an engine path; empty where it cannot be learnt.
std::string ProgramPath();
// The language the user chose for programs' texts where the system keeps it apart from the
// environment's locale variables (Windows: "de-DE"); empty where those variables are all.
std::string SystemInterfaceLanguage();

}  // namespace glintwick
