// Program entry: the control library's start-up registration, then the application titled
// "Tessellor" with its main window and message loop.
#include <windows.h>

#include "Application.h"
#include "IniCtrls.h"
#include "main.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    RegisterIniCtrlsEditors();
    return RunProgram<TTessellorForm>("Tessellor");
}
