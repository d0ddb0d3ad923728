// Entry of tessellor-controls.
#include <windows.h>

#include "Application.h"
#include "ControlsForm.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    TApplication application;
    application.Initialize();
    application.Title = "Tessellor Controls";
    TControlsForm* form = nullptr;
    application.CreateForm(form);
    application.Run();
    return application.ExitCode();
}
