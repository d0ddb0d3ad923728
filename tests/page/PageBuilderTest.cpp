// The lines of the gallery page, straight from the builder.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "GalleryPage.h"

namespace {

const std::string kTitleLine = "<HEAD><TITLE> Tessellor 1.01 -  tessellor.test </TITLE></HEAD>";

TStringList Names(const std::vector<std::string>& names) {
    TStringList list;
    for (const std::string& n : names) list.Add(n);
    return list;
}

std::vector<std::string> Lines(const TStrings& buffer) {
    std::vector<std::string> lines;
    for (int i = 0; i < buffer.Count(); ++i) lines.push_back(buffer[i]);
    return lines;
}

std::string BodyLine(const std::string& picture) {
    return "<BODY BACKGROUND=\"" + picture + "\" BGCOLOR=#FFFFFF TEXT=#000000 LINK=#00007B ALINK=#FF0000>";
}

}  // namespace

TEST(PageBuilder, OnlyGifAndJpgNamesInAnyLetterCaseAreTaken) {
    const TStringList names = Names({"a.JPG", "b.jpg", "c.Gif", "d.jpeg", "e.jpe", "f.png", "jpg", "g.gif.bak",
                                     "h.tar.gif", "noext", ".gif", "dir.gif\\x", "img/i.gif"});
    TStringList buffer;
    BuildPage(names, "", false, false, false, buffer);
    EXPECT_EQ(Lines(buffer), (std::vector<std::string>{"<HTML>", kTitleLine, "<IMG SRC=\"a.JPG\">",
                                                        "<IMG SRC=\"b.jpg\">", "<IMG SRC=\"c.Gif\">",
                                                        "<IMG SRC=\"h.tar.gif\">", "<IMG SRC=\".gif\">",
                                                        "<IMG SRC=\"img/i.gif\">", "</BODY></HTML>"}));
}

TEST(PageBuilder, BackgroundGivesOnlyItsNamePart) {
    TStringList buffer;
    const struct {
        std::string Text;
        std::string Picture;
    } cases[] = {{"C:\\site\\paper.gif", "paper.gif"}, {"paper.gif", "paper.gif"},
                 {"img/paper.gif", "img/paper.gif"}, {"D:\\", ""},
                 {"C:", ""},                           {"C:paper.gif", "paper.gif"},
                 {"\\\\server\\share\\a b.jpg", "a b.jpg"}};
    for (const auto& c : cases) {
        BuildPage(TStringList(), c.Text, true, true, true, buffer);
        EXPECT_EQ(Lines(buffer), (std::vector<std::string>{"<HTML>", kTitleLine, BodyLine(c.Picture), "</BODY></HTML>"}))
            << "background " << c.Text;
    }
    BuildPage(TStringList(), "", true, true, true, buffer);
    EXPECT_EQ(Lines(buffer), (std::vector<std::string>{"<HTML>", kTitleLine, "</BODY></HTML>"}));
}

TEST(PageBuilder, NamesAreWrittenUnchangedInEveryPlace) {
    const std::string odd = "my best - worst (1) +=;,'.gif";
    const std::string longName = std::string(251, 'n') + ".Jpg";  // 255 characters
    TStringList buffer;
    BuildPage(Names({odd, longName}), "", false, true, true, buffer);
    ASSERT_EQ(buffer.Count(), 5);
    EXPECT_EQ(buffer[2], "<A HREF=\"" + odd + "\"><IMG SRC=\"" + odd + "\" BORDER=1 ALIGN=MIDDLE>" + odd + "</A>");
    EXPECT_EQ(buffer[3], "<A HREF=\"" + longName + "\"><IMG SRC=\"" + longName + "\" BORDER=1 ALIGN=MIDDLE>" +
                             longName + "</A>");
    BuildPage(Names({odd}), "", true, false, true, buffer);
    EXPECT_EQ(buffer[2], "<IMG SRC=\"" + odd + "\"><BR>");
}

