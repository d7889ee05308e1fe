// Shared helpers of the core tests.
#include "TestSupport.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <stdexcept>

#include "model/FileError.h"
#include "model/ProjectFile.h"

namespace glintwick::test {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "gwk-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

std::vector<std::string> TempFolder::Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(m_path))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

ChildResult RunCli(const std::vector<std::string>& args, ChildLaunch launch) {
    // GLINTWICK_TEST_CLI runs the same checks against another build of the tool.
    const char* other = std::getenv("GLINTWICK_TEST_CLI");
    launch.argv = {other && *other ? other : GLINTWICK_CLI};
    launch.argv.insert(launch.argv.end(), args.begin(), args.end());
    return RunChild(launch);
}

namespace {

std::string FailureMessage(const std::function<void()>& act) {
    try {
        act();
        return "";
    } catch (const CFileFailure& failure) {
        return failure.Message();
    }
}

}  // namespace

std::string LoadMessage(CTallowmereDoc& doc, const std::string& path) {
    return FailureMessage([&] { LoadProject(doc, path); });
}

std::string SaveMessage(CTallowmereDoc& doc, const std::string& path) {
    return FailureMessage([&] { SaveProject(doc, path); });
}

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += static_cast<char>(v);
    return out;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

void Fill(CTallowmereDoc& doc, std::initializer_list<EffectSpec> effects) {
    for (const auto& e : effects)
        doc.AppendLoaded(std::make_unique<CEffect>(e.text, e.effect, e.speed, e.loops));
}

}  // namespace glintwick::test
