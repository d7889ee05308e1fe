// The project as JSON for the command-line tool: texts in Unicode, numbers as stored.
#pragma once

#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>

namespace glintwick {

class CTallowmereDoc;

// A JSON input that cannot become a project; the message names the field or the character.
class CJsonProjectError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Code-page text as a JSON string value (UTF-8).
nlohmann::json TextToJson(std::string_view codePageText);
// A UTF-8 text to code-page bytes; throws CJsonProjectError naming a character it cannot hold.
std::string TextFromUtf8(const std::string& utf8, const std::string& what);

nlohmann::ordered_json ProjectToJson(CTallowmereDoc& doc);
// Fills a new project from JSON; missing fields take the new-project and record defaults.
void ProjectFromJson(const nlohmann::json& json, CTallowmereDoc& doc);

}  // namespace glintwick
