// The gallery's entry: the window from its stored description, the skin
// look named by --look and the skin file named by --skin if any, then the
// message loop.
#include "gallery_form.h"
#include "skin_argument.h"
#include "toolkit/application.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    try {
        Application().Initialize();
        Application().SetTitle(L"Velmora Gallery");
        auto& form = *Application().CreateForm<TGalleryForm>();
        OpenLookArgument(form);
        OpenSkinArgument(form);
        Application().Run();
    } catch (const std::exception& e) {
        MessageBoxA(nullptr, e.what(), "Velmora Gallery", MB_ICONERROR | MB_OK);
        return 1;
    }
    return 0;
}
