// The script writer: the document's script text, byte for byte, and script files.
#include "script/ScriptWriter.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "model/SafeFile.h"
#include "model/TallowmereDoc.h"
#include "resources/StringTable.h"
#include "script/ScriptTemplates.h"

namespace glintwick {

namespace {

// Every escaped byte is below 0x5D, so one 64-bit mask per half answers for all bytes.
constexpr uint64_t kEscapeLow = (1ull << '\r') | (1ull << '\n') | (1ull << '"');
constexpr uint64_t kEscapeHigh = 1ull << ('\\' - 64);

bool NeedsEscape(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b < 64 ? (kEscapeLow >> b) & 1 : b < 128 && ((kEscapeHigh >> (b - 64)) & 1);
}

}  // namespace

void AppendEscapedScriptText(std::string& out, std::string_view text) {
    // Most texts need nothing escaped; memchr answers that far faster than a byte loop.
    const char* data = text.data();
    if (!std::memchr(data, '\\', text.size()) && !std::memchr(data, '"', text.size()) &&
        !std::memchr(data, '\r', text.size()) && !std::memchr(data, '\n', text.size())) {
        out.append(text);
        return;
    }
    size_t from = 0;
    for (size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (!NeedsEscape(c)) continue;
        out.append(text, from, at - from);
        out += '\\';
        out += c == '\r' ? 'r' : c == '\n' ? 'n' : c;
        from = at + 1;
    }
    out.append(text.substr(from));
}

std::string EscapeScriptText(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    AppendEscapedScriptText(out, text);
    return out;
}

std::string ScriptNameFromTitle(const std::string& fileTitle) {
    return fileTitle.size() < 3 ? std::string() : fileTitle.substr(0, fileTitle.size() - 3);
}

std::string LinkTagFor(const std::string& fileTitle) {
    return "<SCRIPT SRC='" + fileTitle + "'></SCRIPT>";
}

std::string FillTemplate(const char* templ, std::initializer_list<std::string> args) {
    std::string out;
    size_t size = std::char_traits<char>::length(templ);
    for (const auto& arg : args) size += arg.size();
    out.reserve(size);
    auto next = args.begin();
    for (const char* p = templ; *p; ++p) {
        if (p[0] == '%' && (p[1] == 's' || p[1] == 'd') && next != args.end()) {
            out += *next++;
            ++p;
        } else {
            out += *p;
        }
    }
    return out;
}

std::string ReplaceNameToken(const char* templ, const std::string& scriptName) {
    const std::string token = script::kNameToken;
    std::string out;
    const std::string_view text(templ);
    size_t from = 0;
    for (size_t at; (at = text.find(token, from)) != std::string_view::npos;
         from = at + token.size()) {
        out.append(text.substr(from, at - from));
        out += scriptName;
    }
    out.append(text.substr(from));
    return out;
}

std::string CEffect::GetScriptEntry(int position) const {
    const std::string first =
        IsWordBased(m_nEffect) ? std::to_string(position) : EscapeScriptText(m_strText);
    return FillTemplate(
        IsWordBased(m_nEffect) ? script::kEntryNumber : script::kEntryText,
        {first, std::to_string(m_nEffect), std::to_string(m_nSpeed), std::to_string(m_nLoops)});
}

std::string CEffect::GetWordArrayScript(int position) {
    if (!IsWordBased(m_nEffect)) return std::string();
    SplitWords();
    std::string out = FillTemplate(script::kWordArrayHead, {std::to_string(position)});
    out.reserve(out.size() + m_strText.size() + 3 * m_arrWords.size() + 1);
    for (size_t i = 0; i < m_arrWords.size(); ++i) {
        if (i > 0) out += ',';
        out += '"';
        AppendEscapedScriptText(out, m_arrWords[i]);
        out += '"';
    }
    out += ']';
    return out;
}

std::string CEffect::GetEffectFunctionScript() const {
    return IsValidEffectIndex(m_nEffect) ? script::kEffectFunctions[m_nEffect] : std::string();
}

std::string CTallowmereDoc::WriteScript(const std::string& fileTitle) {
    const std::string name = ScriptNameFromTitle(fileTitle);
    std::array<bool, CEffect::kNumEffects> used{};
    std::string main = FillTemplate(script::kHeader, {str::kAppTitle});
    std::string wordArrays;
    std::string functions;

    main += ReplaceNameToken(script::kStartFunction, name);
    main += ReplaceNameToken(script::kStopFunction, name);
    main += ReplaceNameToken(script::kInitCall, name);
    main += ReplaceNameToken(script::kInitHead, name);
    main += FillTemplate(
        script::kStateFields,
        {std::to_string(m_nRepeat), EscapeScriptText(m_strFinalText), std::to_string(GetCount())});
    for (int i = 0; i < GetCount(); ++i) {
        CEffect* effect = GetAt(i);
        if (i > 0) main += ',';
        main += effect->GetScriptEntry(i);
        wordArrays += effect->GetWordArrayScript(i);
        const int index = effect->GetEffect();
        if (CEffect::IsValidEffectIndex(index) && !used[index]) {
            functions += effect->GetEffectFunctionScript();
            used[index] = true;
        }
    }
    main += ']';
    main += wordArrays;
    main += script::kInitTail;
    main += ReplaceNameToken(script::kInit2Function, name);
    main += script::kDoEffectFunction;

    main += functions;
    if (m_bAutoStart) main += ReplaceNameToken(script::kAutoStartCall, name);
    return main;
}

void GenerateScriptFile(CTallowmereDoc& doc, const std::string& path, const std::string& fileTitle,
                        bool followLinks) {
    WriteFileAtomically(path, doc.WriteScript(fileTitle), FailureCause::DiskFull, followLinks);
}

}  // namespace glintwick
