// The start-up measurement's seam: GLINTWICK_EXIT_WHEN_IDLE ends the program when it first idles.
#pragma once

namespace glintwick {

// With GLINTWICK_EXIT_WHEN_IDLE in the environment, the program prints "glintwick: idle after
// N ms" on the error output at its first idle moment (its window shown, its file read) and
// ends, as the start-up measurements, the start tests and the package check run it. Called by
// the entry point before the application exists; without the variable it does nothing.
void EndAtFirstIdleWhenAsked();

}  // namespace glintwick
