// Helper tools in their own process groups, watched from a thread and killed at their limit.
#include "ui/gtk/BackgroundTools.h"

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <condition_variable>
#include <csignal>
#include <cstdlib>
#include <mutex>
#include <sstream>
#include <thread>

extern char** environ;

namespace glintwick {

namespace {

using Clock = std::chrono::steady_clock;
using Command = std::vector<std::string>;

// Enough for a tool that was already running to finish its work as the program closes.
constexpr std::chrono::milliseconds kExitGrace{2000};

// The tool's full path, looked up before the fork: the child may only make calls that are
// safe after a fork in a program with threads.
std::string FindOnPath(const std::string& tool) {
    const char* path = std::getenv("PATH");
    std::stringstream dirs(path && *path ? path : "/usr/local/bin:/usr/bin:/bin");
    for (std::string dir; std::getline(dirs, dir, ':');) {
        const std::string candidate = (dir.empty() ? "." : dir) + "/" + tool;
        struct stat st {};
        if (::stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
            ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return {};
}

class CToolRunner {
public:
    ~CToolRunner() { End(kExitGrace); }

    void Start(std::vector<Command> commands, std::chrono::milliseconds limit) {
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_running;
        m_threads.emplace_back([this, commands = std::move(commands), limit] {
            for (const Command& command : commands) RunOne(command, limit);
            std::lock_guard<std::mutex> done(m_mutex);
            --m_running;
            m_wake.notify_all();
        });
    }

    void Wait(std::chrono::milliseconds limit) {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_wake.wait_for(lock, limit, [this] { return m_running == 0; });
    }

    void End(std::chrono::milliseconds grace) {
        std::vector<std::thread> threads;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_endAll = std::min(m_endAll, Clock::now() + grace);
            threads.swap(m_threads);
        }
        m_wake.notify_all();
        for (std::thread& thread : threads) thread.join();
        std::lock_guard<std::mutex> lock(m_mutex);
        m_endAll = Clock::time_point::max();
    }

private:
    // Runs one tool to its end or its limit, unless every tool is to end.
    void RunOne(const Command& command, std::chrono::milliseconds limit) {
        const std::string program = command.empty() ? std::string() : FindOnPath(command[0]);
        if (program.empty()) return;
        std::vector<char*> argv;
        for (const std::string& argument : command)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        std::unique_lock<std::mutex> lock(m_mutex);
        if (Clock::now() >= m_endAll) return;
        const pid_t parent = ::getpid();
        const pid_t pid = ::fork();
        if (pid == 0) {
            // A group of its own, to be killed whole; killed with this thread, which waits for
            // it, should the program end without a word.
            ::setpgid(0, 0);
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            if (::getppid() != parent) _exit(127);
            const int null = ::open("/dev/null", O_RDWR);
            for (int fd = 0; fd < 3; ++fd) ::dup2(null, fd);
            ::close_range(3, ~0U, 0);
            ::execve(program.c_str(), argv.data(), environ);
            _exit(127);
        }
        if (pid < 0) return;
        ::setpgid(pid, pid);  // also from here, so that the group is there to kill at once
        const Clock::time_point deadline = Clock::now() + limit;
        for (;;) {
            int status = 0;
            if (::waitpid(pid, &status, WNOHANG) != 0) return;
            if (Clock::now() >= std::min(deadline, m_endAll)) break;
            m_wake.wait_for(lock, std::chrono::milliseconds(20));
        }
        lock.unlock();
        ::kill(-pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::vector<std::thread> m_threads;
    int m_running = 0;  // threads still running their commands
    Clock::time_point m_endAll = Clock::time_point::max();
};

CToolRunner& Runner() {
    static CToolRunner runner;
    return runner;
}

}  // namespace

void RunToolsInBackground(std::vector<Command> commands, std::chrono::milliseconds limit) {
    Runner().Start(std::move(commands), limit);
}

void WaitForBackgroundTools(std::chrono::milliseconds limit) { Runner().Wait(limit); }

void EndBackgroundTools(std::chrono::milliseconds grace) { Runner().End(grace); }

}  // namespace glintwick
