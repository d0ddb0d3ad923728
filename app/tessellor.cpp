// Program entry: the control library's start-up registration, the application object, its title, the main window, the message loop.
#include <windows.h>

#include "Application.h"
#include "IniCtrls.h"
#include "main.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    RegisterIniCtrlsEditors();
    TApplication application;
    application.Initialize();
    application.Title = "Tessellor";
    TTessellorForm* tessellorForm = nullptr;
    application.CreateForm(tessellorForm);
    application.Run();
    return application.ExitCode();
}
