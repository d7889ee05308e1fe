// Files for a real browser: the preview page around a generated script, and the status strip.
#pragma once

#include <string>
#include <string_view>

namespace glintwick {

class CTallowmereDoc;

// The status strip script: the same bytes for every project.
std::string_view StatusStripScript();
inline constexpr const char* kStatusStripFileName = "glintwick-strip.js";

// The preview page (Windows-1252, no network resources) that loads the script file
// `scriptFileTitle` from its own folder and drives it with Start, Start with an effect number
// and Stop. `scriptFileTitle` must be a usable script name followed by ".js".
std::string PreviewPageHtml(const CTallowmereDoc& doc, const std::string& scriptFileTitle);

// The script name a preview page can drive for a page or project file name: its name without
// folder and extension, with characters an identifier cannot hold as "_", a leading digit
// behind "_" and "_preview" after a name the page owns; "preview" when nothing is left.
// Code page bytes.
std::string PreviewScriptName(const std::string& fileNameInCodePage);

// Writes the preview page as `pagePath`, then the generated script, unchanged, as
// `scriptFileTitle` in the same folder, and returns the script's path. Both writes are atomic;
// failures throw CFileFailure; a page path that is the script's throws std::invalid_argument.
// Without `followLinks`, a link in the place of either file is replaced, not written through.
std::string WritePreviewFiles(const CTallowmereDoc& doc, const std::string& pagePath,
                              const std::string& scriptFileTitle, bool followLinks = true);

// The tag for a file of any name: as LinkTagFor, with the characters that would end the
// attribute or the address (' " # ? % & < > and controls) percent-encoded.
std::string AddressSafeLinkTag(const std::string& fileName);

// Writes the status strip script to `path` atomically.
void WriteStatusStripFile(const std::string& path);

}  // namespace glintwick
