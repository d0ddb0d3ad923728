// Entry of tessellor-controls.
#include <windows.h>

#include "Application.h"
#include "ControlsForm.h"
#include "IniCtrls.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    RegisterIniCtrlsEditors();
    TApplication application;
    application.Initialize();
    application.Title = "Tessellor Controls";
    TControlsForm* form = nullptr;
    application.CreateForm(form);
    application.Run();
    return application.ExitCode();
}