// Each name as the page writes it in the addresses (SRC, HREF, BACKGROUND) and as the visible text.
TEST(PageBuilder, NamesAreEscapedAsAddressesAndAsText) {
    ASSERT_EQ(GetACP(), 1252u) << "the names below are written in the Western code page";
    const std::string hostile = "q\" onerror=\"alert(1)\" x=\"<b>.jpg";
    const std::string hostileEscaped = "q&quot; onerror=&quot;alert(1)&quot; x=&quot;&lt;b&gt;.jpg";
    const struct {
        std::string Name, Address, Text;
    } cases[] = {
        // A browser reads "&amp;", "&copy" or "&not" in a name as a character.
        {"x&amp;y.jpg", "x&amp;amp;y.jpg", "x&amp;amp;y.jpg"},
        {"a&copy.gif", "a&amp;copy.gif", "a&amp;copy.gif"},
        {"not&notit.gif", "not&amp;notit.gif", "not&amp;notit.gif"},
        {"tom & jerry.GIF", "tom &amp; jerry.GIF", "tom &amp; jerry.GIF"},
        // In an address '%' and '#' would start an escape or a fragment, and a leading blank is dropped.
        {"hash#1.gif", "hash%231.gif", "hash#1.gif"},
        {"pct%41.JPG", "pct%2541.JPG", "pct%41.JPG"},
        {"100%#.gif", "100%25%23.gif", "100%#.gif"},
        {" lead.gif", "%20lead.gif", " lead.gif"},
        {"in side.gif", "in side.gif", "in side.gif"},
        // A run of blanks shows as one: in the text each blank after the first is a no-break space.
        {"  two.jpg", "%20 two.jpg", " &nbsp;two.jpg"},
        {"two  inner.gif", "two  inner.gif", "two &nbsp;inner.gif"},
        {"a   b.gif", "a   b.gif", "a &nbsp;&nbsp;b.gif"},
        // No file name holds these; one that does cannot end the attribute or the tag, or open one.
        {hostile, hostileEscaped, hostileEscaped},
        {"#<%>.gif", "%23&lt;%25&gt;.gif", "#&lt;%&gt;.gif"},
        // Outside ASCII the page holds UTF-8 in the addresses and character references in the text,
        // so that no guess at its character set can change a name.
        {"caf\xE9.gif", "caf%C3%A9.gif", "caf&#233;.gif"},
        {"caf\xC3\xA9.gif", "caf%C3%83%C2%A9.gif", "caf&#195;&#169;.gif"},
        {"\x80 \xA0 x.jpg", "%E2%82%AC %C2%A0 x.jpg", "&#8364; &#160; x.jpg"},
        {"\xA0" " \xE9.gif", "%C2%A0 %C3%A9.gif", "&#160; &#233;.gif"},
    };
    TStringList buffer;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        BuildPage(Names({c.Name}), "C:\\site\\" + c.Name, false, true, true, buffer);
        EXPECT_EQ(Lines(buffer), (std::vector<std::string>{"<HTML>", kTitleLine, BodyLine(c.Address),
                                                            "<A HREF=\"" + c.Address + "\"><IMG SRC=\"" + c.Address +
                                                                "\" BORDER=1 ALIGN=MIDDLE>" + c.Text + "</A>",
                                                            "</BODY></HTML>"}));
        BuildPage(Names({c.Name}), "", true, false, false, buffer);
        EXPECT_EQ(buffer[2], "<IMG SRC=\"" + c.Address + "\"><BR>");
    }
}

// The background is an address as well: the same escapes as a picture's.
TEST(PageBuilder, TheBackgroundIsEscapedAsAnAddress) {
    TStringList buffer;
    const struct {
        std::string Text;
        std::string Picture;
    } cases[] = {{"C:\\site\\bg#1.gif", "bg%231.gif"}, {"100%.gif", "100%25.gif"},
                 {"D:\\pics\\ lead.gif", "%20lead.gif"}, {" ", "%20"},
                 {"a b.gif", "a b.gif"}, {"C:\\x\\\"<#%&>.gif", "&quot;&lt;%23%25&amp;&gt;.gif"}};
    for (const auto& c : cases) {
        BuildPage(TStringList(), c.Text, false, true, true, buffer);
        EXPECT_EQ(Lines(buffer), (std::vector<std::string>{"<HTML>", kTitleLine, BodyLine(c.Picture), "</BODY></HTML>"}))
            << "background " << c.Text;
    }
}

TEST(PageBuilder, EachRunReplacesTheWholeBuffer) {
    TStringList buffer;
    buffer.Add("left over from before");
    const TStringList names = Names({"beach.jpg", "logo.gif"});
    BuildPage(names, "paper.gif", true, true, false, buffer);
    const std::vector<std::string> first = Lines(buffer);
    ASSERT_EQ(first.size(), 6u);
    EXPECT_EQ(first[0], "<HTML>");
    BuildPage(names, "paper.gif", true, true, false, buffer);
    EXPECT_EQ(Lines(buffer), first);
    BuildPage(Names({"notes.txt"}), "", false, false, false, buffer);
    EXPECT_EQ(Lines(buffer), (std::vector<std::string>{"<HTML>", kTitleLine, "</BODY></HTML>"}));
}

TEST(PageBuilder, AHundredThousandNamesGiveAPageInListOrder) {
    TStringList names;
    for (int i = 0; i < 100000; ++i) names.Add("img" + std::to_string(i) + (i % 2 ? ".GIF" : ".txt"));
    TStringList buffer;
    BuildPage(names, "", false, false, false, buffer);
    ASSERT_EQ(buffer.Count(), 3 + 50000);
    EXPECT_EQ(buffer[2], "<IMG SRC=\"img1.GIF\">");
    EXPECT_EQ(buffer[50001], "<IMG SRC=\"img99999.GIF\">");
    EXPECT_EQ(buffer[50002], "</BODY></HTML>");
}
