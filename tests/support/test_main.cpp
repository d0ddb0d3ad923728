// Every test program starts as the programs do (the control library registers its editor) and runs
// its cases inside one application object.
#include <gtest/gtest.h>

#include "Application.h"
#include "IniFilenameEditor.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    RegisterIniCtrlsEditors();
    TApplication application;
    application.Initialize();
    application.Title = "Tessellor";
    return RUN_ALL_TESTS();
}
