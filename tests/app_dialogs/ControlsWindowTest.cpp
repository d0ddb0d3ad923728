// tessellor-controls' window shows the settings file's path as it is: an & in it marks no key.
#include <gtest/gtest.h>

#include "Application.h"
#include "ControlsForm.h"
#include "DialogDriver.h"

TEST(ControlsWindow, AnAmpersandInTheSettingsFilesPathIsNoAccelerator) {
    TControlsForm form(Application);
    form.FileLabel->SetCaption("C:\\Tom &Jerry\\controls.ini");
    form.Show();
    form.FileBtn->SetFocus();
    PostMessageA(form.FileBtn->Handle(), WM_SYSCHAR, 'j', 1 << 29);  // Alt+J
    PumpUntilQuiet();
    EXPECT_TRUE(form.FileBtn->Focused());
    form.Hide();
}
