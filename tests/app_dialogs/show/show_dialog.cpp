// Shows one information dialog of the program for a screenshot, then closes it by itself:
//   show_dialog.exe support|product [seconds]
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "Application.h"
#include "product.h"
#include "support.h"

namespace {

TForm* gShown = nullptr;

void CALLBACK CloseShown(HWND, UINT, UINT_PTR, DWORD) {
    if (gShown) gShown->ModalResult = mrCancel;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    TApplication application;
    application.Initialize();
    application.Title = "Tessellor";
    const char* which = __argc > 1 ? __argv[1] : "";
    const int seconds = __argc > 2 ? std::atoi(__argv[2]) : 8;
    std::unique_ptr<TForm> form;
    if (std::strcmp(which, "support") == 0)
        form = std::make_unique<TSupportFrm>(&application);
    else if (std::strcmp(which, "product") == 0)
        form = std::make_unique<TProductFrm>(&application);
    else
        return 2;
    gShown = form.get();
    SetTimer(nullptr, 0, static_cast<UINT>(seconds * 1000), CloseShown);
    form->ShowModal();
    return 0;
}
