// glintwick-cli's memory: a container's limit, allocation failures and peaks against the file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <iostream>

#include "TestSupport.h"

namespace glintwick {
namespace {

using test::Bytes;
using test::ChildResult;
using test::RunCli;
using test::TempFolder;

constexpr long long kMiB = 1LL << 20;

std::string Int32(int32_t value) {
    return Bytes({value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF, (value >> 24) & 0xFF});
}

// A stored record; texts are shorter than 255 bytes, which the one-byte prefix holds.
std::string Record(const std::string& text, int effect, int speed, int loops) {
    return static_cast<char>(text.size()) + text + Int32(effect) + Int32(speed) + Int32(loops);
}

// The project's head has a record's shape: the final text, automatic start, repeat, the count.
std::string Header(const std::string& finalText, int32_t count) {
    return Record(finalText, 1, 1, count);
}

// A control group of its own below this process's, with a memory limit, removed at the end;
// none where the system lets no group be made (no cgroup file system, no right to write it).
class MemoryGroup {
public:
    explicit MemoryGroup(long long limit) {
        std::ifstream groups("/proc/self/cgroup");
        for (std::string line; std::getline(groups, line);) {
            const size_t first = line.find(':'), second = line.find(':', first + 1);
            const std::string controllers = line.substr(first + 1, second - first - 1);
            const std::string path = line.substr(second + 1);
            if (controllers == "memory")
                Make("/sys/fs/cgroup/memory" + path, "memory.limit_in_bytes", limit);
            if (controllers.empty()) Make("/sys/fs/cgroup" + path, "memory.max", limit);
            if (!m_path.empty()) return;
        }
    }
    ~MemoryGroup() {
        if (!m_path.empty()) ::rmdir(m_path.c_str());
    }
    const std::string& Path() const { return m_path; }

private:
    void Make(const std::string& parent, const char* limitFile, long long limit) {
        const std::string path = parent + "/glintwick-test-" + std::to_string(::getpid());
        if (::mkdir(path.c_str(), 0755) != 0) return;
        if (!(std::ofstream(path + "/" + limitFile) << limit).flush()) {
            ::rmdir(path.c_str());
            return;
        }
        m_path = path;
    }
    std::string m_path;
};

// A 17-byte head claiming 400 million records, then zeros, which read as empty records: the
// bytes are there (5.2 GB of holes) but the records' memory is not within the container's
// limit. The load refuses the count at once instead of filling the container until the kernel
// kills the program.
TEST(CliMemory, ARecordCountBeyondTheContainersMemoryFailsAtOnce) {
    if (test::BuiltWithAddressSanitizer())
        GTEST_SKIP() << "AddressSanitizer's shadow memory counts against the group's limit";
    const MemoryGroup group(256 * kMiB);
    if (group.Path().empty()) GTEST_SKIP() << "no control group with a memory limit can be made";
    TempFolder folder;
    const std::string path = folder.File("many.gwk");
    const int32_t count = 400'000'000;
    test::WriteFile(path, Header("abcd", count));
    ASSERT_EQ(::truncate(path.c_str(), 17 + 13LL * count), 0);
    const ChildResult shown =
        RunCli({"show", path}, {.controlGroup = group.Path(), .timeoutSeconds = 60});
    EXPECT_EQ(shown.signal, 0) << "killed instead of reporting";
    EXPECT_EQ(shown.exitCode, 1);
    EXPECT_EQ(shown.err, "glintwick-cli: '" + path + "': Failed to open document.\n");
    EXPECT_LT(shown.seconds, 2);
    std::cout << "  show in a 256 MiB group: " << shown.seconds << " s, peak RSS " << shown.peakKb
              << " KiB\n";
}

// Memory a command cannot get, under an address-space limit: the program's message and status
// 1, never an abort. The project loads; what the command makes of it does not fit. A text of
// 24 MB of "é" is 144 MB in a script (\u00E9) and 48 MB as UTF-8.
TEST(CliMemory, EveryCommandThatRunsOutOfMemoryReportsIt) {
    if (test::BuiltWithAddressSanitizer())
        GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit";
    TempFolder folder;
    const std::string project = folder.File("wide.gwk");
    const std::string text(24 * kMiB, '\xE9');
    test::WriteFile(project, Header("", 1) + Bytes({0xFF, 0xFF, 0xFF}) +
                                 Int32(static_cast<int32_t>(text.size())) + text + Int32(0) +
                                 Int32(20) + Int32(1));
    const std::string json = folder.File("long.json");
    test::WriteFile(json, R"({"finalText":")" + std::string(100 * kMiB, 'a') + R"("})");
    struct Case {
        std::vector<std::string> args;
        long long limit;
        int exitCode;
        std::string err;
    } cases[] = {
        {{"generate", project, folder.File("out.js")},
         128 * kMiB,
         1,
         "glintwick-cli: '" + folder.File("out.js") + "': Failed to save document.\n"},
        {{"preview", project, folder.File("out.html")},
         128 * kMiB,
         1,
         // The script beside the page is what could not be written.
         "glintwick-cli: '" + folder.File("out.js") + "': Failed to save document.\n"},
        {{"import", json, folder.File("out.gwk")},
         160 * kMiB,
         1,
         "glintwick-cli: '" + json + "': Failed to open document.\n"},
        // Printed a piece at a time, the project fits where one JSON document of it did not.
        {{"show", project}, 128 * kMiB, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0]);
        const ChildResult run = RunCli(c.args, {.addressSpaceLimit = c.limit});
        EXPECT_EQ(run.signal, 0) << run.err;
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_EQ(run.err, c.err);
    }
}

// A large project of short records, half of them empty, with texts of every kind: every
// command that reads it, or its JSON, takes at most three times the file's size (and 16 MiB
// for the program itself), whatever it prints or writes.
TEST(CliMemory, CommandsTakeASmallMultipleOfTheProject) {
    if (test::BuiltWithAddressSanitizer())
        GTEST_SKIP() << "AddressSanitizer's shadow memory is part of the peak";
    TempFolder folder;
    const std::string project = folder.File("large.gwk");
    const int32_t count = 800'000;
    std::string bytes = Header("the end \"\\\x01\xE9", count);
    for (int32_t i = 0; i < count; ++i) {
        std::string text;
        if (i % 2) {
            text = "Effect " + std::to_string(i) + " \"quoted\" \\ \t\x1b\x7f\x9d\xE9\x80 words";
            text.resize(static_cast<size_t>(30 + i % 31), '.');
        }
        bytes += Record(text, i % 12, 1 + i % 20, 1 + i % 10);
    }
    test::WriteFile(project, bytes);
    const std::string json = folder.File("large.json");
    test::WriteFile(json, RunCli({"show", project}).out);
    const long long limitKb = (3 * static_cast<long long>(bytes.size()) + 16 * kMiB) / 1024;
    const std::vector<std::string> commands[] = {
        {"show", project},
        {"import", json, folder.File("again.gwk")},
        {"generate", project, folder.File("large.js")},
        {"play", project, "--trace", "--ticks", "200000"},
        {"play", project, "--ticks", "10"},
    };
    for (const auto& args : commands) {
        SCOPED_TRACE(args[0] + " " + args[args.size() - 1]);
        const ChildResult run = RunCli(args);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_LE(run.peakKb, limitKb);
        std::cout << "  " << args[0] << " of a " << bytes.size() / kMiB << " MiB project: peak RSS "
                  << run.peakKb << " KiB (at most " << limitKb << "), " << run.seconds << " s\n";
    }
}

}  // namespace
}  // namespace glintwick
