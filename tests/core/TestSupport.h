// Shared helpers of the core tests: temporary folders, byte strings and small projects.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "model/TallowmereDoc.h"

namespace glintwick::test {

// A fresh folder removed with everything in it at the end of the test.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "/" + name; }
    // Names of the entries in the folder, sorted.
    std::vector<std::string> Entries() const;

private:
    std::string m_path;
};

// glintwick-cli ARGS as a child of its own; `launch` adds limits, environment and a timeout.
// GLINTWICK_TEST_CLI in the environment names another build of the tool to check.
ChildResult RunCli(const std::vector<std::string>& args, ChildLaunch launch = {});

// The message a failed load or save shows, or "" when it succeeds.
std::string LoadMessage(CTallowmereDoc& doc, const std::string& path);
std::string SaveMessage(CTallowmereDoc& doc, const std::string& path);

std::string Bytes(std::initializer_list<int> values);
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

struct EffectSpec {
    std::string text;
    int effect;
    int speed;
    int loops;
};
// Adds the effects straight to the list, as a load does (no modified flag, no views).
void Fill(CTallowmereDoc& doc, std::initializer_list<EffectSpec> effects);

// Counts refreshes, fresh starts and title changes.
class CountingView : public CDocumentView {
public:
    void OnUpdate() override { ++updates; }
    void OnInitialUpdate() override { ++initialUpdates; }
    void OnTitleChanged() override { ++titleChanges; }
    int updates = 0;
    int initialUpdates = 0;
    int titleChanges = 0;
};

}  // namespace glintwick::test
