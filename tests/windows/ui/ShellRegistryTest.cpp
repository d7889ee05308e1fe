// The .gwk file type in the per-user classes and the recent files in the per-user registry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/RecentFileSettings.h"
#include "ui/msw/FileAssociation.h"

namespace glintwick {
namespace {

std::wstring Value(HKEY root, const std::wstring& key, const wchar_t* name = nullptr) {
    wchar_t value[2048] = {};
    DWORD size = sizeof value;
    if (::RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &size) !=
        ERROR_SUCCESS)
        return L"(missing)";
    return value;
}

std::vector<std::wstring> SubKeys(HKEY root, const std::wstring& key) {
    std::vector<std::wstring> names;
    HKEY opened = nullptr;
    if (::RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return names;
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD size = 256;
        if (::RegEnumKeyExW(opened, i, name, &size, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        names.push_back(name);
    }
    ::RegCloseKey(opened);
    return names;
}

void SetValue(HKEY root, const std::wstring& key, const std::wstring& value) {
    HKEY opened = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened,
                                nullptr),
              ERROR_SUCCESS);
    ::RegSetValueExW(opened, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(opened);
}

// A classes key of the test's own, so the user's file types stay as they are.
class FileAssociation : public ::testing::Test {
protected:
    void SetUp() override {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
        for (auto [name, key] : {std::pair{L"Classes", &classes}, {L"Machine", &machine}})
            ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER,
                                        (kTestKey + std::wstring(L"\\") + name).c_str(), 0, nullptr,
                                        0, KEY_ALL_ACCESS, nullptr, key, nullptr),
                      ERROR_SUCCESS);
    }
    void TearDown() override {
        ::RegCloseKey(classes);
        ::RegCloseKey(machine);
        ::RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
    }
    static constexpr const wchar_t* kTestKey = L"Software\\GlintwickTest";
    HKEY classes = nullptr;
    HKEY machine = nullptr;  // stands for the machine's classes
};

TEST_F(FileAssociation, WritesTheTypeItsOpenCommandAndTheExtensionOnlyWhereFree) {
    const std::wstring program = L"C:\\PROGRA~1\\GLINTW~1\\GLINTW~1.EXE";
    const struct {
        const wchar_t* mappedBefore;    // nullptr: no .gwk key at all
        const wchar_t* machineMapping;  // nullptr: none
        int written;
        const wchar_t* mappedAfter;
    } cases[] = {
        {nullptr, nullptr, 3, L"OrvaneGWK.Document"},
        {L"", nullptr, 3, L"OrvaneGWK.Document"},
        {L"OrvaneGWK.Document", nullptr, 2, L"OrvaneGWK.Document"},
        {L"Other.Document", nullptr, 2, L"Other.Document"},
        {nullptr, L"Machine.Document", 2, L"(missing)"},
        {L"", L"Machine.Document", 2, L""},
        {L"OrvaneGWK.Document", L"Machine.Document", 2, L"OrvaneGWK.Document"},
    };
    for (const auto& c : cases) {
        TearDown();
        SetUp();
        if (c.mappedBefore) SetValue(classes, L".gwk", c.mappedBefore);
        if (c.machineMapping) SetValue(machine, L".gwk", c.machineMapping);
        EXPECT_EQ(RegisterFileAssociation(classes, machine, program), c.written) << c.written;
        EXPECT_EQ(Value(classes, L".gwk"), c.mappedAfter);
        EXPECT_EQ(Value(classes, L"OrvaneGWK.Document"), L"Glintwick Document");
        EXPECT_EQ(Value(classes, L"OrvaneGWK.Document\\shell\\open\\command"),
                  program + L" \"%1\"");
        // No icon, print or new-file entries.
        EXPECT_EQ(SubKeys(classes, L"OrvaneGWK.Document"), std::vector<std::wstring>{L"shell"});
        EXPECT_EQ(SubKeys(classes, L"OrvaneGWK.Document\\shell"),
                  std::vector<std::wstring>{L"open"});
        EXPECT_EQ(SubKeys(classes, L".gwk"), std::vector<std::wstring>{});
        EXPECT_EQ(Value(machine, L".gwk"), c.machineMapping ? c.machineMapping : L"(missing)");
        // A second start finds everything in place and writes nothing.
        EXPECT_EQ(RegisterFileAssociation(classes, machine, program), 0);
    }
}

TEST_F(FileAssociation, AMovedProgramTakesOverItsOwnTypesCommand) {
    RegisterFileAssociation(classes, nullptr, L"C:\\OLD\\GLINTW~1.EXE");
    EXPECT_EQ(RegisterFileAssociation(classes, nullptr, L"D:\\NEW\\GLINTW~1.EXE"), 1);
    EXPECT_EQ(Value(classes, L"OrvaneGWK.Document\\shell\\open\\command"),
              L"D:\\NEW\\GLINTW~1.EXE \"%1\"");
    // Where the volume keeps no short names, the long path is quoted.
    RegisterFileAssociation(classes, nullptr, L"E:\\Program Files\\Glintwick\\glintwick.exe");
    EXPECT_EQ(Value(classes, L"OrvaneGWK.Document\\shell\\open\\command"),
              L"\"E:\\Program Files\\Glintwick\\glintwick.exe\" \"%1\"");
}

TEST(ShortProgramPath, IsTheShortFormOfThisProgramsPath) {
    wchar_t module[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, module, MAX_PATH);
    const std::wstring shortPath = ShortProgramPath();
    EXPECT_EQ(shortPath.find(L' '), std::wstring::npos) << "a short path holds no blank";
    wchar_t longPath[MAX_PATH] = {};
    ASSERT_NE(::GetLongPathNameW(shortPath.c_str(), longPath, MAX_PATH), 0u);
    EXPECT_EQ(::CompareStringOrdinal(longPath, -1, module, -1, TRUE), CSTR_EQUAL);
}

// HKEY_CURRENT_USER\Software\Tallowmere\Glintwick\Recent File List, File1 to File4.
TEST(RecentFileSettings, LiveInTheUsersRegistryAsFileOneToFour) {
    const std::wstring key = L"Software\\Tallowmere\\Glintwick\\Recent File List";
    const std::string accented =
        "C:\\Projekte\\Pr\xC3\xBC"
        "fung \xE6\x97\xA5\xE6\x9C\xAC.gwk";
    WriteRecentFileSettings({accented, "D:\\b.gwk", "E:\\c.gwk"});
    EXPECT_EQ(Value(HKEY_CURRENT_USER, key, L"File1"),
              L"C:\\Projekte\\Pr\u00FCfung \u65E5\u672C.gwk");
    EXPECT_EQ(Value(HKEY_CURRENT_USER, key, L"File3"), L"E:\\c.gwk");
    EXPECT_EQ(ReadRecentFileSettings(),
              (std::vector<std::string>{accented, "D:\\b.gwk", "E:\\c.gwk", ""}));
    WriteRecentFileSettings({"D:\\b.gwk"});
    EXPECT_EQ(Value(HKEY_CURRENT_USER, key, L"File1"), L"D:\\b.gwk");
    EXPECT_EQ(Value(HKEY_CURRENT_USER, key, L"File2"), L"(missing)");
    EXPECT_EQ(ReadRecentFileSettings(), (std::vector<std::string>{"D:\\b.gwk", "", "", ""}));
    WriteRecentFileSettings({});
}

}  // namespace
}  // namespace glintwick
