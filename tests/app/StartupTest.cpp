#include <gtest/gtest.h>

#include "AppDriver.h"
#include "TestFiles.h"

TEST(Startup, MainWindowComesAndClosesWithExitCodeZero) {
    TempDir programDir;
    TempDir images;
    AppDriver app(programDir.Path());
    app.Start(images.Path());
    HWND main = app.MainWindow();
    ASSERT_NE(main, nullptr);
    app.Activate(main);
    app.Key(VK_F4, true);  // Alt+F4
    EXPECT_EQ(app.WaitForExit(), 0);
}
