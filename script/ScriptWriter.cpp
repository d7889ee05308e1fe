// The script writer: the document's script text, byte for byte, and script files.
#include "script/ScriptWriter.h"

#include <array>
#include <cstdint>

#include "effects/EffectCatalogue.h"
#include "model/CodePage.h"
#include "model/CoreTexts.h"
#include "model/TallowmereDoc.h"
#include "model/platform/SafeFile.h"
#include "script/ScriptTemplates.h"

namespace glintwick {

namespace {

// How a byte of a user text is written between double quotes: as itself, as a short escape
// (\\, \", \r, \n), or as \u and four hex digits of its Windows-1252 character. The script is
// plain ASCII, so it reads the same in a page of any encoding; TAB is the one control byte
// that stays as it is.
enum class Escape : unsigned char { None, Short, Unicode };

constexpr std::array<Escape, 256> kEscapes = [] {
    std::array<Escape, 256> table{};
    for (int b = 0; b < 256; ++b) table[b] = b < 0x20 || b >= 0x7F ? Escape::Unicode : Escape::None;
    table['\t'] = Escape::None;
    for (unsigned char b : {'\\', '"', '\r', '\n'}) table[b] = Escape::Short;
    return table;
}();

void AppendUnicodeEscape(std::string& out, unsigned char byte) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const char32_t ch = CodePageToUnicode(byte);
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(ch >> shift) & 0xF];
}

}  // namespace

void AppendEscapedScriptText(std::string& out, std::string_view text) {
    size_t from = 0;
    for (size_t at = 0; at < text.size(); ++at) {
        const auto b = static_cast<unsigned char>(text[at]);
        const Escape escape = kEscapes[b];
        if (escape == Escape::None) continue;
        out.append(text, from, at - from);
        if (escape == Escape::Short) {
            out += '\\';
            out += b == '\r' ? 'r' : b == '\n' ? 'n' : static_cast<char>(b);
        } else {
            AppendUnicodeEscape(out, b);
        }
        from = at + 1;
    }
    out.append(text.substr(from));
}

std::string ScriptNameInScript(const std::string& scriptName) {
    std::string out;
    for (char c : scriptName) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80)
            AppendUnicodeEscape(out, b);
        else
            out += c;
    }
    return out;
}

std::string EscapeScriptText(std::string_view text) {
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

std::string GetScriptEntry(const CEffect& effect, int position) {
    const bool words = IsWordBasedEffect(effect.GetEffect());
    const std::string first = words ? std::to_string(position) : EscapeScriptText(effect.GetText());
    return FillTemplate(words ? script::kEntryNumber : script::kEntryText,
                        {first, std::to_string(effect.GetEffect()),
                         std::to_string(effect.GetSpeed()), std::to_string(effect.GetLoops())});
}

std::string GetWordArrayScript(const CEffect& effect, int position) {
    if (!IsWordBasedEffect(effect.GetEffect())) return std::string();
    const WordList& words = effect.GetWords();
    const std::string_view text = effect.GetText();
    std::string out = FillTemplate(script::kWordArrayHead, {std::to_string(position)});
    out.reserve(out.size() + text.size() + 3 * words.size() + 1);
    for (size_t i = 0; i < words.size(); ++i) {
        if (i > 0) out += ',';
        out += '"';
        AppendEscapedScriptText(out, words.Word(text, i));
        out += '"';
    }
    out += ']';
    return out;
}

std::string GetEffectFunctionScript(const CEffect& effect) {
    const EffectKind* kind = FindEffectKind(effect.GetEffect());
    return kind ? kind->scriptFunction : std::string();
}

std::string WriteScript(const CTallowmereDoc& doc, const std::string& fileTitle) {
    const std::string name = ScriptNameInScript(ScriptNameFromTitle(fileTitle));
    std::array<bool, CEffect::kNumEffects> used{};
    std::string functions;
    // The entries and word arrays are most of a large project's script: measured first, so the
    // script is made once at its size rather than copied as it grows.
    size_t listBytes = 0;
    for (int i = 0; i < doc.GetCount(); ++i) {
        const CEffect& effect = *doc.GetAt(i);
        listBytes += GetScriptEntry(effect, i).size() + 1 + GetWordArrayScript(effect, i).size();
        const int index = effect.GetEffect();
        if (CEffect::IsValidEffectIndex(index) && !used[index]) {
            functions += GetEffectFunctionScript(effect);
            used[index] = true;
        }
    }
    const std::string state =
        FillTemplate(script::kStateFields,
                     {std::to_string(doc.GetRepeat()), EscapeScriptText(doc.GetFinalText()),
                      std::to_string(doc.GetCount())});
    std::string main = FillTemplate(script::kHeader, {str::kAppTitle});
    // The templates and the name in them (a score of times) take a few kilobytes.
    main.reserve(listBytes + state.size() + functions.size() + 32 * name.size() + (64 << 10));

    main += ReplaceNameToken(script::kStartFunction, name);
    main += ReplaceNameToken(script::kStopFunction, name);
    main += ReplaceNameToken(script::kInitCall, name);
    main += ReplaceNameToken(script::kInitHead, name);
    main += state;
    for (int i = 0; i < doc.GetCount(); ++i) {
        if (i > 0) main += ',';
        main += GetScriptEntry(*doc.GetAt(i), i);
    }
    main += ']';
    for (int i = 0; i < doc.GetCount(); ++i) main += GetWordArrayScript(*doc.GetAt(i), i);
    main += script::kInitTail;
    main += ReplaceNameToken(script::kInit2Function, name);
    main += script::kDoEffectFunction;

    main += functions;
    if (doc.GetAutoStart()) main += ReplaceNameToken(script::kAutoStartCall, name);
    return main;
}

void GenerateScriptFile(const CTallowmereDoc& doc, const std::string& path,
                        const std::string& fileTitle, bool followLinks) {
    SaveWithinMemory(path, [&] {
        WriteFileAtomically(path, WriteScript(doc, fileTitle), FailureCause::DiskFull, followLinks);
    });
}

}  // namespace glintwick
