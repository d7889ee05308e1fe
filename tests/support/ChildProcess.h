// Running the real programs from tests: outputs, exit, limits, time and the child's own peak.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace glintwick::test {

struct ChildLaunch {
    std::vector<std::string> argv = {};                         // program path first
    std::vector<std::pair<std::string, std::string>> env = {};  // set on top of this process's
    long long fileSizeLimit = -1;                               // RLIMIT_FSIZE in bytes, or none
    long long addressSpaceLimit = -1;                           // RLIMIT_AS in bytes, or none
    std::string controlGroup = {};  // a cgroup folder to run in (its memory limit), or none
    double timeoutSeconds = 60;     // then the child is killed
    std::string stdoutPath = {};    // a file for its standard output instead of collecting it
};

struct ChildResult {
    int exitCode = -1;  // -1 when it did not exit by itself
    int signal = 0;     // the signal that ended it, or 0
    long peakKb = 0;    // its own peak resident size
    double seconds = 0;
    bool timedOut = false;
    std::string out;
    std::string err;
};

ChildResult RunChild(const ChildLaunch& launch);

// True in a build with AddressSanitizer, which reserves more address space than any limit a
// test would set.
bool BuiltWithAddressSanitizer();

}  // namespace glintwick::test
