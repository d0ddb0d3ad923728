#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "Application.h"
#include "DialogDriver.h"
#include "Exceptions.h"
#include "Handles.h"
#include "IniFile.h"
#include "ScopeGuards.h"
#include "SettingsTestSupport.h"
#include "TestFiles.h"

TEST(IniFile, ReadsIntegersInEveryStoredForm) {
    TempDir dir;
    const std::string path = dir / "forms.ini";
    WriteWholeFile(path,
                   "[S]\r\nlower=0x1F\r\nupper=0X1f\r\ndollar=$1F\r\nplus=+7\r\nmin=-2147483648\r\nall=$FFFFFFFF\r\n"
                   "zeros=$000000000FF\r\nempty=\r\nbare=0x\r\nnegx=-0x10\r\nxneg=0x-1\r\nletters=12a\r\n"
                   "big=2147483648\r\nhuge=$100000000\r\nquoted=\"  42\"\r\ntrail=\"42 \"\r\n");
    TIniFile ini(path);
    const std::pair<const char*, int32_t> expected[] = {
        {"lower", 31}, {"upper", 31},  {"dollar", 31},    {"plus", 7},  {"min", INT32_MIN}, {"all", -1},
        {"zeros", 255}, {"empty", -3}, {"bare", -3},      {"negx", -3}, {"xneg", -3},       {"letters", -3},
        {"big", -3},   {"huge", -3},   {"absent", -3},    {"quoted", 42}, {"trail", -3},
    };
    for (const auto& [key, value] : expected) EXPECT_EQ(ini.ReadInteger("S", key, -3), value) << key;
    EXPECT_EQ(ini.ReadInteger("Nowhere", "lower", -3), -3);
    EXPECT_EQ(TIniFile(dir / "missing.ini").ReadInteger("S", "lower", -3), -3);
}

TEST(IniFile, ReadsTextsWithDefaultsAndTheLengthLimit) {
    TempDir dir;
    const std::string path = dir / "texts.ini";
    const std::string longValue(5000, 'v');
    WriteWholeFile(path, "[S]\r\nempty=\r\nspaced=C:\\My Pictures\r\nlong=" + longValue + "\r\n");
    TIniFile ini(path);
    EXPECT_EQ(ini.FileName(), path);
    EXPECT_EQ(ini.ReadString("S", "empty", "fallback"), "");
    EXPECT_EQ(ini.ReadString("S", "spaced", ""), "C:\\My Pictures");
    EXPECT_EQ(ini.ReadString("s", "SPACED", ""), "C:\\My Pictures");  // names match without regard to case
    EXPECT_EQ(ini.ReadString("S", "long", ""), longValue.substr(0, 1023));
    EXPECT_EQ(ini.ReadString("S", "absent", "fallback"), "fallback");
    EXPECT_EQ(ini.ReadString("S", "absent", ""), "");
    EXPECT_EQ(ini.ReadString("Other", "empty", "fallback"), "fallback");
    EXPECT_EQ(TIniFile(dir / "missing.ini").ReadString("S", "empty", "fallback"), "fallback");
    EXPECT_FALSE(FileExists(dir / "missing.ini"));  // reading makes no file
}

TEST(IniFile, WritesIntegersAsDecimalAndEmptyValuesAsKeys) {
    TempDir dir;
    const std::string path = dir / "new.ini";
    TIniFile ini(path);
    ini.WriteInteger("S", "neg", -5);
    ini.WriteInteger("S", "byte", 255);
    ini.WriteString("S", "empty", "");
    ini.WriteString("S", "text", "a = b");
    EXPECT_EQ(StoredValue(path, "S", "neg"), "-5");
    EXPECT_EQ(StoredValue(path, "S", "byte"), "255");
    EXPECT_EQ(StoredValue(path, "S", "empty"), "");
    EXPECT_EQ(ini.ReadString("S", "empty", "fallback"), "");
    EXPECT_EQ(ini.ReadString("S", "text", ""), "a = b");
    const std::string bytes = ReadWholeFile(path);
    EXPECT_NE(bytes.find("empty="), std::string::npos) << bytes;
    EXPECT_EQ(bytes.find("0x"), std::string::npos) << bytes;
}

