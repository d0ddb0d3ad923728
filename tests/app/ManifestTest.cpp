// The program's application manifest: what it tells Windows before the first window is made.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

std::string ManifestOf(const char* program) {
    HMODULE module = LoadLibraryExA(program, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return "";
    std::string text;
    if (HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24))) {  // RT_MANIFEST
        if (HGLOBAL loaded = LoadResource(module, found))
            text.assign(static_cast<const char*>(LockResource(loaded)), SizeofResource(module, found));
    }
    FreeLibrary(module);
    return text;
}

}  // namespace

TEST(Manifest, DeclaresDpiAwarenessAsInvokerAndTheSupportedWindowsAndKeepsTheClassicLook) {
    const std::string manifest = ManifestOf(TESSELLOR_EXE);
    ASSERT_FALSE(manifest.empty()) << "no manifest resource in " << TESSELLOR_EXE;
    // Without it, Windows stretches the window of a program it thinks unaware as a bitmap.
    EXPECT_NE(manifest.find("<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true</dpiAware>"),
              std::string::npos);
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
    for (const char* windows : {"{e2011457-1546-43c5-a5fe-008deee3d3f0}", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
                                "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
                                "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"})
        EXPECT_NE(manifest.find(windows), std::string::npos) << windows;
    EXPECT_EQ(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
}
