// Entry of tessellor-controls.
#include <windows.h>

#include "Application.h"
#include "ControlsForm.h"
#include "IniCtrls.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    RegisterIniCtrlsEditors();
    return RunProgram<TControlsForm>("Tessellor Controls");
}
