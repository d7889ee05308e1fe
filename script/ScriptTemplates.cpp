// The fixed texts of the generated script, exactly as the page receives them.
#include "script/ScriptTemplates.h"

namespace glintwick::script {

const char* const kHeader = "// ******** %s 1.0 **********\r\n";
const char* const kStartFunction =
    "function STRINGTOREPLACE_start() "
    "{clearInterval(STRINGTOREPLACE.sttm);STRINGTOREPLACE_init();if (arguments.length>0) "
    "STRINGTOREPLACE_init2(arguments[0]);STRINGTOREPLACE.sttm=setInterval "
    "(\"doEffect('STRINGTOREPLACE')\",10);}\r\n";
const char* const kStopFunction =
    "function STRINGTOREPLACE_stop() "
    "{clearInterval(STRINGTOREPLACE.sttm);window.status=\"\";}\r\n\r\n";
const char* const kInitCall = "STRINGTOREPLACE_init();\r\n";
const char* const kInitHead = "function STRINGTOREPLACE_init() {STRINGTOREPLACE={";
const char* const kStateFields =
    "stel:%d,stft:\"%s\",stec:%d,stcel:1,stce:-1,stcl:-1,stls:-1,stcs:0,sttg:0,stea:[";
const char* const kEntryText = "\"%s\",%d,%d,%d";
const char* const kEntryNumber = "\"%d\",%d,%d,%d";
const char* const kWordArrayHead = ",stwa%d:[";
const char* const kInitTail = "};}\r\n";
const char* const kInit2Function =
    "function STRINGTOREPLACE_init2 (en) "
    "{STRINGTOREPLACE.stea=[STRINGTOREPLACE.stea[(en-1)*4],STRINGTOREPLACE.stea[(en-1)*4+1],"
    "STRINGTOREPLACE.stea[(en-1)*4+2],STRINGTOREPLACE.stea[(en-1)*4+3]];STRINGTOREPLACE.stec=1;"
    "STRINGTOREPLACE.stel=0;}\r\n";
const char* const kDoEffectFunction =
    "function doEffect(es) {var s=eval(es);if (s.stce==s.stec) {if (s.stcel==s.stel) "
    "{clearInterval(s.sttm);window.status=s.stft;return;} else {if (s.stel>0) "
    "s.stcel++;s.stce=-1;s.stcl=s.stls;}}if (s.stcl==s.stls) "
    "{s.stce++;s.sttx=s.stea[s.stce*4];s.sttp=s.stea[s.stce*4+1];s.stsd=s.stea[s.stce*4+2];s.stls="
    "s.stea[s.stce*4+3];s.stcl=0;s.stsp=1;s.sttg=0;}if (21-s.stsd-s.sttg==0) {var "
    "stres=eval(\"stEffect\"+s.sttp+\"(s.sttx,s.stsp++,es);\");s.sttg=0;if (stres!=\"\") "
    "window.status=stres;else {s.stcl++;s.stsp=1;}}s.sttg++;}\r\n";
const char* const kAutoStartCall = "STRINGTOREPLACE_start();";

}  // namespace glintwick::script
