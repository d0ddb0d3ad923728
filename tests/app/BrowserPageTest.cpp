// A page saved by the real program, opened in a real browser (headless Chromium, started outside
// Wine): every image of the directory is shown, whatever characters its name holds.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "AppDriver.h"
#include "Handles.h"
#include "TestFiles.h"
#include "UnixShell.h"

namespace {

// A 1 x 1 GIF and a 1 x 1 baseline JPEG (greyscale), the smallest a browser decodes.
const unsigned char kGif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80, 0x00, 0x00, 0xFF,
                              0x00, 0x00, 0x00, 0x00, 0x00, 0x21, 0xF9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2C,
                              0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00,
                              0x3B};
const unsigned char kJpeg[] = {
    0xFF, 0xD8, 0xFF, 0xDB, 0x00, 0x43, 0x00, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01,
    0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01,
    0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01,
    0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01,
    0x01, 0x01, 0x01, 0xFF, 0xC0, 0x00, 0x0B, 0x08, 0x00, 0x01, 0x00, 0x01, 0x01, 0x01, 0x11, 0x00, 0xFF,
    0xC4, 0x00, 0x14, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0xFF, 0xC4, 0x00, 0x14, 0x10, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xDA, 0x00, 0x08, 0x01, 0x01, 0x00, 0x00,
    0x3F, 0x00, 0x3F, 0xFF, 0xD9};

std::string Bytes(const unsigned char* data, size_t size) { return std::string(reinterpret_cast<const char*>(data), size); }

// The check, run on the gallery once it and its pictures have loaded, gives one line per picture:
// "shown" or "missing", then the name of the file its address points at; a "mismatch" line for
// every link whose address or visible text (as a reader sees it: a no-break space looks like a
// blank) is not that name; and whether the page's background loads.
const char* const kCheckScript = R"(
function fileName(url) { return decodeURIComponent(url.substring(url.lastIndexOf("/") + 1)); }
function seen(text) { return text.replace(/\u00a0/g, " "); }
function check(doc, done) {
  var lines = [];
  var images = doc.images;
  for (var i = 0; i < images.length; i++) {
    var img = images[i];
    var file = fileName(img.src);
    var text = img.parentNode.innerText;
    lines.push((img.complete && img.naturalWidth > 0 ? "shown " : "missing ") + file);
    if (file !== fileName(img.parentNode.href) || seen(text) !== seen(file))
      lines.push("mismatch [" + text + "] [" + file + "] [" + fileName(img.parentNode.href) + "]");
  }
  lines.push("images " + images.length);
  var background = new Image();
  background.onload = function () { lines.push("background " + fileName(background.src)); done(lines.join("\n")); };
  background.onerror = function () { lines.push("background failed " + background.src); done(lines.join("\n")); };
  background.src = new URL(doc.body.getAttribute("background"), doc.baseURI).href;
}
function show(text) {
  var result = document.getElementById("result") || document.body.appendChild(document.createElement("pre"));
  result.id = "result";
  result.textContent = text;
}
)";

// The gallery inside a frame of a page of the browser's own.
const char* const kFramePage = R"(<!DOCTYPE html>
<html><body>
<iframe id="gallery" src="tessellortest.html" width="800" height="600"></iframe>
<pre id="result">not loaded</pre>
<script src="check.js"></script>
<script>
document.getElementById("gallery").addEventListener("load", function () { check(this.contentDocument, show); });
</script>
</body></html>
)";

// Added to a copy of the gallery that the browser opens directly: plain ASCII after the page's own
// bytes, which leaves the browser's guess at the page's character set as it was.
const char* const kDirectCheck =
    "<script src=\"check.js\"></script>\r\n"
    "<script>window.addEventListener(\"load\", function () { check(document, show); });</script>\r\n";

// The page as headless Chromium has it once loaded.
std::string DumpDom(const std::string& page, const std::string& profileDir, const std::string& output) {
    // The time budget lets the check page's own load of the background end before the dump.
    const std::string script =
        "export PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME='" + UnixPath(profileDir) +
        "'; timeout 120 chromium --headless --no-sandbox --disable-gpu --no-first-run "
        "--disable-background-networking --disable-component-update --disable-sync "
        "--allow-file-access-from-files --virtual-time-budget=20000 --user-data-dir='" +
        UnixPath(profileDir) + "' --dump-dom 'file://" + UnixPath(page) + "' >'" + UnixPath(output) +
        "' 2>/dev/null";
    const int code = RunOutsideWine(script, 150000);
    EXPECT_EQ(code, 0) << "chromium failed";
    return FileExists(output) ? ReadWholeFile(output) : std::string();
}

std::vector<std::string> ListItems(HWND list) {
    std::vector<std::string> items;
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t wide[512] = {};
        SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide));
        char narrow[1024] = {};
        WideCharToMultiByte(CP_ACP, 0, wide, -1, narrow, sizeof narrow, nullptr, nullptr);
        items.push_back(narrow);
    }
    return items;
}

}  // namespace