TEST(IniFile, AFileThatCannotBeWrittenRaisesAndReadsGiveDefaults) {
    TempDir dir;
    // Three files the system will not write: one in a directory that does not exist, one whose name
    // is taken by a directory, and one that another program holds open without sharing.
    const std::string noDirectory = dir / "no such dir\\app.ini";
    const std::string isDirectory = dir / "taken.ini";
    MakeDirectory(isDirectory);
    const std::string locked = dir / "locked.ini";
    WriteWholeFile(locked, "[S]\r\nk=1\r\n");
    TFileHandle holder(CreateFileA(locked.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(holder);
    for (const std::string& path : {noDirectory, isDirectory, locked}) {
        TIniFile ini(path);
        try {
            ini.WriteInteger("S", "k", 2);
            ADD_FAILURE() << "no exception for " << path;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "Unable to write to " + path);
        }
        EXPECT_THROW(ini.WriteString("S", "other", "x"), Exception) << path;
        EXPECT_EQ(ini.ReadString("S", "other", "d"), "d") << path;
        EXPECT_EQ(ini.ReadInteger("S", "k", 8), 8) << path;
    }
    holder.Reset();
    EXPECT_EQ(StoredValue(locked, "S", "k"), "1");
}

// A write failure raised while a bound control saves reaches the user in the error box, and Save
// goes on with the next control.
TEST(IniFile, AWriteFailureDuringSaveShowsTheErrorBox) {
    TempDir dir;
    const std::string path = dir / "absent dir\\settings.ini";
    TBoundForm form(Application);
    auto* first = form.Add<TIniEdit>("FirstEdit");
    auto* second = form.Add<TIniEdit>("SecondEdit");
    auto* source = new TIniSource(&form);
    source->Name = "IniSource1";
    source->SetIniFileName(path);
    for (TIniEdit* edit : {first, second}) {
        edit->SetSectionName("S");
        edit->SetKeyword(edit->Name);
        edit->SetDataSource(source);
    }
    HandlePosted();
    DialogSeen one, two;
    DialogDriver driver;
    driver.Record(one, "OK").Record(two, "OK");
    source->Save();
    EXPECT_EQ(driver.Answered(), 2);
    EXPECT_EQ(one.Caption, "Tessellor");
    EXPECT_EQ(one.Text, "Unable to write to " + path + ".");
    EXPECT_EQ(one.Icon, "stop");
    EXPECT_EQ(one.Buttons, std::vector<std::string>{"OK"});
    EXPECT_EQ(two.Text, one.Text);
}

// A value set from code (a grid cell, say) may hold line breaks; written as they are, they would add
// sections and keys to the file.
TEST(IniFile, ALineBreakNeverAddsLinesToTheFile) {
    TempDir dir;
    const std::string path = dir / "s.ini";
    TIniFile ini(path);
    ini.WriteString("S", "first", "1");
    ini.WriteString("S", "crlf", "a\r\n[Evil]\r\nInjected=1");
    ini.WriteString("S", "lf", "b\nc=d");
    ini.WriteString("S", "cr", "e\rf=g");
    ini.WriteString("S", "leading", "\r\nh=i");
    // A value is kept up to its first line break, which is all that reading it back would give.
    EXPECT_EQ(ini.ReadString("S", "crlf", "?"), "a");
    EXPECT_EQ(ini.ReadString("S", "lf", "?"), "b");
    EXPECT_EQ(ini.ReadString("S", "cr", "?"), "e");
    EXPECT_EQ(ini.ReadString("S", "leading", "?"), "");
    EXPECT_EQ(StoredValue(path, "Evil", "Injected"), "<absent>");
    for (const char* key : {"c", "f", "h", "Injected"}) EXPECT_EQ(StoredValue(path, "S", key), "<absent>") << key;
    const std::string before = ReadWholeFile(path);
    EXPECT_EQ(std::count(before.begin(), before.end(), '\n'), 6) << before;  // [S] and five keys
    // A section or key name cannot be cut without naming another: nothing is written.
    const std::pair<std::string, std::string> names[] = {{"S]\r\n[Evil", "k"}, {"S", "k\n[Evil]\nx"}, {"S\r", "k"}};
    for (const auto& [section, key] : names) {
        try {
            ini.WriteString(section, key, "v");
            ADD_FAILURE() << "no exception for " << key;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "Unable to write to " + path);
        }
    }
    EXPECT_EQ(ReadWholeFile(path), before);
}

// Runs where a read-only file refuses writes (see the tests' build file); skipped where it does not.
TEST(IniFile, AReadOnlySettingsFileIsLeftAsItWas) {
    TempDir dir;
    const std::string path = dir / "locked.ini";
    WriteWholeFile(path, "[S]\r\nk=1\r\n");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    const TAtScopeExit unlock([&] { SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL); });
    if (TFileHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))) {
        GTEST_SKIP() << "this platform lets a read-only file be written";
    }
    TIniFile ini(path);
    try {
        ini.WriteInteger("S", "k", 2);
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Unable to write to " + path);
    }
    EXPECT_THROW(ini.WriteString("T", "new", "x"), Exception);
    EXPECT_EQ(ini.ReadInteger("S", "k", 8), 1);
    EXPECT_EQ(ReadWholeFile(path), "[S]\r\nk=1\r\n");

    // A bound control's save reports it in the error box and the file keeps its value.
    TBoundForm form(Application);
    auto* edit = form.Add<TIniEdit>("NameEdit");
    auto* source = new TIniSource(&form);
    source->Name = "IniSource1";
    source->SetIniFileName(path);
    edit->SetSectionName("S");
    edit->SetKeyword("k");
    edit->SetDataSource(source);
    HandlePosted();
    EXPECT_EQ(edit->Text(), "1");
    edit->SetText("2");
    DialogSeen error;
    {
        DialogDriver driver;
        driver.Record(error, "OK");
        source->Save();
    }
    EXPECT_EQ(error.Text, "Unable to write to " + path + ".");
    EXPECT_EQ(ReadWholeFile(path), "[S]\r\nk=1\r\n");
}
