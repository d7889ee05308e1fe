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
    EXPECT_EQ(shown.err, "Failed to open document.\n");
    EXPECT_LT(shown.seconds, 2);
    std::cout << "  show in a 256 MiB group: " << shown.seconds << " s, peak RSS " << shown.peakKb
              << " KiB\n";
}

}  // namespace
}  // namespace glintwick
