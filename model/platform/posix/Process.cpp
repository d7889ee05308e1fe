// POSIX implementation of the process services.
#include "model/platform/Process.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>

namespace glintwick {

long CurrentProcessId() { return static_cast<long>(::getpid()); }

bool IsProcessRunning(long pid) {
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

uint64_t ProcessMemoryLimit() {
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    uint64_t memory =
        pages > 0 && pageSize > 0 ? static_cast<uint64_t>(pages) * pageSize : uint64_t{1} << 32;
    for (int resource : {RLIMIT_AS, RLIMIT_DATA}) {
        rlimit limit{};
        if (::getrlimit(resource, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
            memory = std::min<uint64_t>(memory, limit.rlim_cur);
    }
    return memory;
}

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

void PrepareStandardStreams() {}

}  // namespace glintwick
