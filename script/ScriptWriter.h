// Assembly of the generated script and the atomic writing of script files.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace glintwick {

class CTallowmereDoc;

// Escapes a user text for a double-quoted script string: backslash, double quote, CR and LF
// with short escapes; every other control byte but TAB, 0x7F and every byte from 0x80 up as
// \uXXXX of its Windows-1252 character.
std::string EscapeScriptText(const std::string& text);
void AppendEscapedScriptText(std::string& out, std::string_view text);

// The file title less its last three characters (the ".js"), unchanged otherwise.
std::string ScriptNameFromTitle(const std::string& fileTitle);

// The script name as the script spells it: bytes from 0x80 up as \uXXXX of their character,
// which JavaScript reads as the same letters in names and in strings.
std::string ScriptNameInScript(const std::string& scriptName);

// "<SCRIPT SRC='title'></SCRIPT>".
std::string LinkTagFor(const std::string& fileTitle);

// Fills %s and %d in `templ` with `args` in order.
std::string FillTemplate(const char* templ, std::initializer_list<std::string> args);

// Every STRINGTOREPLACE in `templ` replaced by `scriptName`.
std::string ReplaceNameToken(const char* templ, const std::string& scriptName);

// Writes the script for `doc` to `path` atomically, naming it by `fileTitle` (the file's name in
// the code page). Failures to create the file carry the platform's cause; failures while
// writing report a full disk. The document is not marked modified. Without `followLinks`, a
// link at `path` is replaced rather than written through.
void GenerateScriptFile(CTallowmereDoc& doc, const std::string& path, const std::string& fileTitle,
                        bool followLinks = true);

}  // namespace glintwick
