// The fixed texts of the generated script: printf-style templates (the effects' functions are
// in the effect catalogue).
#pragma once

namespace glintwick::script {

// The token that every control-function template carries in place of the script name.
inline constexpr const char* kNameToken = "STRINGTOREPLACE";

extern const char* const kHeader;
extern const char* const kStartFunction;
extern const char* const kStopFunction;
extern const char* const kInitCall;
extern const char* const kInitHead;
extern const char* const kStateFields;
extern const char* const kEntryText;
extern const char* const kEntryNumber;
extern const char* const kWordArrayHead;
extern const char* const kInitTail;
extern const char* const kInit2Function;
extern const char* const kDoEffectFunction;
extern const char* const kAutoStartCall;

}  // namespace glintwick::script
