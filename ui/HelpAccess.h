// Access to the program's help book: contents, index, search and numbered topics.
#pragma once

#include <wx/string.h>
#include <wx/window.h>

class wxHtmlHelpController;

namespace glintwick {

inline constexpr int kHelpTopicEffectDialog = 3300;
inline constexpr int kHelpTopicOptions = 3320;
inline constexpr int kHelpTopicScriptDone = 3360;

// The book beside a program: the program's own path with the book's extension, so a renamed
// program looks for a renamed book.
wxString HelpBookPathFor(const wxString& programPath);

// The book the program uses: the one beside it when it exists (a build tree), else the one of
// the same name in the installed data folder relative to the program's prefix
// (/usr/bin/glintwick reads /usr/share/glintwick/glintwick.htb); the one beside it when
// neither exists.
wxString FindHelpBook(const wxString& programPath);

// Where the book is; the application sets it at start-up.
void SetHelpBookPath(const wxString& path);
// The viewer is made ready with the main frame, over which it opens, and let go when the frame
// closes; every display below works either way and reports nothing when the book is missing.
void InitializeHelp(wxWindow* mainFrame);
void UninitializeHelp();
// Destroys the viewer; the application calls it as it ends.
void ReleaseHelp();

void ShowHelpContents();
void ShowHelpIndex();
void ShowHelpSearch();
// Opens the book at a numbered topic; the More Info buttons call this.
void ShowHelpTopic(int topic);

// The viewer in use, made on demand with the book loaded when it exists.
wxHtmlHelpController& HelpController();

}  // namespace glintwick
