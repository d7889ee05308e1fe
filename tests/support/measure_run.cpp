// measure_run: runs a command in a child of its own and reports how it ended and its own peak.
//
// usage: measure_run REPORT TIMEOUT-SECONDS [fsize=BYTES] [as=BYTES] [cgroup=DIR]
//                    -- PROGRAM [ARGS...]
//
// cgroup=DIR puts the command in that control group (a folder of the cgroup file system) first.
//
// The command is forked from this small process, not from the test that started it: a child
// started straight from a large test process counts that process's peak as its own.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

int main(int argc, char** argv) {
    if (argc < 5) return 2;
    const char* report = argv[1];
    const double timeout = std::atof(argv[2]);
    rlimit fileSize{RLIM_INFINITY, RLIM_INFINITY};
    rlimit addressSpace{RLIM_INFINITY, RLIM_INFINITY};
    std::string group;
    int first = 3;
    for (; first < argc && std::strcmp(argv[first], "--") != 0; ++first) {
        const std::string option = argv[first];
        const rlim_t value = std::strtoull(option.c_str() + option.find('=') + 1, nullptr, 10);
        if (option.rfind("fsize=", 0) == 0) fileSize = {value, value};
        if (option.rfind("as=", 0) == 0) addressSpace = {value, value};
        if (option.rfind("cgroup=", 0) == 0) group = option.substr(7);
    }
    if (first + 1 >= argc) return 2;

    const auto started = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        if (!group.empty()) {
            FILE* procs = std::fopen((group + "/cgroup.procs").c_str(), "w");
            if (!procs || std::fprintf(procs, "%d\n", static_cast<int>(getpid())) < 0 ||
                std::fclose(procs) != 0)
                _exit(126);
        }
        setrlimit(RLIMIT_FSIZE, &fileSize);
        setrlimit(RLIMIT_AS, &addressSpace);
        execv(argv[first + 1], argv + first + 1);
        _exit(127);
    }
    if (child < 0) return 2;
    int status = 0;
    rusage usage{};
    bool timedOut = false;
    while (wait4(child, &status, WNOHANG, &usage) == 0) {
        const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - started;
        if (spent.count() > timeout) {
            timedOut = true;
            kill(child, SIGKILL);
            wait4(child, &status, 0, &usage);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - started;
    FILE* out = std::fopen(report, "w");
    if (!out) return 2;
    std::fprintf(out, "%d %d %ld %.3f %d\n", WIFEXITED(status) ? WEXITSTATUS(status) : -1,
                 WIFSIGNALED(status) ? WTERMSIG(status) : 0, usage.ru_maxrss, spent.count(),
                 timedOut ? 1 : 0);
    std::fclose(out);
    return 0;
}
