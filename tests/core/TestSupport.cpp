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
#include "model/platform/FileSystem.h"

namespace glintwick::test {

TempFolder::TempFolder()
    : m_path(MakePrivateFolder(PathString(std::filesystem::temp_directory_path() / "gwk-test-"))) {}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(NativePath(m_path), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(NativePath(m_path), ignored);
}

std::vector<std::string> TempFolder::Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(NativePath(m_path)))
        names.push_back(PathString(entry.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
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
    std::ifstream in(NativePath(path), std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(NativePath(path), std::ios::binary | std::ios::trunc);
    out << bytes;
}

void Fill(CTallowmereDoc& doc, std::initializer_list<EffectSpec> effects) {
    for (const auto& e : effects) doc.AppendLoaded(e.text, e.effect, e.speed, e.loops);
}

}  // namespace glintwick::test
