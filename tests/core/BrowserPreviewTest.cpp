// The browser preview page, the status strip script and the files written for them.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <regex>

#include "TestSupport.h"
#include "model/FileError.h"
#include "preview/SequenceTiming.h"
#include "script/BrowserPreview.h"
#include "script/ScriptWriter.h"

namespace glintwick {
namespace {

size_t Count(const std::string& s, const std::string& what) {
    size_t n = 0;
    for (size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + 1)) ++n;
    return n;
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

CTallowmereDoc& Project(CTallowmereDoc& doc) {
    doc.InitNewProject();
    doc.SetRepeat(2);
    // A text an HTML page must not take for markup, with a code page letter (e-acute).
    test::Fill(doc, {{"<b>Caf\xE9 & \"bar\" 'n' </script>", 0, 20, 1}, {"Have fun", 10, 20, 1}});
    return doc;
}

TEST(PreviewPage, FillsEveryPlaceFromTheProject) {
    CTallowmereDoc doc;
    const std::string page = PreviewPageHtml(Project(doc), "promo.js");
    EXPECT_FALSE(std::regex_search(page, std::regex("@[A-Z_]+@"))) << "a place left unfilled";
    EXPECT_NE(page.find("<meta charset=\"windows-1252\">"), std::string::npos);
    EXPECT_EQ(Count(page, "<script src=\"promo.js\"></script>"), 1u);
    EXPECT_NE(page.find("var name = \"promo\";"), std::string::npos);
    EXPECT_NE(page.find("var count = 2;"), std::string::npos);
    EXPECT_NE(page.find("max=\"2\""), std::string::npos);
    EXPECT_EQ(Count(page, "<tr><td class=\"num\">"), 2u);
    // The text keeps its code page byte and cannot close an element or the strip's script.
    EXPECT_NE(page.find("&lt;b&gt;Caf\xE9 &amp; &quot;bar&quot; &#39;n&#39; &lt;/script&gt;"),
              std::string::npos);
    EXPECT_EQ(Count(Lower(page), "</script>"), 3u) << "the script tag, the strip and the controls";
    EXPECT_NE(page.find("<td>Shooting Words</td><td class=\"num\">20</td><td class=\"num\">1</td>"),
              std::string::npos);
    // The script is plain ASCII: even with the e-acute its tag names no character set.
    EXPECT_NE(page.find("&lt;SCRIPT SRC=&#39;promo.js&#39;&gt;&lt;/SCRIPT&gt;\n"
                        "&lt;SCRIPT SRC=&#39;glintwick-strip.js&#39;&gt;&lt;/SCRIPT&gt;"),
              std::string::npos);
    EXPECT_EQ(page.find("CHARSET"), std::string::npos);
    EXPECT_NE(page.find(DescribeTiming(MeasureTiming(doc), doc.GetRepeat())), std::string::npos);
    EXPECT_NE(page.find("starts by itself"), std::string::npos);
    doc.SetOptions(doc.GetFinalText(), 0);
    doc.UpdateEffect(doc.GetAt(0), "plain", doc.GetAt(0)->GetEffect(), doc.GetAt(0)->GetSpeed(),
                     doc.GetAt(0)->GetLoops());
    const std::string plain = PreviewPageHtml(doc, "promo.js");
    EXPECT_NE(plain.find("automatic start is off"), std::string::npos);
    EXPECT_NE(plain.find("&lt;SCRIPT SRC=&#39;promo.js&#39;&gt;&lt;/SCRIPT&gt;\n"),
              std::string::npos);
    EXPECT_EQ(plain.find("CHARSET"), std::string::npos);
    // The strip inside the page mirrors every frame, whatever the visitor's motion setting.
    EXPECT_NE(page.find("<script data-motion=\"full\">\n" + std::string(StatusStripScript())),
              std::string::npos);
}

TEST(PreviewPage, UsesNoNetworkResource) {
    CTallowmereDoc doc;
    const std::string page = Lower(PreviewPageHtml(Project(doc), "promo.js"));
    for (const char* remote :
         {"http:", "https:", "//cdn", "url(", "@import", "<link", "<img", "<iframe"})
        EXPECT_EQ(page.find(remote), std::string::npos) << remote;
    EXPECT_EQ(Count(page, "src=\""), 1u) << "only the generated script is loaded";
}

TEST(PreviewPage, RefusesANameThePageCannotCall) {
    CTallowmereDoc doc;
    Project(doc);
    for (const char* title : {"my page.js", "status.js", "promo.htm", "x"})
        EXPECT_THROW(PreviewPageHtml(doc, title), std::invalid_argument) << title;
}

TEST(PreviewPage, ScriptNameFollowsTheFileWhenItCan) {
    const std::pair<const char*, const char*> cases[] = {
        {"demo.gwk", "demo"},
        {"/home/ann/site/news.html", "news"},
        {"Untitled.gwk", "Untitled"},
        {"caf\xE9.gwk", "caf\xE9"},
        {"noextension", "noextension"},
        {"/dir.v2/news", "news"},
        // Names a page cannot call are mended, so that different pages keep different scripts.
        {"my page.gwk", "my_page"},
        {"a-b.html", "a_b"},
        {"2024.gwk", "_2024"},
        {"status.html", "status_preview"},
        {"stEffect3.html", "preview"},
        {"", "preview"},
    };
    for (const auto& [file, name] : cases) EXPECT_EQ(PreviewScriptName(file), name) << file;
}

TEST(StatusStrip, IsPlainAsciiThatAPageCanInline) {
    const std::string strip(StatusStripScript());
    ASSERT_GT(strip.size(), 1000u);
    for (unsigned char c : strip) ASSERT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F)) << int(c);
    EXPECT_EQ(Lower(strip).find("</script"), std::string::npos);
    EXPECT_EQ(strip.find("http"), std::string::npos);
    EXPECT_NE(strip.find("requestAnimationFrame"), std::string::npos);
    EXPECT_NE(strip.find("prefers-reduced-motion: reduce"), std::string::npos);
}

