// The lines of the gallery page, straight from the builder.
#include <gtest/gtest.h>

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

// A browser reads "&amp;", "&copy" or "&not" in a name as a character: every '&' of a name is
// written as "&amp;", in the addresses, the text and the background alike.
TEST(PageBuilder, AmpersandsAreWrittenAsReferencesInEveryPlace) {
    TStringList buffer;
    BuildPage(Names({"x&amp;y.jpg", "a&copy.gif", "not&notit.gif", "tom & jerry.GIF"}), "C:\\site\\r&b&amp;.gif",
              false, true, false, buffer);
    ASSERT_EQ(buffer.Count(), 8);
    EXPECT_EQ(buffer[2], BodyLine("r&amp;b&amp;amp;.gif"));
    EXPECT_EQ(buffer[3], "<A HREF=\"x&amp;amp;y.jpg\"><IMG SRC=\"x&amp;amp;y.jpg\" BORDER=0 ALIGN=MIDDLE>x&amp;amp;y.jpg</A>");
    EXPECT_EQ(buffer[4], "<A HREF=\"a&amp;copy.gif\"><IMG SRC=\"a&amp;copy.gif\" BORDER=0 ALIGN=MIDDLE>a&amp;copy.gif</A>");
    EXPECT_EQ(buffer[5],
              "<A HREF=\"not&amp;notit.gif\"><IMG SRC=\"not&amp;notit.gif\" BORDER=0 ALIGN=MIDDLE>not&amp;notit.gif</A>");
    EXPECT_EQ(buffer[6], "<A HREF=\"tom &amp; jerry.GIF\"><IMG SRC=\"tom &amp; jerry.GIF\" BORDER=0 "
                         "ALIGN=MIDDLE>tom &amp; jerry.GIF</A>");
    BuildPage(Names({"a&b.gif"}), "", false, false, false, buffer);
    EXPECT_EQ(buffer[2], "<IMG SRC=\"a&amp;b.gif\">");
}

// A browser drops blanks before an address: a name's first blank is written "%20" there, and only
// there; later blanks stay as they are.
TEST(PageBuilder, ALeadingBlankIsEscapedInTheAddressesOnly) {
    TStringList buffer;
    BuildPage(Names({" lead.gif", "  two.jpg", "in side.gif"}), "", false, true, true, buffer);
    ASSERT_EQ(buffer.Count(), 6);
    EXPECT_EQ(buffer[2], "<A HREF=\"%20lead.gif\"><IMG SRC=\"%20lead.gif\" BORDER=1 ALIGN=MIDDLE> lead.gif</A>");
    EXPECT_EQ(buffer[3], "<A HREF=\"%20 two.jpg\"><IMG SRC=\"%20 two.jpg\" BORDER=1 ALIGN=MIDDLE>  two.jpg</A>");
    EXPECT_EQ(buffer[4], "<A HREF=\"in side.gif\"><IMG SRC=\"in side.gif\" BORDER=1 ALIGN=MIDDLE>in side.gif</A>");
    BuildPage(Names({" lead.gif"}), "", true, false, false, buffer);
    EXPECT_EQ(buffer[2], "<IMG SRC=\"%20lead.gif\"><BR>");
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

TEST(PageBuilder, PercentAndHashAreEscapedInTheAddressesOnly) {
    TStringList buffer;
    BuildPage(Names({"hash#1.gif", "pct%41.JPG", "100%#.gif"}), "", true, true, false, buffer);
    ASSERT_EQ(buffer.Count(), 6);
    EXPECT_EQ(buffer[2], "<A HREF=\"hash%231.gif\"><IMG SRC=\"hash%231.gif\" BORDER=0 ALIGN=MIDDLE>hash#1.gif</A><BR>");
    EXPECT_EQ(buffer[3], "<A HREF=\"pct%2541.JPG\"><IMG SRC=\"pct%2541.JPG\" BORDER=0 ALIGN=MIDDLE>pct%41.JPG</A><BR>");
    EXPECT_EQ(buffer[4], "<A HREF=\"100%25%23.gif\"><IMG SRC=\"100%25%23.gif\" BORDER=0 ALIGN=MIDDLE>100%#.gif</A><BR>");
    BuildPage(Names({"a#b%c.gif"}), "", false, false, false, buffer);
    EXPECT_EQ(buffer[2], "<IMG SRC=\"a%23b%25c.gif\">");
}

// No file name on the platform holds these characters; a name that does all the same (a list
// filled by other means) cannot close the attribute or the tag, or open one.
TEST(PageBuilder, QuotesAndAngleBracketsNeverReachThePageRaw) {
    const std::string hostile = "q\" onerror=\"alert(1)\" x=\"<b>.jpg";
    const std::string asText = "q&quot; onerror=&quot;alert(1)&quot; x=&quot;&lt;b&gt;.jpg";
    TStringList buffer;
    BuildPage(Names({hostile}), "C:\\x\\\"><script>.gif", false, true, true, buffer);
    ASSERT_EQ(buffer.Count(), 5);
    EXPECT_EQ(buffer[2], BodyLine("&quot;&gt;&lt;script&gt;.gif"));
    EXPECT_EQ(buffer[3], "<A HREF=\"" + asText + "\"><IMG SRC=\"" + asText + "\" BORDER=1 ALIGN=MIDDLE>" + asText + "</A>");
    BuildPage(Names({hostile, "#<%>.gif"}), "", true, false, false, buffer);
    EXPECT_EQ(buffer[2], "<IMG SRC=\"" + asText + "\"><BR>");
    EXPECT_EQ(buffer[3], "<IMG SRC=\"%23&lt;%25&gt;.gif\"><BR>");
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
