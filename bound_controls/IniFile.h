#pragma once
// TIniFile: reads and writes one settings file by section and key. It keeps no cache and no open
// file: every operation is one call of the system's private-profile functions.
//
// A settings file that exists but cannot be read (another program holds it without sharing, or it
// may not be read) reads as absent, so what was loaded from it is not what it holds: this object
// then never writes to it, and the file is kept as it was. The first write refused says so, once.
#include <cstdint>
#include <string>

#include "Component.h"

class TIniFile : public TObject {
public:
    // Takes the name as it is: no directory is added and no extension forced.
    explicit TIniFile(std::string fileName) : FFileName(std::move(fileName)) {}

    const std::string& FileName() const { return FFileName; }

    // The stored text, at most 1023 characters, or `fallback` when the file, section or key is absent
    // or the file cannot be read.
    std::string ReadString(const std::string& section, const std::string& key, const std::string& fallback) const;
    // Raises Exception "Unable to write to <file>" when the system refuses the write. A value is one
    // line of the file: it is stored up to its first carriage return or line feed, which is all that
    // reading it back would give. A section or key name holding one cannot be stored at all: nothing
    // is written and the same exception is raised. After a read found the file unreadable, nothing is
    // written: the first such write raises "Settings not saved: ...", every later one EAbort.
    void WriteString(const std::string& section, const std::string& key, const std::string& value) const;
    // The stored integer (decimal, "$" hex or "0x" hex), or `fallback` when absent or malformed.
    int32_t ReadInteger(const std::string& section, const std::string& key, int32_t fallback) const;
    // Stores the decimal text of the value.
    void WriteInteger(const std::string& section, const std::string& key, int32_t value) const;

private:
    std::string FFileName;
    mutable bool FReadFailed = false;      // a read found the file there but could not read it
    mutable bool FRefusalReported = false;
};

// The conversion ReadInteger applies to a stored text: a text longer than two characters that starts
// with "0x" or "0X" is read as "$" and the rest; then the program's integer conversion.
bool TryProfileTextToInt(const std::string& text, int32_t& value);
