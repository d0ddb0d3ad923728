// Every test program runs its cases inside one application object, as the program does.
#include <gtest/gtest.h>

#include "Application.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    TApplication application;
    application.Initialize();
    application.Title = "Tessellor";
    return RUN_ALL_TESTS();
}
