// Access to the program's help book: contents, index, search and numbered topics.
#pragma once

namespace glintwick {

inline constexpr int kHelpTopicEffectDialog = 3300;
inline constexpr int kHelpTopicOptions = 3320;
inline constexpr int kHelpTopicScriptDone = 3360;

// Opens the help book at a numbered topic; the More Info buttons call this.
void ShowHelpTopic(int topic);
// The last topic asked for, for tests.
int LastHelpTopic();

}  // namespace glintwick
