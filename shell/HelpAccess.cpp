// Help access: numbered topics of the help book.
#include "shell/HelpAccess.h"

namespace glintwick {

namespace {
int g_lastTopic = 0;
}

void ShowHelpTopic(int topic) { g_lastTopic = topic; }

int LastHelpTopic() { return g_lastTopic; }

}  // namespace glintwick
