// The script-name check behind Generate's warning.
#include "script/ScriptName.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "model/CodePage.h"
#include "model/CoreTexts.h"
#include "model/FileError.h"
#include "model/MessageFormat.h"
#include "script/ScriptWriter.h"

namespace glintwick {

namespace {

// Letters of the code page that JavaScript accepts in identifiers.
bool IsLetter(unsigned char b) {
    if ((b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || b == '_' || b == '$') return true;
    if (b >= 0xC0 && b != 0xD7 && b != 0xF7) return true;
    switch (b) {
        case 0x83:
        case 0x8A:
        case 0x8C:
        case 0x8E:
        case 0x9A:
        case 0x9C:
        case 0x9E:
        case 0x9F:
        case 0xAA:
        case 0xB5:
        case 0xBA: return true;
        default: return false;
    }
}

constexpr std::array<std::string_view, 47> kReservedWords = {
    "break",      "case",      "catch",  "class",    "const",      "continue",  "debugger",
    "default",    "delete",    "do",     "else",     "enum",       "export",    "extends",
    "false",      "finally",   "for",    "function", "if",         "import",    "in",
    "instanceof", "new",       "null",   "return",   "super",      "switch",    "this",
    "throw",      "true",      "try",    "typeof",   "var",        "void",      "while",
    "with",       "yield",     "let",    "static",   "implements", "interface", "package",
    "private",    "protected", "public", "await",    "undefined"};

// Names the page's window already holds; assigning the state object to one of them fails or
// breaks the page, and eval, doEffect and the frame functions are the script's own.
constexpr std::array<std::string_view, 62> kTakenNames = {"status",
                                                          "name",
                                                          "top",
                                                          "self",
                                                          "parent",
                                                          "length",
                                                          "history",
                                                          "location",
                                                          "event",
                                                          "closed",
                                                          "frames",
                                                          "opener",
                                                          "window",
                                                          "document",
                                                          "navigator",
                                                          "screen",
                                                          "external",
                                                          "origin",
                                                          "menubar",
                                                          "toolbar",
                                                          "statusbar",
                                                          "scrollbars",
                                                          "personalbar",
                                                          "locationbar",
                                                          "frameElement",
                                                          "localStorage",
                                                          "sessionStorage",
                                                          "performance",
                                                          "crypto",
                                                          "indexedDB",
                                                          "innerWidth",
                                                          "innerHeight",
                                                          "outerWidth",
                                                          "outerHeight",
                                                          "screenX",
                                                          "screenY",
                                                          "scrollX",
                                                          "scrollY",
                                                          "pageXOffset",
                                                          "pageYOffset",
                                                          "devicePixelRatio",
                                                          "alert",
                                                          "confirm",
                                                          "prompt",
                                                          "print",
                                                          "close",
                                                          "stop",
                                                          "focus",
                                                          "blur",
                                                          "open",
                                                          "postMessage",
                                                          "fetch",
                                                          "setTimeout",
                                                          "setInterval",
                                                          "clearTimeout",
                                                          "clearInterval",
                                                          "eval",
                                                          "arguments",
                                                          "doEffect",
                                                          "Object",
                                                          "Array",
                                                          "String"};

}  // namespace

bool IsScriptNameCharacter(unsigned char byte) {
    return IsLetter(byte) || (byte >= '0' && byte <= '9');
}

std::string ScriptFileTitle(const std::string& utf8FileName) {
    std::string title;
    char32_t rejected = 0;
    return Utf8ToCodePage(utf8FileName, title, rejected) ? title : utf8FileName;
}

std::string ScriptNameWarning(const std::string& utf8FileName, const char* warning) {
    std::string title;
    char32_t rejected = 0;
    if (Utf8ToCodePage(utf8FileName, title, rejected) &&
        IsUsableScriptName(ScriptNameFromTitle(title)))
        return std::string();
    // The name as the user sees it: the file name less its last three characters.
    size_t end = utf8FileName.size();
    for (int characters = 0; characters < 3 && end > 0; ++characters) {
        --end;
        while (end > 0 && (static_cast<unsigned char>(utf8FileName[end]) & 0xC0) == 0x80) --end;
    }
    return FormatMessage(warning, utf8FileName.substr(0, end));
}

bool IsUsableScriptName(const std::string& name) {
    if (name.empty() || (name[0] >= '0' && name[0] <= '9')) return false;
    for (char c : name)
        if (!IsScriptNameCharacter(static_cast<unsigned char>(c))) return false;
    auto listed = [&](const auto& list) {
        return std::find(list.begin(), list.end(), std::string_view(name)) != list.end();
    };
    if (listed(kReservedWords) || listed(kTakenNames)) return false;
    // stEffect0 ... stEffect11 are the script's frame functions.
    if (name.rfind("stEffect", 0) == 0) return false;
    return true;
}

}  // namespace glintwick
