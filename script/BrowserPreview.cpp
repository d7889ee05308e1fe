// The preview page and the status strip script, filled from the project.
#include "script/BrowserPreview.h"

#include <array>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <utility>

#include "embedded/PreviewPageSource.h"
#include "embedded/StatusStripSource.h"
#include "model/CodePage.h"
#include "model/Effect.h"
#include "model/PathParts.h"
#include "model/TallowmereDoc.h"
#include "model/platform/FileSystem.h"
#include "model/platform/RegularFile.h"
#include "model/platform/SafeFile.h"
#include "preview/SequenceTiming.h"
#include "script/ScriptName.h"
#include "script/ScriptWriter.h"

namespace glintwick {

namespace {

constexpr const char* kFallbackScriptName = "preview";

// An earlier page longer than this is no preview page of a project the program could have
// made ready to show; it is not read back to be kept.
constexpr uint64_t kEarlierPageLimit = uint64_t{256} << 20;

// The characters HTML text and attribute values must not hold as they are, by byte.
constexpr std::array<bool, 256> kMarkupCharacters = [] {
    std::array<bool, 256> table{};
    for (unsigned char c : {'&', '<', '>', '"', '\''}) table[c] = true;
    return table;
}();

bool IsMarkupCharacter(char c) { return kMarkupCharacters[static_cast<unsigned char>(c)]; }

void AppendHtmlEscaped(std::string& out, std::string_view text) {
    // Runs without markup characters go in whole.
    for (size_t from = 0; from < text.size();) {
        size_t special = from;
        while (special < text.size() && !IsMarkupCharacter(text[special])) ++special;
        out.append(text, from, special - from);
        if (special == text.size()) break;
        switch (text[special]) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += "&#39;"; break;
        }
        from = special + 1;
    }
}

std::string HtmlEscaped(std::string_view text) {
    std::string out;
    AppendHtmlEscaped(out, text);
    return out;
}

// Copies `templ`, putting each "@NAME@" of `values` in place of the token. Substituted text is
// not scanned again, so a value may hold any character.
std::string FillPage(std::string_view templ,
                     std::initializer_list<std::pair<std::string_view, std::string_view>> values) {
    size_t size = templ.size();
    for (const auto& value : values) size += value.second.size();
    std::string out;
    out.reserve(size);
    size_t pos = 0;
    while (pos < templ.size()) {
        const size_t at = templ.find('@', pos);
        if (at == std::string_view::npos) break;
        out.append(templ, pos, at - pos);
        pos = at + 1;
        for (const auto& [token, value] : values) {
            if (templ.compare(at + 1, token.size(), token) == 0 &&
                at + 1 + token.size() < templ.size() && templ[at + 1 + token.size()] == '@') {
                out += value;
                pos = at + token.size() + 2;
                break;
            }
        }
        if (pos == at + 1) out += '@';
    }
    out.append(templ, pos, std::string_view::npos);
    return out;
}

std::string EffectRows(const CTallowmereDoc& doc) {
    std::string rows;
    for (int i = 0; i < doc.GetCount(); ++i) {
        const CEffect& effect = *doc.GetAt(i);
        rows.append("<tr><td class=\"num\">")
            .append(std::to_string(i + 1))
            .append("</td><td class=\"text\">");
        AppendHtmlEscaped(rows, effect.GetText());
        rows.append("</td><td>");
        AppendHtmlEscaped(rows, effect.GetEffectName());
        rows.append("</td><td class=\"num\">").append(std::to_string(effect.GetSpeed()));
        rows.append("</td><td class=\"num\">")
            .append(std::to_string(effect.GetLoops()))
            .append("</td></tr>\n");
    }
    return rows;
}

}  // namespace

std::string_view StatusStripScript() { return kStatusStripSource; }

std::string PreviewScriptName(const std::string& fileName) {
    std::string name = StemOf(FileNameOf(fileName));
    // "my page" becomes my_page, "2024" _2024, "status" status_preview: different files keep
    // different scripts wherever that can be.
    for (char& c : name)
        if (!IsScriptNameCharacter(static_cast<unsigned char>(c))) c = '_';
    if (!name.empty() && name[0] >= '0' && name[0] <= '9') name.insert(0, "_");
    if (!name.empty() && !IsUsableScriptName(name)) name += "_preview";
    return IsUsableScriptName(name) ? name : kFallbackScriptName;
}

