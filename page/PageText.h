#pragma once
// A name as it stands in a page line: as visible text, or as the address of a picture, a link or
// the background. Every line the page builder writes is plain ASCII, so no browser's guess at the
// page's character set can change a name: a character outside ASCII, read in the program's code
// page, is written as a numeric character reference in the text and as percent-encoded UTF-8 in
// an address. Names of ASCII characters come out as they always have.
#include <string>

// Appends `name` as visible text: HTML-escaped, and with every blank after the first of a run
// written as a no-break space, since a browser shows a run of blanks as one.
void AppendPageText(std::string& out, const std::string& name);

// Appends `name` as an address: escaped as text, and with '%', '#' and a leading blank escaped
// as a browser would otherwise read them (the start of an escape or a fragment; dropped).
void AppendPageAddress(std::string& out, const std::string& name);
