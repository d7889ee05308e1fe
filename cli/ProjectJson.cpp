// Conversion between projects and their JSON form.
#include "cli/ProjectJson.h"

#include <memory>

#include "model/CodePage.h"
#include "model/TallowmereDoc.h"

namespace glintwick {

nlohmann::json TextToJson(std::string_view codePageText) {
    return nlohmann::json(CodePageToUtf8(codePageText));
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

nlohmann::ordered_json ProjectToJson(CTallowmereDoc& doc) {
    nlohmann::ordered_json json;
    json["finalText"] = TextToJson(doc.GetFinalText());
    json["autoStart"] = doc.GetAutoStart();
    json["repeat"] = doc.GetRepeat();
    json["effects"] = nlohmann::ordered_json::array();
    for (int i = 0; i < doc.GetCount(); ++i) {
        const CEffect* effect = doc.GetAt(i);
        nlohmann::ordered_json entry;
        entry["text"] = TextToJson(effect->GetText());
        entry["effect"] = effect->GetEffect();
        entry["speed"] = effect->GetSpeed();
        entry["loops"] = effect->GetLoops();
        json["effects"].push_back(std::move(entry));
    }
    return json;
}

namespace {

int IntField(const nlohmann::json& object, const char* key, int fallback,
             const std::string& where) {
    if (!object.contains(key)) return fallback;
    const auto& value = object.at(key);
    if (value.is_boolean()) return value.get<bool>() ? 1 : 0;
    if (!value.is_number_integer()) throw CJsonProjectError(where + key + " must be an integer");
    // Numbers from 2^63 up arrive unsigned; read as signed they would wrap to negatives.
    const bool fits = value.is_number_unsigned()
                          ? value.get<uint64_t>() <= static_cast<uint64_t>(INT32_MAX)
                          : value.get<int64_t>() >= INT32_MIN && value.get<int64_t>() <= INT32_MAX;
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

}  // namespace

void ProjectFromJson(const nlohmann::json& json, CTallowmereDoc& doc) {
    if (!json.is_object()) throw CJsonProjectError("the project must be a JSON object");
    doc.InitNewProject();
    std::string finalText = TextField(json, "finalText", "", "");
    const int autoStart = IntField(json, "autoStart", 1, "");
    doc.SetOptions(std::move(finalText), autoStart);
    doc.SetRepeat(IntField(json, "repeat", 0, ""));
    if (!json.contains("effects")) return;
    const auto& effects = json.at("effects");
    if (!effects.is_array()) throw CJsonProjectError("effects must be an array");
    for (size_t i = 0; i < effects.size(); ++i) {
        const std::string where = "effects[" + std::to_string(i) + "].";
        const auto& entry = effects[i];
        if (!entry.is_object())
            throw CJsonProjectError("effects[" + std::to_string(i) + "] must be an object");
        auto effect = std::make_unique<CEffect>();
        effect->SetText(TextField(entry, "text", effect->GetText(), where));
        effect->SetEffect(IntField(entry, "effect", effect->GetEffect(), where));
        effect->SetSpeed(IntField(entry, "speed", effect->GetSpeed(), where));
        effect->SetLoops(IntField(entry, "loops", effect->GetLoops(), where));
        // A project file with an effect outside the catalogue would not load again.
        if (!CEffect::IsValidEffectIndex(effect->GetEffect()))
            throw CJsonProjectError(where + "effect must be 0 to 11");
        doc.AppendLoaded(std::move(effect));
    }
}

}  // namespace glintwick
