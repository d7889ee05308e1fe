// Gettext catalogues as the command-line tool reads them, and the language it chooses.
#include <gtest/gtest.h>

#include <map>

#include "model/Catalogue.h"

namespace glintwick {
namespace {

// A catalogue's bytes: header, the two tables, then the texts, in either byte order.
std::string CatalogueBytes(const std::vector<std::pair<std::string, std::string>>& entries,
                           bool bigEndian = false) {
    std::string bytes;
    auto word = [&](uint32_t value) {
        for (int i = 0; i < 4; ++i)
            bytes += static_cast<char>(value >> (bigEndian ? 24 - 8 * i : 8 * i));
    };
    const auto count = static_cast<uint32_t>(entries.size());
    uint32_t text = 28 + 16 * count;
    word(0x950412de);
    word(0);
    word(count);
    word(28);
    word(28 + 8 * count);
    word(0);
    word(0);
    std::string texts;
    for (bool translated : {false, true})
        for (const auto& entry : entries) {
            const std::string& s = translated ? entry.second : entry.first;
            word(static_cast<uint32_t>(s.size()));
            word(text);
            texts += s + '\0';
            text += static_cast<uint32_t>(s.size()) + 1;
        }
    return bytes + texts;
}

TEST(Catalogue, TranslatesFromEitherByteOrderAndRefusesWhatIsNotACatalogue) {
    const std::vector<std::pair<std::string, std::string>> entries = {
        {"", "Content-Type: text/plain; charset=UTF-8\n"}, {"usage:", "Aufruf:"}};
    for (bool bigEndian : {false, true}) {
        const CCatalogue catalogue = CCatalogue::FromBytes(CatalogueBytes(entries, bigEndian));
        EXPECT_STREQ(catalogue.Translate("usage:"), "Aufruf:") << bigEndian;
        EXPECT_STREQ(catalogue.Translate("print this text"), "print this text");
    }
    const std::string good = CatalogueBytes(entries);
    std::string countTooLarge = good, textPastTheEnd = good;
    countTooLarge[8] = '\xff';
    textPastTheEnd[28 + 8 + 7] = '\x7f';  // the second original's offset, its high byte
    for (const std::string& bad : {std::string(), good.substr(0, 20), "xxxx" + good.substr(4),
                                   countTooLarge, textPastTheEnd, good.substr(0, good.size() - 5)})
        EXPECT_TRUE(CCatalogue::FromBytes(bad).Empty()) << bad.size();
    EXPECT_TRUE(CCatalogue::Read("/nonexistent/glintwick.mo").Empty());
}

TEST(Catalogue, ChoosesTheLanguagesAsGettextDoes) {
    struct Case {
        std::map<std::string, std::string> environment;
        std::string system;
        std::vector<std::string> languages;
    };
    const Case cases[] = {
        {{{"LANG", "de_DE.UTF-8"}}, "", {"de_DE", "de"}},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR@euro"}}, "", {"fr_FR", "fr"}},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_ALL", "es_ES.UTF-8"}}, "", {"es_ES", "es"}},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "fr:es_MX"}}, "", {"fr", "es_MX", "es"}},
        {{{"LANG", "C"}, {"LANGUAGE", "de"}}, "de-DE", {}},
        {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "de"}}, "", {"de"}},
        {{{"LANG", "C.UTF-8"}}, "", {}},
        {{{"LC_ALL", "POSIX"}}, "", {}},
        {{{"LANGUAGE", "de"}}, "", {}},
        {{}, "fr-CA", {"fr_CA", "fr"}},
        {{{"LANG", "de_AT.UTF-8"}}, "de-DE", {"de_AT", "de", "de_DE"}},
    };
    for (const Case& c : cases) {
        const auto variable = [&](const char* name) {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? nullptr : found->second.c_str();
        };
        EXPECT_EQ(PreferredLanguages(variable, c.system), c.languages)
            << testing::PrintToString(c.environment);
    }
}

}  // namespace
}  // namespace glintwick
