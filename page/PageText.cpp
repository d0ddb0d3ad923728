#include "PageText.h"

#include <windows.h>

#include <algorithm>

#include "LocaleText.h"

namespace {

bool IsAscii(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// One ASCII character as page text, HTML-escaped: a browser reads "&amp;", "&copy" or "&not" in a
// name as a character reference, and no real file name holds '"', '<' or '>'; should one arrive
// all the same, it cannot end the attribute or the tag it stands in.
void AppendPageChar(std::string& out, char c) {
    switch (c) {
        case '&': out += "&amp;"; break;
        case '"': out += "&quot;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += c;
    }
}

void AppendAddressChar(std::string& out, char c) {
    if (c == '%')
        out += "%25";
    else if (c == '#')
        out += "%23";
    else
        AppendPageChar(out, c);
}

}  // namespace

void AppendPageText(std::string& out, const std::string& name) {
    bool afterBlank = false;
    const auto appendAscii = [&](char c) {
        if (c == ' ' && afterBlank)
            out += "&nbsp;";
        else
            AppendPageChar(out, c);
        afterBlank = c == ' ';
    };
    if (IsAscii(name)) {
        for (char c : name) appendAscii(c);
        return;
    }
    const std::wstring wide = AnsiToWide(name);
    for (size_t i = 0; i < wide.size(); ++i) {
        unsigned int c = wide[i];
        if (c < 0x80) {
            appendAscii(static_cast<char>(c));
            continue;
        }
        if (IS_HIGH_SURROGATE(wide[i]) && i + 1 < wide.size() && IS_LOW_SURROGATE(wide[i + 1]))
            c = 0x10000 + ((c - 0xD800) << 10) + (wide[++i] - 0xDC00u);
        out.append("&#").append(std::to_string(c)).append(";");
        afterBlank = false;
    }
}

void AppendPageAddress(std::string& out, const std::string& name) {
    std::string converted;
    const std::string& bytes = IsAscii(name) ? name : (converted = WideToUtf8(AnsiToWide(name)));
    const bool leadingBlank = !bytes.empty() && bytes[0] == ' ';
    if (leadingBlank) out += "%20";
    static const char kHex[] = "0123456789ABCDEF";
    for (size_t i = leadingBlank ? 1 : 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x80) {
            AppendAddressChar(out, bytes[i]);
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        }
    }
}
