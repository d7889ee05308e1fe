// The interface in the user's language: wx's translations of the texts marked N_, and the one
// way the windows look a text up.
#pragma once

#include <string>

#include <wx/string.h>

namespace glintwick {

// Loads the catalogue of the user's language (the locale's on Linux, the user's interface
// language on Windows) from beside the program (the build tree's bin/locale, the Windows
// program's folder) or where the system keeps them; a language without one stays English.
void UseUserLanguage(const wxString& programPath);

// An interface text (one of resources/StringTable.h or model/CoreTexts.h) as the user's
// language has it; the English original where there is no translation. Texts of the project
// never go through here.
wxString UiText(const char* english);

// The same as UTF-8, for a message template whose %1 and %2 are filled in before it is shown.
std::string UiTemplate(const char* english);

// A message template in the user's language with its %1 and %2 filled in, for the screen: a
// value may carry a file name's raw bytes, and a byte that is no part of UTF-8 shows as U+FFFD.
wxString UiMessage(const char* english, const std::string& arg1,
                   const std::string& arg2 = std::string());

// A document's title as the windows say it (UTF-8): its file's name, or "Untitled" in the user's
// language for a project not saved yet.
std::string TitleShown(const std::string& title, const std::string& path);

}  // namespace glintwick
