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

const char* const kEffectFunctions[12] = {
    "function stEffect0(text,step){if (step>text.length) return \"\";else return "
    "text.substring(0,step);}\r\n",
    "function stEffect1(text,step,es) {var wa=eval(es+\".stwa\"+text);if (step>wa.length) return "
    "\"\";else {for (var i=0,r=\"\"; i<step; i++) r+=wa[i];return r;}}\r\n",
    "function stEffect2(text,step) {if (step>text.length) return \"\";else return "
    "text.substring(text.length-step,text.length);}\r\n",
    "function stEffect3(text,step) {if (step>text.length) return \"\";else {for (var i=0,r=\"\"; "
    "i<text.length-step; i++) r+=\" \";return r+text;}}\r\n",
    "function stEffect4(text,step) {if (step<=3) return text;if (step<=5) return \" \";return "
    "\"\";}\r\n",
    "function stEffect5(text,step){if (text.length<step) return \"\";return "
    "text.substring(0,step)+\"*\"+text.substring(step,text.length);}\r\n",
    "function stEffect6(text,step){if (text.length<step) return \"\";return "
    "text.substring(0,step-1)+text.substring(step-1,step).toUpperCase()+text.substring(step,text."
    "length);}\r\n",
    "function stEffect7(text,step){if (text.length/2+3<step) return \"\";if (text.length/2<step) "
    "return text;for (var i=0,s=\"\"; i<text.length/2-step; i++,s+=\" \");return "
    "s+text.substring(0,step)+text.substring(text.length-step,text.length);}\r\n",
    "function stEffect8(text,step){if (text.length/2+3<step) return \"\";if (step<3) return "
    "text;for (var i=3,s=\"\"; i<step; i++,s+=\" \");return "
    "s+text.substring(0,text.length/2-step+3)+text.substring(text.length-text.length/"
    "2+step-3,text.length);}\r\n",
    "function stEffect9(text,step){var n=text.length+20,i=0,l=0,s2=step;while (i+n<step) "
    "{i+=n;s2-=n;l++;n--;}if (l>text.length) return \"\";for (j=n-s2,s=\"\"; j>0; j--,s+=\" "
    "\");return text.substring(0,l)+s+text.substr(l,1);}\r\n",
    "function stEffect10(text,step,es){var wa=eval(es+\".stwa\"+text);for (var i=0,text=\"\"; "
    "i<wa.length; i++) text+=wa[i];var n=text.length+20,i=0,w=0,s2=step,j=0;while (i+n<step) "
    "{i+=n;s2-=n;w++;n-=wa[j++].length;}if (w>=wa.length) return \"\";for (i=(n-s2),s=\"\"; i>0; "
    "i--,s+=\" \");for (i=0,s1=\"\"; i<w; i++) s1+=wa[i];return s1+s+wa[w];}\r\n",
    "function stEffect11(text,step){if (step>3) return \"\"; else return text;}\r\n",
};

}  // namespace glintwick::script
