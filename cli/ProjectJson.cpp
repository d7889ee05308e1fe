// Conversion between projects and their JSON form.
#include "cli/ProjectJson.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <iterator>
#include <memory>
#include <optional>
#include <set>
#include <streambuf>

#include "effects/EffectCatalogue.h"
#include "model/CodePage.h"
#include "model/TallowmereDoc.h"

namespace glintwick {

namespace {

void AppendEscaped(std::string& out, std::string_view codePageText) {
    for (const char c : codePageText) {
        const char32_t ch = CodePageToUnicode(static_cast<unsigned char>(c));
        switch (ch) {
            case '\b': out += "\\b"; break;
            case '\t': out += "\\t"; break;
            case '\n': out += "\\n"; break;
            case '\f': out += "\\f"; break;
            case '\r': out += "\\r"; break;
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            default:
                if (ch < 0x20) {
                    static constexpr char kHex[] = "0123456789abcdef";
                    out += "\\u00";
                    out += kHex[ch >> 4];
                    out += kHex[ch & 0xF];
                } else {
                    AppendUtf8(out, ch);
                }
        }
    }
}

}  // namespace

void AppendJsonText(std::string& out, std::string_view codePageText) {
    out += '"';
    AppendEscaped(out, codePageText);
    out += '"';
}

void WriteJsonText(std::ostream& out, std::string_view codePageText) {
    constexpr size_t kSlice = 1 << 16;
    std::string piece;
    out << '"';
    for (size_t at = 0; at < codePageText.size(); at += kSlice) {
        piece.clear();
        AppendEscaped(piece, codePageText.substr(at, kSlice));
        out << piece;
    }
    out << '"';
}

std::string TextFromUtf8(const std::string& utf8, const std::string& what) {
    std::string out;
    char32_t rejected = 0;
    if (!Utf8ToCodePage(utf8, out, rejected)) {
        if (rejected == 0xFFFD) throw CJsonProjectError(what + " is not valid UTF-8");
        std::string shown;
        AppendUtf8(shown, rejected);
        throw CJsonProjectError(what + ": the character " + DescribeCharacter(rejected) + " \"" +
                                shown + "\" cannot be stored in the Windows-1252 code page");
    }
    return out;
}

void WriteProjectJson(const CTallowmereDoc& doc, std::ostream& out,
                      const std::function<void(std::ostream&)>& more) {
    out << R"({"finalText":)";
    WriteJsonText(out, doc.GetFinalText());
    out << R"(,"autoStart":)" << doc.GetAutoStart() << R"(,"repeat":)" << doc.GetRepeat()
        << R"(,"effects":[)";
    for (int i = 0; i < doc.GetCount(); ++i) {
        const CEffect* effect = doc.GetAt(i);
        out << (i > 0 ? R"(,{"text":)" : R"({"text":)");
        WriteJsonText(out, effect->GetText());
        out << R"(,"effect":)" << effect->GetEffect() << R"(,"speed":)" << effect->GetSpeed()
            << R"(,"loops":)" << effect->GetLoops() << '}';
    }
    out << ']';
    more(out);
    out << '}';
}

namespace {

int IntField(const nlohmann::json& object, const char* key, int fallback,
             const std::string& where) {
    if (!object.contains(key)) return fallback;
    const auto& value = object.at(key);
    if (value.is_boolean()) return value.get<bool>() ? 1 : 0;
    // An integer beyond 64 bits arrives as a floating-point number: a whole one at or past
    // 2^63 is such an integer, which fits no more than the others past 32 bits.
    const bool hugeInteger = value.is_number_float() && std::fabs(value.get<double>()) >= 0x1p63 &&
                             std::trunc(value.get<double>()) == value.get<double>();
    if (!value.is_number_integer() && !hugeInteger)
        throw CJsonProjectError(where + key + " must be an integer");
    // Numbers from 2^63 up arrive unsigned; read as signed they would wrap to negatives.
    const bool fits =
        !hugeInteger &&
        (value.is_number_unsigned()
             ? value.get<uint64_t>() <= static_cast<uint64_t>(INT32_MAX)
             : value.get<int64_t>() >= INT32_MIN && value.get<int64_t>() <= INT32_MAX);
    if (!fits) throw CJsonProjectError(where + key + " does not fit in 32 bits");
    return static_cast<int>(value.get<int64_t>());
}

std::string TextField(const nlohmann::json& object, const char* key, std::string_view fallback,
                      const std::string& where) {
    if (!object.contains(key)) return std::string(fallback);
    const auto& value = object.at(key);
    if (!value.is_string()) throw CJsonProjectError(where + key + " must be a string");
    return TextFromUtf8(value.get<std::string>(), where + key);
}

// The keys a project's JSON holds: show's timing is read over, so what show prints imports.
constexpr std::string_view kProjectKeys[] = {"finalText", "autoStart", "repeat", "effects",
                                             "timing"};
constexpr std::string_view kEffectKeys[] = {"text", "effect", "speed", "loops"};

template <size_t N>
void RefuseUnknownKey(const std::string& key, const std::string_view (&known)[N],
                      const std::string& where) {
    if (std::find(std::begin(known), std::end(known), key) != std::end(known)) return;
    std::string names;
    for (std::string_view name : known) names += (names.empty() ? "" : ", ") + std::string(name);
    throw CJsonProjectError(where + "'" + key + "' is no key of a project's JSON (" + names + ")");
}

// A value outside what the program's dialogs let a user choose, refused unless any is allowed.
void RefuseOutside(const std::string& field, long long value, long long low, long long high,
                   bool allowAny) {
    if (allowAny || (value >= low && value <= high)) return;
    throw CJsonProjectError(field + " is " + std::to_string(value) + ", outside " +
                            std::to_string(low) + " to " + std::to_string(high) +
                            " (--allow-any writes it all the same)");
}

// Effect `index` of the list, appended to the project; missing fields take the record's
// defaults.
void AppendEffect(const nlohmann::json& entry, size_t index, CTallowmereDoc& doc, bool allowAny) {
    const std::string where = "effects[" + std::to_string(index) + "].";
    if (!entry.is_object())
        throw CJsonProjectError("effects[" + std::to_string(index) + "] must be an object");
    for (const auto& [key, value] : entry.items()) RefuseUnknownKey(key, kEffectKeys, where);
    const CEffect defaults;
    const std::string text = TextField(entry, "text", defaults.GetText(), where);
    const int effect = IntField(entry, "effect", defaults.GetEffect(), where);
    const int speed = IntField(entry, "speed", defaults.GetSpeed(), where);
    const int loops = IntField(entry, "loops", defaults.GetLoops(), where);
    // A project file with an effect outside the catalogue would not load again.
    if (!CEffect::IsValidEffectIndex(effect))
        throw CJsonProjectError(where + "effect must be 0 to " + LastEffectNumber());
    RefuseOutside(where + "speed", speed, 1, 20, allowAny);
    RefuseOutside(where + "loops", loops, 1, 10, allowAny);
    RefuseOutside(where + "text's length", static_cast<long long>(text.size()), 0, 500, allowAny);
    doc.AppendLoaded(text, effect, speed, loops);
}

// The JSON's bytes as the parser takes them, refused past `limit`: an input that never ends, or
// one endless text or list, fails there instead of growing in memory without end.
class CBoundedInput : public std::streambuf {
public:
    CBoundedInput(std::FILE* input, size_t limit) : m_input(input), m_left(limit) {}

private:
    int_type underflow() override {
        const size_t n = std::fread(m_piece, 1, sizeof m_piece, m_input);
        if (n == 0) return traits_type::eof();
        if (n > m_left)
            throw CJsonProjectError("more than " + std::to_string(kMaxProjectJsonBytes >> 20) +
                                    " MiB, the most a project's JSON may be");
        m_left -= n;
        setg(m_piece, m_piece, m_piece + n);
        return traits_type::to_int_type(m_piece[0]);
    }

