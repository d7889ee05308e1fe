// Starts measure_run, which starts the program, and collects what both report.
#include "ChildProcess.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

extern char** environ;

namespace glintwick::test {

namespace {

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

bool BuiltWithAddressSanitizer() {
#if defined(__SANITIZE_ADDRESS__)
    return true;
#else
    return false;
#endif
}

ChildResult RunChild(const ChildLaunch& launch) {
    std::string folder = (std::filesystem::temp_directory_path() / "gwk-child-XXXXXX").string();
    if (!::mkdtemp(folder.data())) return {};
    const std::string report = folder + "/report", out = folder + "/out", err = folder + "/err";

    std::vector<std::string> args{GLINTWICK_MEASURE_RUN, report,
                                  std::to_string(launch.timeoutSeconds)};
    if (launch.fileSizeLimit >= 0) args.push_back("fsize=" + std::to_string(launch.fileSizeLimit));
    if (launch.addressSpaceLimit >= 0)
        args.push_back("as=" + std::to_string(launch.addressSpaceLimit));
    if (!launch.controlGroup.empty()) args.push_back("cgroup=" + launch.controlGroup);
    args.push_back("--");
    args.insert(args.end(), launch.argv.begin(), launch.argv.end());
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);

    std::map<std::string, std::string> variables;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const auto equals = entry.find('=');
        variables[entry.substr(0, equals)] =
            equals == std::string::npos ? "" : entry.substr(equals + 1);
    }
    for (const auto& [name, value] : launch.env) variables[name] = value;
    std::vector<std::string> envStrings;
    for (const auto& [name, value] : variables) envStrings.push_back(name + "=" + value);
    std::vector<char*> envp;
    for (auto& e : envStrings) envp.push_back(e.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    const std::string& stdoutPath = launch.stdoutPath.empty() ? out : launch.stdoutPath;
    posix_spawn_file_actions_addopen(&actions, 1, stdoutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ChildResult result;
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        std::istringstream fields(Slurp(report));
        int timedOut = 0;
        fields >> result.exitCode >> result.signal >> result.peakKb >> result.seconds >> timedOut;
        result.timedOut = timedOut != 0;
    }
    posix_spawn_file_actions_destroy(&actions);
    result.out = Slurp(out);
    result.err = Slurp(err);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return result;
}

}  // namespace glintwick::test
