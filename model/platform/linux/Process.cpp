// POSIX implementation of the process services.
#include "model/platform/Process.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fstream>
#include <optional>
#include <sstream>

namespace glintwick {

namespace {

// A number at the start of the file (cgroup limits; "max" is none).
std::optional<uint64_t> NumberIn(const std::string& path) {
    std::ifstream in(path);
    uint64_t value = 0;
    if (in >> value) return value;
    return std::nullopt;
}

// MemAvailable of /proc/meminfo: what the machine can give without swapping.
std::optional<uint64_t> AvailableMemory() {
    std::ifstream in("/proc/meminfo");
    std::string name;
    uint64_t kib = 0;
    std::string unit;
    while (in >> name >> kib >> unit)
        if (name == "MemAvailable:") return kib * 1024;
    return std::nullopt;
}

// The lowest memory limit of the control group this process is in and of the groups above it,
// under either version's memory controller: where each is mounted comes from mountinfo, the
// process's group from /proc/self/cgroup.
std::optional<uint64_t> ControlGroupLimit() {
    struct Hierarchy {
        std::string mount;  // where the group tree is mounted; empty when it is not
        std::string root;   // the group the mount shows at its top
        const char* limitFile;
    } v2{"", "", "memory.max"}, v1{"", "", "memory.limit_in_bytes"};
    std::ifstream mounts("/proc/self/mountinfo");
    for (std::string line; std::getline(mounts, line);) {
        std::istringstream fields(line);
        std::string id, parent, device, root, mount, field;
        fields >> id >> parent >> device >> root >> mount;
        while (fields >> field && field != "-") {
        }
        std::string type, source, options;
        fields >> type >> source >> options;
        if (type == "cgroup2") v2 = {mount, root, v2.limitFile};
        if (type == "cgroup" && ("," + options + ",").find(",memory,") != std::string::npos)
            v1 = {mount, root, v1.limitFile};
    }
    std::optional<uint64_t> lowest;
    std::ifstream groups("/proc/self/cgroup");
    for (std::string line; std::getline(groups, line);) {
        // hierarchy-id:controllers:path; version 2's line has no controllers.
        const size_t first = line.find(':'), second = line.find(':', first + 1);
        if (second == std::string::npos) continue;
        const std::string controllers = line.substr(first + 1, second - first - 1);
        const bool memory = ("," + controllers + ",").find(",memory,") != std::string::npos;
        const Hierarchy& tree = controllers.empty() ? v2 : v1;
        if ((!controllers.empty() && !memory) || tree.mount.empty()) continue;
        std::string group = line.substr(second + 1);
        if (tree.root != "/" && group.rfind(tree.root, 0) == 0) group.erase(0, tree.root.size());
        // From the process's own group up to the top of the mount.
        for (;;) {
            if (const auto limit = NumberIn(tree.mount + group + "/" + tree.limitFile))
                lowest = std::min(lowest.value_or(*limit), *limit);
            const size_t slash = group.rfind('/');
            if (slash == std::string::npos || group.empty()) break;
            group.erase(slash);
        }
    }
    return lowest;
}

}  // namespace

long CurrentProcessId() { return static_cast<long>(::getpid()); }

bool IsProcessRunning(long pid) {
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

uint64_t ProcessMemoryLimit() {
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    uint64_t memory =
        pages > 0 && pageSize > 0 ? static_cast<uint64_t>(pages) * pageSize : uint64_t{1} << 32;
    for (const auto limit : {AvailableMemory(), ControlGroupLimit()})
        if (limit) memory = std::min(memory, *limit);
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

bool StandardInputIsTerminal() { return ::isatty(STDIN_FILENO) == 1; }

std::string ProgramPath() {
    std::string path(4096, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0 || static_cast<size_t>(length) >= path.size()) return std::string();
    path.resize(static_cast<size_t>(length));
    return path;
}

std::string SystemInterfaceLanguage() { return std::string(); }

}  // namespace glintwick
