// Assembly of the generated script and the atomic writing of script files.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace glintwick {

class CEffect;
class CTallowmereDoc;

// The complete text of the generated script of `doc` for a file named `fileTitle`.
std::string WriteScript(const CTallowmereDoc& doc, const std::string& fileTitle);
// A record's entry of the stea array at list position `position`: its text (or, for a
// word-based effect, the position as a string), effect index, speed and loops.
std::string GetScriptEntry(const CEffect& effect, int position);
// The word array of a word-based record ("" for any other).
std::string GetWordArrayScript(const CEffect& effect, int position);
// The frame function of the record's effect ("" for an index outside the catalogue).
std::string GetEffectFunctionScript(const CEffect& effect);

// Escapes a user text for a double-quoted script string: backslash, double quote, CR and LF
// with short escapes; every other control byte but TAB, 0x7F and every byte from 0x80 up as
// \uXXXX of its Windows-1252 character.
std::string EscapeScriptText(std::string_view text);
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
void GenerateScriptFile(const CTallowmereDoc& doc, const std::string& path,
                        const std::string& fileTitle, bool followLinks = true);

}  // namespace glintwick