std::string PreviewPageHtml(const CTallowmereDoc& doc, const std::string& scriptFileTitle) {
    const std::string scriptName = ScriptNameFromTitle(scriptFileTitle);
    if (!IsUsableScriptName(scriptName) || scriptFileTitle.size() < 3 ||
        scriptFileTitle.compare(scriptFileTitle.size() - 3, 3, ".js") != 0)
        throw std::invalid_argument("a preview page needs a usable script name");
    // The script is plain ASCII, so its tag needs no character set in a page of any encoding.
    const std::string tags = LinkTagFor(scriptFileTitle) + "\n" + LinkTagFor(kStatusStripFileName);
    const std::string file = HtmlEscaped(scriptFileTitle);
    const std::string count = std::to_string(doc.GetCount());
    const std::string duration = HtmlEscaped(DescribeTiming(MeasureTiming(doc), doc.GetRepeat()));
    const std::string rows = EffectRows(doc);
    const std::string tagLines = HtmlEscaped(tags);
    std::string stripInElement = LinkTagFor(kStatusStripFileName);
    stripInElement.insert(stripInElement.find("></SCRIPT>"), " data-target='messages'");
    const std::string targetLines = HtmlEscaped(
        "<p id=\"messages\"></p>\n" + LinkTagFor(scriptFileTitle) + "\n" + stripInElement);
    return FillPage(
        kPreviewPageSource,
        {{"SCRIPT_FILE", file},
         {"SCRIPT_NAME", scriptName},
         {"EFFECT_COUNT", count},
         {"AUTO_START", doc.GetAutoStart() ? "The script starts by itself when the page loads."
                                           : "The script waits for Start: automatic start is off."},
         {"DURATION", duration},
         {"EFFECT_ROWS", rows},
         {"TAGS", tagLines},
         {"TARGET_TAGS", targetLines},
         {"STRIP_SCRIPT", StatusStripScript()}});
}

std::string WritePreviewFiles(const CTallowmereDoc& doc, const std::string& pagePath,
                              const std::string& scriptFileTitle, bool followLinks) {
    std::string page;
    SaveWithinMemory(pagePath, [&] { page = PreviewPageHtml(doc, scriptFileTitle); });
    const std::string folder = FolderPrefixOf(pagePath);
    // The file system spells names in UTF-8; the page's link, in the code page, resolves to it.
    const std::string scriptPath = folder + CodePageToUtf8(scriptFileTitle);
    if (scriptPath == pagePath)
        throw std::invalid_argument("the preview page would replace its script");
    // A page is only of use beside its script: when the script cannot be written, a new page
    // goes again and an earlier one gets its bytes back.
    const bool pageExisted = SomethingAt(pagePath);
    std::optional<std::string> earlierPage;
    // The page first: a failure then names the file the user chose.
    SaveWithinMemory(pagePath, [&] {
        if (pageExisted) earlierPage = ReadSmallFile(pagePath, kEarlierPageLimit);
        WriteFileAtomically(pagePath, page, FailureCause::DiskFull, followLinks);
    });
    try {
        GenerateScriptFile(doc, scriptPath, scriptFileTitle, followLinks);
    } catch (const CFileFailure&) {
        std::error_code ignored;
        if (!pageExisted) {
            std::filesystem::remove(NativePath(pagePath), ignored);
        } else if (earlierPage) {
            try {
                WriteFileAtomically(pagePath, *earlierPage, std::nullopt, followLinks);
            } catch (const CFileFailure&) {
                // The script's failure is the one to report.
            }
        }
        throw;
    }
    return scriptPath;
}

std::string AddressSafeLinkTag(const std::string& fileName) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string address;
    for (char c : fileName) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F ||
            std::string_view("'\"#?%&<>").find(c) != std::string_view::npos) {
            address += '%';
            address += kHex[b >> 4];
            address += kHex[b & 15];
        } else {
            address += c;
        }
    }
    return LinkTagFor(address);
}

void WriteStatusStripFile(const std::string& path) {
    WriteFileAtomically(path, StatusStripScript(), FailureCause::DiskFull);
}

}  // namespace glintwick
