// The command-line tool run from the core tests as a child of its own.
#include <cstdlib>

#include "TestSupport.h"

namespace glintwick::test {

ChildResult RunCli(const std::vector<std::string>& args, ChildLaunch launch) {
    // GLINTWICK_TEST_CLI runs the same checks against another build of the tool.
    const char* other = std::getenv("GLINTWICK_TEST_CLI");
    launch.argv = {other && *other ? other : GLINTWICK_CLI};
    launch.argv.insert(launch.argv.end(), args.begin(), args.end());
    return RunChild(launch);
}

}  // namespace glintwick::test
