// The desktop's helper tools, run beside the window, each within a time limit.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace glintwick {

// Runs the commands one after the other (each a tool found on the PATH, then its arguments)
// in a thread of their own, so the window never waits on them: a tool can block for ever on a
// FIFO among the files it reads. A tool still running after `limit` is killed with its process
// group, and the system kills one whose program ends in any way. Output goes nowhere.
void RunToolsInBackground(std::vector<std::vector<std::string>> commands,
                          std::chrono::milliseconds limit);

// Waits up to `limit` for the tools started so far to end, leaving them running after it.
void WaitForBackgroundTools(std::chrono::milliseconds limit);

// Gives the tools still running up to `grace` to end, then kills them; nothing started is left
// behind. The program's exit does this too.
void EndBackgroundTools(std::chrono::milliseconds grace);

}  // namespace glintwick
