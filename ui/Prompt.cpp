// Message boxes with the application name as the default caption.
#include "ui/Prompt.h"

#include "model/ControlPictures.h"
#include "model/FileError.h"
#include "model/MessageFormat.h"
#include "resources/StringTable.h"
#include "ui/PlatformStyle.h"
#include "ui/Translations.h"
#include "ui/WxText.h"

namespace glintwick {

int ShowMessageBox(wxWindow* parent, const wxString& text, long style, const wxString& caption) {
    return ShowPlatformMessageBox(parent, text, caption.empty() ? wxString(str::kAppName) : caption,
                                  style);
}

void ShowFileFailure(wxWindow* parent, const CFileFailure& failure, long icon) {
    // The message names the file as every label does: a line break in its name is no new line.
    ShowMessageBox(parent,
                   ReadableToWx(FormatMessage(UiTemplate(failure.Template()).c_str(),
                                              WithControlPictures(failure.Path()))),
                   wxOK | icon);
}

}  // namespace glintwick
