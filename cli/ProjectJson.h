// The project as JSON for the command-line tool: texts in Unicode, numbers as stored.
#pragma once

#include <cstdio>
#include <functional>
#include <nlohmann/json.hpp>
#include <ostream>
#include <stdexcept>
#include <string>

namespace glintwick {

class CTallowmereDoc;

// A JSON input that cannot become a project; the message names the field or the character.
class CJsonProjectError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Appends code-page text as a JSON string value, in UTF-8 and escaped exactly as
// nlohmann::json's dump() escapes one: \b \t \n \f \r \" \\, \u00xx for the other control
// characters below 0x20, every other character as it is.
void AppendJsonText(std::string& out, std::string_view codePageText);
// The same, written to `out` a slice at a time: a text of any length takes little more memory.
void WriteJsonText(std::ostream& out, std::string_view codePageText);
// A UTF-8 text to code-page bytes; throws CJsonProjectError naming a character it cannot hold.
std::string TextFromUtf8(const std::string& utf8, const std::string& what);

// The project as one JSON object, written to `out` a piece at a time instead of being held as
// one document: exactly the bytes nlohmann::ordered_json's dump() gives (keys and their order,
// escaping, numbers). `more` writes the members that follow the effects, each with its comma.
void WriteProjectJson(const CTallowmereDoc& doc, std::ostream& out,
                      const std::function<void(std::ostream&)>& more);
// Fills a new project from the JSON read from `input`; missing fields take the new-project and
// record defaults. The effects become records as they are read, so the project is never held
// as one JSON document. Throws nlohmann::json::exception for bytes that are no JSON and
// CJsonProjectError for JSON that is no project: a key it does not know, or, unless
// `allowAny`, a value the program's dialogs would refuse (a repeat count outside 0 to 100, loops
// outside 1 to 10, a speed outside 1 to 20, a text over 500 characters or a final text over 300).
// JSON over kMaxProjectJsonBytes is refused as it is read (a million effects take about 60 MB).
void ReadProjectJson(std::FILE* input, CTallowmereDoc& doc, bool allowAny = false);
inline constexpr size_t kMaxProjectJsonBytes = size_t{128} << 20;

}  // namespace glintwick