// The images of the saved page are named by every name Windows can hold; the names it cannot hold,
// which Wine hands on from a Linux disk, reach neither the list nor the page.
TEST(BrowserPage, EveryImageOfTheSavedPageIsShownInARealBrowserUnderItsOwnName) {
    ASSERT_NE(GetFileAttributesA("Z:\\usr\\bin\\chromium"), INVALID_FILE_ATTRIBUTES) << "chromium is not installed";
    TempDir programDir;
    TempDir images;
    TempDir profile;
    struct RemovedOutside {
        const TempDir& dir;
        ~RemovedOutside() { RemoveOutsideWine(dir.Path()); }
    } removed{images};
    // Among them names whose code-page bytes happen to be valid UTF-8 (caf\xC3\xA9, shown as "cafÃ©").
    const std::string background = "bg#1 \xE9t\xE9.gif";
    std::vector<std::string> names = {"a b.gif",  "tom&jerry.jpg", "hash#1.gif", "pct%41.gif",    "caf\xE9.gif",
                                      "LOUD.JPG", "100%#.Gif",     " lead.gif",  "x&amp;y.jpg",   "a&copy.gif",
                                      "not&notit.gif", background,  "caf\xC3\xA9.gif", "na\xC3\xAFve.gif",
                                      "M\xC3\xBCller.jpg", "\x80.gif", "no\xA0" "break.gif", "two  inner.gif"};
    for (const std::string& name : names) {
        const bool gif = name.back() == 'f' || name.back() == 'F';
        WriteWholeFile(images / name, gif ? Bytes(kGif, sizeof kGif) : Bytes(kJpeg, sizeof kJpeg));
    }
    ASSERT_TRUE(MakeOutsideWine(images.Path(), {"javascript:parent.pwned=1;.5.gif", "a?b.gif", "back\\slash.gif",
                                                "colon:x.gif", "tab\tx.gif", "cr\rx.gif", "lf\nx.gif", "trail.gif.",
                                                "blank.gif ", "quote\"x.gif"}));
    AppDriver app(programDir.Path());
    WriteWholeFile(app.IniPath(), "[Tessellor]\r\nBackgroundImage=" + (images / background) + "\r\n");
    app.Start(images.Path());
    HWND main = app.MainWindow();
    ASSERT_NE(main, nullptr);
    HWND directory = app.ChildAt(main, "Button", 12, 60);
    ASSERT_NE(directory, nullptr);
    HWND fileList = app.ChildAt(directory, "ListBox", 172, 40);
    HWND generate = app.ChildAt(main, "Button", 356, 76);
    ASSERT_NE(fileList, nullptr);
    ASSERT_NE(generate, nullptr);
    ASSERT_TRUE(WaitFor([&] { return ListItems(fileList).size() >= names.size(); }));
    std::vector<std::string> listed = ListItems(fileList);
    std::sort(listed.begin(), listed.end());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(listed, names);

    app.Activate(main);
    app.Click(generate);
    ASSERT_NE(app.WaitForDialog(), nullptr);
    app.Key(VK_RETURN);  // the proposed name, in the directory shown
    ASSERT_TRUE(app.WaitNoDialog());
    const std::string page = images / "tessellortest.html";
    // The page appears whole, once the program has moved it there and let go of it.
    ASSERT_TRUE(WaitFor([&] {
        return static_cast<bool>(TFileHandle(CreateFileA(page.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
    }));
    const std::string bytes = ReadWholeFile(page);
    EXPECT_EQ(bytes.find("javascript"), std::string::npos);
    // Every line ends with CR LF, and no CR or LF stands anywhere else.
    size_t lineEnds = 0;
    for (size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2)) ++lineEnds;
    EXPECT_EQ(lineEnds, static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\r')));
    EXPECT_EQ(lineEnds, static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n')));
    EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        << "the page is not plain ASCII";

    // The dump is UTF-8 and writes '&' and a no-break space as references.
    const auto asDumped = [](const std::string& name) {
        wchar_t wide[MAX_PATH] = {};
        MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, wide, MAX_PATH);
        std::string dumped;
        for (const wchar_t* c = wide; *c; ++c) {
            char utf8[8] = {};
            WideCharToMultiByte(CP_UTF8, 0, c, 1, utf8, sizeof utf8, nullptr, nullptr);
            dumped += *c == L'&' ? "&amp;" : *c == 0xA0 ? "&nbsp;" : utf8;
        }
        return dumped;
    };
    WriteWholeFile(images / "check.js", kCheckScript);
    WriteWholeFile(images / "framed.html", kFramePage);
    WriteWholeFile(images / "direct.html", bytes + kDirectCheck);
    for (const char* opened : {"framed.html", "direct.html"}) {
        SCOPED_TRACE(opened);
        const std::string dom = DumpDom(images / opened, profile.Path(), programDir / "dom.txt");
        const size_t start = dom.find("<pre id=\"result\">");
        ASSERT_NE(start, std::string::npos) << dom;
        const std::string result = dom.substr(start, dom.find("</pre>", start) - start);
        EXPECT_NE(result.find("images " + std::to_string(names.size())), std::string::npos) << result;
        EXPECT_EQ(result.find("missing "), std::string::npos) << result;
        EXPECT_EQ(result.find("mismatch "), std::string::npos) << result;
        EXPECT_NE(result.find("\nbackground " + asDumped(background)), std::string::npos) << result;
        for (const std::string& name : names)
            EXPECT_NE(result.find("shown " + asDumped(name) + "\n"), std::string::npos) << name << "\n" << result;
    }
}