TEST(PreviewFiles, WriteTheGeneratedScriptUnchangedBesideThePage) {
    test::TempFolder folder;
    CTallowmereDoc doc;
    Project(doc);
    const std::string scriptPath = WritePreviewFiles(doc, folder.File("page.html"), "caf\xE9.js");
    // The file system spells the name in UTF-8, as the page's link resolves it.
    EXPECT_EQ(scriptPath, folder.File("caf\xC3\xA9.js"));
    EXPECT_EQ(test::ReadFile(scriptPath), WriteScript(doc, "caf\xE9.js"));
    EXPECT_EQ(test::ReadFile(folder.File("page.html")), PreviewPageHtml(doc, "caf\xE9.js"));
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"caf\xC3\xA9.js", "page.html"}));

    WriteStatusStripFile(folder.File("strip.js"));
    EXPECT_EQ(test::ReadFile(folder.File("strip.js")), StatusStripScript());
}

TEST(PreviewFiles, FailuresNameThePageAndLeaveNothing) {
    test::TempFolder folder;
    CTallowmereDoc doc;
    Project(doc);
    try {
        WritePreviewFiles(doc, folder.File("gone/page.html"), "promo.js");
        FAIL() << "no failure";
    } catch (const CFileFailure& failure) {
        EXPECT_EQ(failure.Cause(), FailureCause::BadPath);
        EXPECT_EQ(failure.Path(), folder.File("gone/page.html"));
    }
    EXPECT_THROW(WriteStatusStripFile(folder.File("gone/strip.js")), CFileFailure);
    // A page that would replace its own script is refused before anything is written.
    EXPECT_THROW(WritePreviewFiles(doc, folder.File("promo.js"), "promo.js"),
                 std::invalid_argument);
    EXPECT_TRUE(folder.Entries().empty());
}

TEST(StatusStrip, TagOfAnyFileNameKeepsItsAddressWhole) {
    EXPECT_EQ(AddressSafeLinkTag("glintwick-strip.js"),
              "<SCRIPT SRC='glintwick-strip.js'></SCRIPT>");
    EXPECT_EQ(AddressSafeLinkTag("it's #1?.js"), "<SCRIPT SRC='it%27s %231%3F.js'></SCRIPT>");
    EXPECT_EQ(AddressSafeLinkTag("100%&<b>\".js"),
              "<SCRIPT SRC='100%25%26%3Cb%3E%22.js'></SCRIPT>");
    EXPECT_EQ(AddressSafeLinkTag("caf\xC3\xA9\n.js"), "<SCRIPT SRC='caf\xC3\xA9%0A.js'></SCRIPT>");
}

}  // namespace
}  // namespace glintwick
