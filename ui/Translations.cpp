// The interface in the user's language.
#include "ui/Translations.h"

#include <clocale>

#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/translation.h>
#include <wx/uilocale.h>

#include "model/CoreTexts.h"
#include "model/MessageFormat.h"
#include "ui/WxText.h"

namespace glintwick {

void UseUserLanguage(const wxString& programPath) {
    wxUILocale::UseDefault();
    // Numbers in files and scripts are read and written the C library's way in every language.
    std::setlocale(LC_NUMERIC, "C");
    const wxString folder = wxFileName(programPath).GetPath();
    wxFileTranslationsLoader::AddCatalogLookupPathPrefix(folder + "/locale");
    // An installed program's: PREFIX/bin beside PREFIX/share/locale.
    wxFileTranslationsLoader::AddCatalogLookupPathPrefix(folder + "/../share/locale");
    auto* translations = new wxTranslations;
    wxTranslations::Set(translations);
    translations->AddStdCatalog();
    translations->AddCatalog("glintwick");
}

wxString UiText(const char* english) {
    // An empty text would look up the catalogue's header.
    return *english ? wxGetTranslation(wxString::FromUTF8(english)) : wxString();
}

std::string UiTemplate(const char* english) { return UiText(english).utf8_string(); }

wxString UiMessage(const char* english, const std::string& arg1, const std::string& arg2) {
    return ReadableToWx(FormatMessage(UiTemplate(english).c_str(), arg1, arg2));
}

std::string TitleShown(const std::string& title, const std::string& path) {
    return path.empty() && title == str::kUntitled ? UiTemplate(str::kUntitled) : title;
}

}  // namespace glintwick
