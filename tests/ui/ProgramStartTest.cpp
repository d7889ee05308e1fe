// The real program started on odd files and limits: it reaches its first idle moment and ends.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <wx/uiaction.h>
#include <csignal>
#include <cstdlib>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "model/ProjectFile.h"
#include "model/TallowmereDoc.h"

namespace glintwick::test {
namespace {

namespace fs = std::filesystem;

// A home folder of its own for each start, so that nothing of the tests' own settings counts.
class ProgramHome {
public:
    ProgramHome() {
        std::string pattern = (fs::temp_directory_path() / "gwk-start-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        m_path = pattern;
        fs::create_directories(Settings().parent_path());
        fs::create_directories(Data() / "applications");
        fs::create_directories(Data() / "mime" / "packages");
        fs::create_directories(Temp());
    }
    ~ProgramHome() {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    fs::path Path() const { return m_path; }
    fs::path Settings() const { return m_path / "config" / "Tallowmere" / "Glintwick.conf"; }
    fs::path Data() const { return m_path / "data"; }
    fs::path Temp() const { return m_path / "tmp"; }

    ChildResult Start(const std::vector<std::string>& args, long long fileSizeLimit = -1) const {
        ChildLaunch launch;
        // GLINTWICK_TEST_PROGRAM runs the same starts with another build of the program.
        const char* other = std::getenv("GLINTWICK_TEST_PROGRAM");
        launch.argv = {other && *other ? other : GLINTWICK_PROGRAM};
        launch.argv.insert(launch.argv.end(), args.begin(), args.end());
        launch.env = {{"HOME", m_path.string()},
                      {"XDG_CONFIG_HOME", (m_path / "config").string()},
                      {"XDG_DATA_HOME", Data().string()},
                      {"TMPDIR", Temp().string()},
                      {"GLINTWICK_EXIT_WHEN_IDLE", "1"}};
        launch.fileSizeLimit = fileSizeLimit;
        launch.timeoutSeconds = 30;
        return RunChild(launch);
    }

private:
    fs::path m_path;
};

void MakeFifo(const fs::path& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0) << path; }

void MakeSparse(const fs::path& path, long long size) {
    std::ofstream(path, std::ios::binary).close();
    ASSERT_EQ(::truncate(path.c_str(), size), 0) << path;
}

bool IsFifo(const fs::path& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISFIFO(st.st_mode);
}

const std::string kDemo = GLINTWICK_SOURCE_DIR "/examples/demo.gwk";
constexpr long long k200GiB = 200LL << 30;

// A process id that ran a moment ago and runs no more.
pid_t EndedProcess() {
    const pid_t pid = ::fork();
    if (pid == 0) _exit(0);
    ::waitpid(pid, nullptr, 0);
    return pid;
}

struct StartCase {
    const char* name;
    std::function<void(const ProgramHome&)> prepare;
    std::function<std::vector<std::string>(const ProgramHome&)> args;
    long long fileSizeLimit;
    // What must hold of the home afterwards.
    std::function<void(const ProgramHome&)> check;
    long extraPeakLimitKb = 0;  // how far the peak may exceed a start on the demo, when it matters
};

// A project of one effect whose text is `size` spaces.
void MakeSpacesProject(const fs::path& path, size_t size, int effect) {
    CTallowmereDoc doc;
    doc.InitNewProject();
    doc.AppendLoaded(std::string(size, ' '), effect, 20, 1);
    std::ofstream(path, std::ios::binary) << SerializeProject(doc);
}

TEST(ProgramStart, OddSettingsRegistrationAndProjectFilesAndLimitsDoNotStopTheStart) {
    auto demo = [](const ProgramHome&) { return std::vector<std::string>{kDemo}; };
    auto none = [](const ProgramHome&) { return std::vector<std::string>{}; };
    auto desktop = [](const ProgramHome& h) {
        return h.Data() / "applications" / "OrvaneGWK.Document.desktop";
    };
    auto package = [](const ProgramHome& h) {
        return h.Data() / "mime" / "packages" / "glintwick.xml";
    };
    auto globs = [](const ProgramHome& h) { return h.Data() / "mime" / "globs2"; };
    auto settings = [](const ProgramHome& h) { return h.Settings(); };
    auto stillFifo = [](auto where) {
        return [where](const ProgramHome& h) {
            EXPECT_TRUE(IsFifo(where(h))) << "the FIFO was replaced";
        };
    };
    auto stillSize = [](auto where, long long size) {
        return [where, size](const ProgramHome& h) {
            std::error_code error;
            EXPECT_EQ(static_cast<long long>(fs::file_size(where(h), error)), size)
                << "the file was replaced";
        };
    };
    const fs::path killedRun = "glintwick-preview-" + std::to_string(EndedProcess()) + "-Ab3dEf";
    const StartCase cases[] = {
        {"settings file is a FIFO", [&](const ProgramHome& h) { MakeFifo(settings(h)); }, demo, -1,
         stillFifo(settings)},
        // What the program did not read it never writes, also when it opens a project.
        {"settings file is 200 GB", [&](const ProgramHome& h) { MakeSparse(settings(h), k200GiB); },
         demo, -1, stillSize(settings, k200GiB)},
        {"settings file is 300 KB",
         [&](const ProgramHome& h) {
             std::ofstream(settings(h)) << "[Recent File List]\nFile1=/a.gwk\n"
                                        << std::string(300 * 1024, '#') << "\n";
         },
         demo, -1, stillSize(settings, 300 * 1024 + 33)},
        {"desktop entry is 200 GB", [&](const ProgramHome& h) { MakeSparse(desktop(h), k200GiB); },
         none, -1, stillSize(desktop, k200GiB)},
        {"mime package is 200 GB", [&](const ProgramHome& h) { MakeSparse(package(h), k200GiB); },
         none, -1, stillSize(package, k200GiB)},
        {"desktop entry is a FIFO", [&](const ProgramHome& h) { MakeFifo(desktop(h)); }, demo, -1,
         stillFifo(desktop)},
        {"mime package is a FIFO", [&](const ProgramHome& h) { MakeFifo(package(h)); }, demo, -1,
         stillFifo(package)},
        // update-mime-database rebuilds the glob list afterwards: only the start is ours.
        {"mime glob list is a FIFO", [&](const ProgramHome& h) { MakeFifo(globs(h)); }, demo, -1,
         nullptr},
        {"project is a 200 GB sparse file",
         [](const ProgramHome& h) { MakeSparse(h.Path() / "big.gwk", k200GiB); },
         [](const ProgramHome& h) {
             return std::vector<std::string>{(h.Path() / "big.gwk").string()};
         },
         -1, nullptr},
        // The recent-file list and the registration files cannot be written: no SIGXFSZ.
        {"file-size limit of 16 bytes", nullptr, demo, 16, nullptr},
        // The list shows what a line can hold of a huge text, not all of it.
        {"project with a text of 16 MB of spaces",
         [](const ProgramHome& h) { MakeSpacesProject(h.Path() / "spaces.gwk", 16 << 20, 0); },
         [](const ProgramHome& h) {
             return std::vector<std::string>{(h.Path() / "spaces.gwk").string()};
         },
         -1, nullptr, 4 * 16 * 1024},
        // The preview folder of a run that was killed goes at the next start.
        {"preview folder of a killed run",
         [&](const ProgramHome& h) {
             fs::create_directory(h.Temp() / killedRun);
             fs::permissions(h.Temp() / killedRun, fs::perms::owner_all);
             std::ofstream(h.Temp() / killedRun / "demo.html") << "left behind";
         },
         demo, -1, [&](const ProgramHome& h) { EXPECT_FALSE(fs::exists(h.Temp() / killedRun)); }},
    };
    // The program's own size, started on the demo in a home of its own.
    const ChildResult baseline = ProgramHome().Start({kDemo});
    ASSERT_EQ(baseline.exitCode, 0) << baseline.err;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramHome home;
        if (c.prepare) c.prepare(home);
        const ChildResult run = home.Start(c.args(home), c.fileSizeLimit);
        EXPECT_FALSE(run.timedOut) << "the program never reached its window";
        EXPECT_EQ(run.signal, 0) << run.err;
        EXPECT_EQ(run.exitCode, 0) << run.err;
        if (c.check) c.check(home);
        if (c.extraPeakLimitKb > 0) {
            EXPECT_LT(run.peakKb, baseline.peakKb + c.extraPeakLimitKb);
        }
        std::cout << "  " << c.name << ": " << run.seconds << " s, peak RSS " << run.peakKb
                  << " KiB\n";
    }
}

// The number of processes whose command line names `text`, each ended by its id.
int EndProcessesNaming(const std::string& text) {
    int found = 0;
    for (const auto& entry : fs::directory_iterator("/proc")) {
        const std::string pid = entry.path().filename().string();
        std::ifstream in(entry.path() / "cmdline", std::ios::binary);
        const std::string line((std::istreambuf_iterator<char>(in)), {});
        if (pid.find_first_not_of("0123456789") != std::string::npos ||
            line.find(text) == std::string::npos)
            continue;
        ::kill(std::stoi(pid), SIGKILL);
        ++found;
    }
    return found;
}

// The desktop's database tools open every file of their folders, and block on a FIFO there:
// the window comes at once all the same, and no tool outlives the program.
TEST(ProgramStart, AFifoBesideTheRegistrationFilesNeitherHoldsTheStartNorOutlivesTheProgram) {
    for (const char* fifo : {"applications/other.desktop", "mime/packages/other.xml"}) {
        SCOPED_TRACE(fifo);
        ProgramHome home;
        MakeFifo(home.Data() / fifo);
        const ChildResult run = home.Start({kDemo});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        const auto idle = run.err.find("idle after ");
        EXPECT_LT(idle == std::string::npos ? 1e9 : std::stod(run.err.substr(idle + 11)), 5000);
        EXPECT_EQ(EndProcessesNaming(home.Data().string()), 0) << "a tool was left running";
    }
}

// A box shown while the program starts (an empty name is no path) is no idle moment: once it is
// answered, the window's own first idle moment ends the start.
TEST(ProgramStart, TheIdleMomentIsTheWindowsNotABoxShownWhileStarting) {
    ProgramHome home;
    auto run = std::async(std::launch::async, [&] { return home.Start({""}); });
    wxUIActionSimulator keys;  // real key presses, to whichever window has the focus
    while (run.wait_for(std::chrono::seconds(2)) != std::future_status::ready)
        keys.Char(WXK_RETURN);
    const ChildResult result = run.get();
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.err.find("glintwick: idle after "), std::string::npos) << result.err;
}

// Without a home (root started with env -i), nothing is registered under "/.local/share" and
// no recent list is kept in the account's home: the program runs without them.
TEST(ProgramStart, WithoutAHomeNothingIsRegisteredOrKept) {
    ProgramHome home;
    const fs::path project = home.Path() / "homeless.gwk";
    fs::copy_file(kDemo, project);
    ASSERT_FALSE(fs::exists("/.local")) << "made by something else: this start cannot be told";
    auto passOn = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(name) + "=" + (value ? value : "");
    };
    ChildLaunch launch;
    // The sanitizers' settings (their suppressions) are no home either: a sanitized build keeps
    // them.
    launch.argv = {"/usr/bin/env",
                   "-i",
                   passOn("DISPLAY"),
                   passOn("XAUTHORITY"),
                   passOn("ASAN_OPTIONS"),
                   passOn("LSAN_OPTIONS"),
                   passOn("UBSAN_OPTIONS"),
                   "NO_AT_BRIDGE=1",
                   "GLINTWICK_EXIT_WHEN_IDLE=1",
                   GLINTWICK_PROGRAM,
                   project.string()};
    const ChildResult run = RunChild(launch);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_FALSE(fs::exists("/.local")) << "registered under /.local/share";
    fs::remove_all("/.local");
    const passwd* account = ::getpwuid(::getuid());
    ASSERT_NE(account, nullptr);
    std::ifstream in(fs::path(account->pw_dir) / ".config/Tallowmere/Glintwick.conf");
    const std::string settings((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(settings.find(project.string()), std::string::npos) << "kept in the account's home";
}

}  // namespace
}  // namespace glintwick::test
