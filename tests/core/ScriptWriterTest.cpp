// The generated script's exact text, escaping, and script files.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "model/FileError.h"
#include "script/ScriptWriter.h"

namespace glintwick {
namespace {

bool EndsWith(const std::string& s, const std::string& end) {
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

size_t Count(const std::string& s, const std::string& what) {
    size_t n = 0;
    for (size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + 1)) ++n;
    return n;
}

CTallowmereDoc& PromoProject(CTallowmereDoc& doc) {
    doc.InitNewProject();
    doc.SetRepeat(3);
    doc.SetOptions("Thanks", doc.GetAutoStart());
    test::Fill(doc, {{"Welcome to my page", 5, 12, 2}, {"Have fun", 10, 20, 1}});
    doc.SetModified(false);  // as a project just opened
    return doc;
}

TEST(ScriptWriter, PromoExampleIsExact) {
    CTallowmereDoc doc;
    const std::string script = WriteScript(PromoProject(doc), "promo.js");
    const std::string expected =
        "// ******** Glintwick by Orvane 1.0 **********\r\n"
        "function promo_start() {clearInterval(promo.sttm);promo_init();if (arguments.length>0) "
        "promo_init2(arguments[0]);promo.sttm=setInterval (\"doEffect('promo')\",10);}\r\n"
        "function promo_stop() {clearInterval(promo.sttm);window.status=\"\";}\r\n\r\n"
        "promo_init();\r\n"
        "function promo_init() {promo={stel:3,stft:\"Thanks\",stec:2,stcel:1,stce:-1,stcl:-1,"
        "stls:-1,stcs:0,sttg:0,stea:[\"Welcome to my page\",5,12,2,\"1\",10,20,1],"
        "stwa1:[\"Have\",\" fun\"]};}\r\n"
        "function promo_init2 (en) {promo.stea=[promo.stea[(en-1)*4],promo.stea[(en-1)*4+1],"
        "promo.stea[(en-1)*4+2],promo.stea[(en-1)*4+3]];promo.stec=1;promo.stel=0;}\r\n";
    ASSERT_EQ(script.substr(0, expected.size()), expected);
    const std::string rest = script.substr(expected.size());
    EXPECT_EQ(rest.find("function doEffect(es) {var s=eval(es);"), 0u);
    const auto five = rest.find("function stEffect5(");
    const auto ten = rest.find("function stEffect10(");
    ASSERT_NE(five, std::string::npos);
    ASSERT_NE(ten, std::string::npos);
    EXPECT_LT(five, ten);
    EXPECT_TRUE(EndsWith(script, "}\r\npromo_start();"));
    EXPECT_EQ(script.find('\n') - 1, script.find('\r')) << "every line ends in CR LF";
    EXPECT_EQ(Count(script, "\n"), Count(script, "\r\n"));
}

TEST(ScriptWriter, EachUsedEffectFunctionOnceInOrderOfFirstUse) {
    CTallowmereDoc doc;
    doc.InitNewProject();
    doc.SetOptions(doc.GetFinalText(), 0);
    test::Fill(doc, {{"a", 9, 10, 1}, {"b", 0, 10, 1}, {"c", 9, 10, 1}, {"d", 0, 10, 1}});
    const std::string script = WriteScript(doc, "x.js");
    EXPECT_EQ(Count(script, "function stEffect9("), 1u);
    EXPECT_EQ(Count(script, "function stEffect0("), 1u);
    EXPECT_LT(script.find("function stEffect9("), script.find("function stEffect0("));
    EXPECT_NE(script.find("stea:[\"a\",9,10,1,\"b\",0,10,1,\"c\",9,10,1,\"d\",0,10,1]};"),
              std::string::npos);
    EXPECT_TRUE(EndsWith(script, "return text.substring(0,step);}\r\n")) << "no start call";
}

TEST(ScriptWriter, WordArraysFollowTheEntriesInListOrderByPosition) {
    CTallowmereDoc doc;
    doc.InitNewProject();
    test::Fill(doc,
               {{"Hi you", 1, 10, 1}, {"plain", 0, 10, 1}, {"", 10, 10, 1}, {"a  b", 10, 1, 2}});
    const std::string script = WriteScript(doc, "w.js");
    EXPECT_NE(script.find("stea:[\"0\",1,10,1,\"plain\",0,10,1,\"2\",10,10,1,\"3\",10,1,2],"
                          "stwa0:[\"Hi\",\" you\"],stwa2:[],stwa3:[\"a\",\" \",\" b\"]};}\r\n"),
              std::string::npos);
    EXPECT_EQ(doc.GetAt(3)->CachedWordCount(), 3u) << "the record's words were refreshed";
}

TEST(ScriptWriter, UserTextsAreEscapedSoThePageShowsWhatThePreviewShows) {
    EXPECT_EQ(EscapeScriptText("C:\\new \"x\"\r\n\xE9"), "C:\\\\new \\\"x\\\"\\r\\n\\u00E9");
    CTallowmereDoc doc;
    doc.InitNewProject();
    doc.SetOptions("end\\", doc.GetAutoStart());
    test::Fill(doc, {{"say \"hi\"\\", 0, 10, 1}, {"q\" w\\", 1, 10, 1}});
    const std::string script = WriteScript(doc, "e.js");
    EXPECT_NE(script.find("stft:\"end\\\\\""), std::string::npos);
    EXPECT_NE(script.find("[\"say \\\"hi\\\"\\\\\",0,10,1,"), std::string::npos);
    EXPECT_NE(script.find("stwa1:[\"q\\\"\",\" w\\\\\"]"), std::string::npos);
}

// Bytes that a page in another encoding would read differently are written as \u escapes of
// their Windows-1252 character; TAB and printable ASCII stay as they are.
TEST(ScriptWriter, EveryByteBeyondPrintableAsciiIsAUnicodeEscape) {
    const struct {
        unsigned char byte;
        const char* written;
    } cases[] = {
        {0x00, "\\u0000"}, {0x01, "\\u0001"}, {0x09, "\t"},      {0x0B, "\\u000B"},
        {0x1B, "\\u001B"}, {0x1F, "\\u001F"}, {0x20, " "},       {0x7E, "~"},
        {0x7F, "\\u007F"}, {0x80, "\\u20AC"}, {0x81, "\\u0081"}, {0x8D, "\\u008D"},
        {0x8F, "\\u008F"}, {0x90, "\\u0090"}, {0x9D, "\\u009D"}, {0x9F, "\\u0178"},
        {0xA0, "\\u00A0"}, {0xE9, "\\u00E9"}, {0xFF, "\\u00FF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.byte));
        EXPECT_EQ(EscapeScriptText(std::string("a") + static_cast<char>(c.byte) + "b"),
                  std::string("a") + c.written + "b");
    }
}

// Whatever the texts and the name hold, the script is plain ASCII; the name keeps its letters
// as escapes, in the functions' names and in the string the timer evaluates.
TEST(ScriptWriter, TheWholeScriptIsAsciiAndNamesItsFunctionsWithEscapes) {
    std::string everyByte;
    for (int b = 0; b < 256; ++b) everyByte += static_cast<char>(b);
    CTallowmereDoc doc;
    doc.InitNewProject();
    doc.SetOptions(everyByte, doc.GetAutoStart());
    test::Fill(doc, {{everyByte, 0, 10, 1}, {everyByte, 1, 10, 1}, {everyByte, 10, 10, 1}});
    const std::string script = WriteScript(doc, "caf\xE9.js");
    for (char c : script) ASSERT_LT(static_cast<unsigned char>(c), 0x80) << "a byte beyond ASCII";
    EXPECT_NE(script.find("function caf\\u00E9_start() {clearInterval(caf\\u00E9.sttm);"),
              std::string::npos);
    EXPECT_NE(script.find("setInterval (\"doEffect('caf\\u00E9')\",10);"), std::string::npos);
    EXPECT_TRUE(EndsWith(script, "caf\\u00E9_start();"));
}

TEST(ScriptWriter, ScriptNameLosesExactlyThreeCharactersAndEmptyValuesAreWritten) {
    EXPECT_EQ(ScriptNameFromTitle("my effects.js"), "my effects");
    EXPECT_EQ(ScriptNameFromTitle("page.html"), "page.h");
    EXPECT_EQ(ScriptNameFromTitle("ab"), "");
    EXPECT_EQ(LinkTagFor("effects.js"), "<SCRIPT SRC='effects.js'></SCRIPT>");
    CTallowmereDoc doc;
    doc.InitNewProject();
    test::Fill(doc, {{"t", 11, 10, 1}});
    const std::string script = WriteScript(doc, "my effects.js");
    EXPECT_NE(script.find("{stel:0,stft:\"\",stec:1,"), std::string::npos);
    EXPECT_NE(script.find("function my effects_start()"), std::string::npos);
    EXPECT_TRUE(EndsWith(script, "my effects_start();"));
}

TEST(ScriptWriter, GenerateWritesAtomicallyAndNeverMarksModified) {
    test::TempFolder folder;
    CTallowmereDoc doc;
    PromoProject(doc);
    const std::string path = folder.File("promo.js");
    GenerateScriptFile(doc, path, "promo.js");
    EXPECT_EQ(test::ReadFile(path), WriteScript(doc, "promo.js"));
    EXPECT_FALSE(doc.IsModified());
    const std::string first = test::ReadFile(path);
    GenerateScriptFile(doc, path, "promo.js");
    EXPECT_EQ(test::ReadFile(path), first) << "generating twice writes identical files";

    const std::string nowhere = folder.File("gone/promo.js");
    try {
        GenerateScriptFile(doc, nowhere, "promo.js");
        ADD_FAILURE() << "a missing folder must fail";
    } catch (const CFileFailure& failure) {
        EXPECT_EQ(failure.Message(), nowhere + " contains an invalid path.");
    }
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"promo.js"});
}

}  // namespace
}  // namespace glintwick
