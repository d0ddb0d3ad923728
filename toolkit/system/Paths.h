#pragma once
// Path helpers. Only '\' and ':' separate the parts of a path; '/' is an ordinary character.
#include <string>

// Everything up to and including the last '\' or ':'.
std::string ExtractFilePath(const std::string& path);
// Everything after the last '\' or ':', at most 255 characters.
std::string ExtractFileName(const std::string& path);
// From the last '.' after the last separator to the end, dot included; empty when there is none.
std::string ExtractFileExt(const std::string& path);
// Whether Windows takes the file name `name` for a device rather than a file: con, prn, aux, nul,
// com1 to com9, lpt1 to lpt9, conin$ and conout$, in any letter case, with any extension and with
// blanks before it ("nul .txt"). Such a name opens the device in every folder.
bool IsDeviceName(const std::string& name);
// Converts the letters a to z, and nothing else, to upper case.
std::string UpperCaseAZ(const std::string& text);
// The directory, one backslash and the name; no backslash is added after one that is there.
std::string JoinPath(const std::string& directory, const std::string& name);
// The process's current directory as the platform reports it.
std::string GetCurrentDir();
// The directory of the running program, ending with '\', where it keeps its settings file.
std::string ProgramDirectory();
// Makes `path` the process's current directory; raises EInOutError with the platform's reason.
// A directory that the platform enters but cannot report back is refused (error 206, a path too
// long), and the process stays where it was.
void ChangeDir(const std::string& path);
// The message of EInOutError for a platform error code.
std::string InOutErrorMessage(int errorCode);
