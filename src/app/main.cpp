// Program entry: system default locale, the application titled "Velmora",
// the main window from its stored description, then the message loop.
#include "app/main_form.h"
#include "toolkit/application.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    SetThreadLocale(0x0800);
    try {
        Application().Initialize();
        Application().SetTitle(L"Velmora");
        FrmMain = Application().CreateForm<TFrmMain>();
        Application().Run();
        FrmMain = nullptr;
    } catch (const std::exception& e) {
        MessageBoxA(nullptr, e.what(), "Velmora", MB_ICONERROR | MB_OK);
        return 1;
    }
    return 0;
}
