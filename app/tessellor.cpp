// Program entry: the application object, its title, the main window, the message loop.
#include <windows.h>

#include "Application.h"
#include "main.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    TApplication application;
    application.Initialize();
    application.Title = "Tessellor";
    TTessellorForm* tessellorForm = nullptr;
    application.CreateForm(tessellorForm);
    application.Run();
    return application.ExitCode();
}
