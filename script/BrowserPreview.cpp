// The preview page and the status strip script, filled from the project.
#include "script/BrowserPreview.h"

#include <cstring>
#include <stdexcept>
#include <utility>
#include <vector>

#include "embedded/PreviewPageSource.h"
#include "embedded/StatusStripSource.h"
#include "model/CodePage.h"
#include "model/Effect.h"
#include "model/SafeFile.h"
#include "model/TallowmereDoc.h"
#include "preview/SequenceTiming.h"
#include "script/ScriptName.h"
#include "script/ScriptWriter.h"

namespace glintwick {

namespace {

constexpr const char* kFallbackScriptName = "preview";

void AppendHtmlEscaped(std::string& out, std::string_view text) {
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&#39;"; break;
            default: out += c;
        }
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
                     const std::vector<std::pair<std::string_view, std::string>>& values) {
    std::string out;
    out.reserve(templ.size() + 1024);
    size_t pos = 0;
    while (pos < templ.size()) {
        const size_t at = templ.find('@', pos);
        if (at == std::string_view::npos) break;
        out.append(templ, pos, at - pos);
        pos = at + 1;
        for (const auto& [token, value] : values) {
            if (templ.compare(at + 1, token.size(), token) == 0 && at + 1 + token.size() < templ.size() &&
                templ[at + 1 + token.size()] == '@') {
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
        rows += "<tr><td class=\"num\">" + std::to_string(i + 1) + "</td><td class=\"text\">";
        AppendHtmlEscaped(rows, effect.GetText());
        rows += "</td><td>";
        AppendHtmlEscaped(rows, effect.GetEffectName());
        rows += "</td><td class=\"num\">" + std::to_string(effect.GetSpeed()) + "</td><td class=\"num\">" +
                std::to_string(effect.GetLoops()) + "</td></tr>\n";
    }
    return rows;
}

}  // namespace

std::string_view StatusStripScript() { return kStatusStripSource; }

std::string PreviewScriptName(const std::string& fileName) {
    std::string stem = fileName.substr(fileName.find_last_of('/') + 1);
    const size_t dot = stem.find_last_of('.');
    if (dot != std::string::npos && dot > 0) stem.erase(dot);
    return IsUsableScriptName(stem) ? stem : kFallbackScriptName;
}

std::string PreviewPageHtml(CTallowmereDoc& doc, const std::string& scriptFileTitle) {
    const std::string scriptName = ScriptNameFromTitle(scriptFileTitle);
    if (!IsUsableScriptName(scriptName) || scriptFileTitle.size() < 3 ||
        scriptFileTitle.compare(scriptFileTitle.size() - 3, 3, ".js") != 0)
        throw std::invalid_argument("a preview page needs a usable script name");
    const std::string tags =
        LinkTagFor(scriptFileTitle) + "\n" + LinkTagFor(kStatusStripFileName);
    return FillPage(kPreviewPageSource,
                    {{"SCRIPT_FILE", HtmlEscaped(scriptFileTitle)},
                     {"SCRIPT_NAME", scriptName},
                     {"EFFECT_COUNT", std::to_string(doc.GetCount())},
                     {"AUTO_START", doc.m_bAutoStart
                                        ? "The script starts by itself when the page loads."
                                        : "The script waits for Start: automatic start is off."},
                     {"DURATION", HtmlEscaped(DescribeTiming(MeasureTiming(doc), doc.GetRepeat()))},
                     {"EFFECT_ROWS", EffectRows(doc)},
                     {"TAGS", HtmlEscaped(tags)},
                     {"STRIP_SCRIPT", std::string(StatusStripScript())}});
}

std::string WritePreviewFiles(CTallowmereDoc& doc, const std::string& pagePath,
                       const std::string& scriptFileTitle) {
    const std::string page = PreviewPageHtml(doc, scriptFileTitle);
    const size_t slash = pagePath.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string() : pagePath.substr(0, slash + 1);
    // The file system spells names in UTF-8; the page's link, in the code page, resolves to it.
    const std::string scriptPath = folder + CodePageToUtf8(scriptFileTitle);
    GenerateScriptFile(doc, scriptPath, scriptFileTitle);
    WriteFileAtomically(pagePath, page, FailureCause::DiskFull);
    return scriptPath;
}

void WriteStatusStripFile(const std::string& path) {
    WriteFileAtomically(path, StatusStripScript(), FailureCause::DiskFull);
}

}  // namespace glintwick
