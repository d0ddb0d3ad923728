// Program entry.
#include <windows.h>

#include "Application.h"
#include "Form.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    TApplication application;
    application.Initialize();
    application.Title = "Tessellor";
    TForm* mainForm = nullptr;
    application.CreateForm(mainForm);
    mainForm->SetCaption("Tessellor 1.01");
    mainForm->SetBounds(222, 78, 447, 486);
    application.Run();
    return 0;
}
