#include "GalleryPage.h"

#include <windows.h>

#include "Handles.h"
#include "MakerAddress.h"
#include "MessageDlg.h"
#include "PageText.h"
#include "Paths.h"
#include "ScopeGuards.h"

namespace {

std::string AsPageAddress(const std::string& name) {
    std::string address;
    AppendPageAddress(address, name);
    return address;
}

}  // namespace

void BuildPage(const TStrings& names, const std::string& background, bool carriageReturn, bool includeNames,
               bool imageBorder, TStrings& buffer) {
    const TUpdateScope update(buffer);
    buffer.Clear();
    buffer.Add("<HTML>");
    buffer.Add(std::string("<HEAD><TITLE> Tessellor 1.01 -  ") + kMakerWebAddress + " </TITLE></HEAD>");
    if (!background.empty())
        buffer.Add("<BODY BACKGROUND=\"" + AsPageAddress(ExtractFileName(background)) +
                   "\" BGCOLOR=#FFFFFF TEXT=#000000 LINK=#00007B ALINK=#FF0000>");
    const int count = names.Count();
    std::string line;
    for (int i = 0; i < count; ++i) {
        const std::string name = names.Get(i);
        const std::string extension = UpperCaseAZ(ExtractFileExt(name));
        if (extension != ".JPG" && extension != ".GIF") continue;
        // Appended piece by piece into one reused line: a page may have a hundred thousand of them.
        line.clear();
        if (!includeNames) {
            line.append("<IMG SRC=\"");
            AppendPageAddress(line, name);
            line.append("\">");
        } else {
            line.append("<A HREF=\"");
            AppendPageAddress(line, name);
            line.append("\"><IMG SRC=\"");
            AppendPageAddress(line, name);
            line.append("\" BORDER=").append(imageBorder ? "1" : "0").append(" ALIGN=MIDDLE>");
            AppendPageText(line, name);
            line.append("</A>");
        }
        if (carriageReturn) line += "<BR>";
        buffer.Add(line);
    }
    buffer.Add("</BODY></HTML>");
}

void ConfigurePageSaveDialog(TSaveDialog& dialog) {
    dialog.FileName = "tessellortest.html";
    dialog.Filter = "html|*.html|htm|*.htm|All Files|*.*";
    dialog.FilterIndex = 1;
    dialog.DefaultExt.clear();
    dialog.Options = 0;
}

namespace {

// Whether the first entry that `path` names, read as a pattern (wildcards match), is a file.
bool FirstMatchIsFile(const std::string& path) {
    WIN32_FIND_DATAA data;
    if (!TFindHandle(FindFirstFileA(path.c_str(), &data))) return false;
    return !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

void SavePage(TSaveDialog& dialog, const TStrings& buffer, const std::string& startDir) {
    dialog.Title = "Select HTML file to:";
    dialog.SetInitialDir(startDir);
    if (!dialog.Execute()) return;
    const std::string path = dialog.FileName;
    // A device (con.html) is no file to replace: the write refuses it without asking.
    if (!IsDeviceName(ExtractFileName(path)) && FirstMatchIsFile(path) &&
        MessageDlg("Overwrite Existing File?", TMsgDlgType::mtConfirmation, mbYes | mbNo, 0) != mrYes)
        return;
    WritePage(path, buffer);
}