    std::FILE* m_input;
    size_t m_left;
    char m_piece[1 << 14];
};

}  // namespace

void ReadProjectJson(std::FILE* input, CTallowmereDoc& doc, bool allowAny) {
    doc.InitNewProject();
    // The effects are read one at a time as the parser finishes each and dropped from the parsed
    // document: only the settings and one effect are ever held as JSON. The first effect that
    // cannot be a record is reported once the settings are found right, as the order of the
    // messages has always been.
    using Event = nlohmann::json::parse_event_t;
    std::string key;  // the top-level member being read
    bool inEffects = false;
    size_t index = 0;
    std::optional<CJsonProjectError> effectError;
    // The members named so far, of the project and of the effect being read: a name given twice
    // is a mistake, since only one of its values could count.
    std::set<std::string> projectKeys, effectKeys;
    std::string effectKey;
    CBoundedInput bounded(input, kMaxProjectJsonBytes);
    std::istream stream(&bounded);
    const nlohmann::json json =
        nlohmann::json::parse(stream, [&](int depth, Event event, nlohmann::json& parsed) {
            // Nothing but the effects' list holds a list or an object; refused as they open, such
            // values cannot fill memory (a list of a hundred million numbers, say).
            const bool opens = event == Event::object_start || event == Event::array_start;
            if (depth == 0 && event != Event::object_start && event != Event::object_end)
                throw CJsonProjectError("the project must be a JSON object");
            if (opens &&
                ((depth == 1 && key != "effects" && key != "timing") || (inEffects && depth >= 3)))
                throw CJsonProjectError(
                    (inEffects ? "effects[" + std::to_string(index) + "]." + effectKey : key) +
                    " must be a single value, not a list or an object");
            if (inEffects && depth == 2 && event == Event::object_start) effectKeys.clear();
            if (inEffects && depth == 3 && event == Event::key) {
                effectKey = parsed.get<std::string>();
                if (!effectKeys.insert(effectKey).second)
                    throw CJsonProjectError("effects[" + std::to_string(index) + "]." + effectKey +
                                            " is given twice");
            }
            if (depth == 1 && event == Event::key) {
                key = parsed.get<std::string>();
                RefuseUnknownKey(key, kProjectKeys, "");
                if (!projectKeys.insert(key).second)
                    throw CJsonProjectError(key + " is given twice");
                // Other members (show's timing, say) are read over, not kept.
                return key == "effects" || key == "finalText" || key == "autoStart" ||
                       key == "repeat";
            }
            if (depth == 1 && key == "effects" && event == Event::array_start) inEffects = true;
            if (depth == 1 && event == Event::array_end) inEffects = false;
            if (!inEffects || depth != 2 ||
                (event != Event::object_end && event != Event::array_end && event != Event::value))
                return true;
            try {
                if (!effectError) AppendEffect(parsed, index, doc, allowAny);
            } catch (const CJsonProjectError& error) {
                effectError = error;
            }
            ++index;
            return false;
        });
    if (!json.is_object()) throw CJsonProjectError("the project must be a JSON object");
    std::string finalText = TextField(json, "finalText", "", "");
    RefuseOutside("finalText's length", static_cast<long long>(finalText.size()), 0, 300, allowAny);
    const int autoStart = IntField(json, "autoStart", 1, "");
    doc.SetOptions(std::move(finalText), autoStart);
    const int repeat = IntField(json, "repeat", 0, "");
    RefuseOutside("repeat", repeat, 0, 100, allowAny);
    doc.SetRepeat(repeat);
    if (json.contains("effects") && !json.at("effects").is_array())
        throw CJsonProjectError("effects must be an array");
    if (effectError) throw *effectError;
}

}  // namespace glintwick
